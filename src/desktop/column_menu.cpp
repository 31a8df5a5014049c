#include "desktop/column_menu.h"

#include "desktop/menu_column_breaks.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QWidgetAction>

namespace quiverel {

ColumnMenu::ColumnMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {
    grid_ = new QWidget(this);
    layout_ = new QGridLayout(grid_);
    layout_->setContentsMargins(2, 2, 2, 2);
    layout_->setSpacing(0);
    gridAction_ = new QWidgetAction(this);
    gridAction_->setDefaultWidget(grid_);
    addAction(gridAction_);
}

void ColumnMenu::setEntries(const QList<QAction*>& entries, int rowsPerColumn) {
    for (QToolButton* b : std::as_const(buttons_))
        delete b;
    buttons_.clear();
    entries_ = entries;
    rows_ = std::max(rowsPerColumn, 1);
    for (int i = 0; i < entries_.size(); ++i) {
        auto* b = new QToolButton(grid_);
        b->setDefaultAction(entries_[i]);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(this);
        const MenuCell cell = menuCellOf(i, rows_);
        layout_->addWidget(b, cell.row, cell.column);
        buttons_.append(b);
        connect(entries_[i], &QAction::triggered, this, &QMenu::close);
    }
    grid_->adjustSize();
    // The menu caches the size of the widget action; make it ask again.
    removeAction(gridAction_);
    addAction(gridAction_);
}

QToolButton* ColumnMenu::buttonAt(int index) const {
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

void ColumnMenu::showEvent(QShowEvent* event) {
    QMenu::showEvent(event);
    if (!buttons_.isEmpty()) buttons_.first()->setFocus();
}

void ColumnMenu::moveFocus(int from, int dx, int dy) {
    const int n = int(buttons_.size());
    if (n == 0) return;
    MenuCell c = menuCellOf(from, rows_);
    int target = from;
    if (dy != 0) {
        target = (from + dy + n) % n;
    } else {
        const int columns = (n + rows_ - 1) / rows_;
        const int col = (c.column + dx + columns) % columns;
        target = std::min(col * rows_ + c.row, n - 1);
    }
    buttons_[target]->setFocus();
}

bool ColumnMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QMenu::eventFilter(watched, event);
    const int index = int(buttons_.indexOf(qobject_cast<QToolButton*>(watched)));
    if (index < 0) return QMenu::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
        moveFocus(index, 0, -1);
        return true;
    case Qt::Key_Down:
        moveFocus(index, 0, 1);
        return true;
    case Qt::Key_Left:
        moveFocus(index, -1, 0);
        return true;
    case Qt::Key_Right:
        moveFocus(index, 1, 0);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        entries_[index]->trigger();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        break;
    }
    return QMenu::eventFilter(watched, event);
}

} // namespace quiverel
