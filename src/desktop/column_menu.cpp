#include "desktop/column_menu.h"

#include "desktop/menu_column_breaks.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QWheelEvent>
#include <QWidgetAction>

namespace quiverel {

ColumnMenu::ColumnMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->installEventFilter(this);
    grid_ = new QWidget;
    layout_ = new QGridLayout(grid_);
    layout_->setContentsMargins(2, 2, 2, 2);
    layout_->setSpacing(0);
    scroll_->setWidget(grid_);
    // The menu's own background shows through, as for its other entries.
    scroll_->viewport()->setAutoFillBackground(false);
    grid_->setAutoFillBackground(false);
    gridAction_ = new QWidgetAction(this);
    gridAction_->setDefaultWidget(scroll_);
    addAction(gridAction_);
    // Sized for the screen it opens on, before the menu measures itself.
    connect(this, &QMenu::aboutToShow, this, &ColumnMenu::fitToScreen);
}

void ColumnMenu::setEntries(const QList<QAction*>& entries, int rowsPerColumn) {
    for (QToolButton* b : std::as_const(buttons_))
        delete b;
    buttons_.clear();
    entries_ = entries;
    rows_ = std::max(rowsPerColumn, 1);
    for (QAction* entry : std::as_const(entries_)) {
        auto* b = new QToolButton(grid_);
        b->setDefaultAction(entry);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(this);
        buttons_.append(b);
        connect(entry, &QAction::triggered, this, &QMenu::close);
    }
    placeButtons(rows_);
    fitToScreen();
}

void ColumnMenu::placeButtons(int rows) {
    shownRows_ = std::max(rows, 1);
    // A fresh grid: an old one would keep the rows and columns it had.
    const QMargins margins = layout_->contentsMargins();
    delete layout_;
    layout_ = new QGridLayout(grid_);
    layout_->setContentsMargins(margins);
    layout_->setSpacing(0);
    for (int i = 0; i < buttons_.size(); ++i) {
        const MenuCell cell = menuCellOf(i, shownRows_);
        layout_->addWidget(buttons_[i], cell.row, cell.column);
    }
    grid_->adjustSize();
}

QScreen* ColumnMenu::targetScreen() const {
    // A menu-bar menu opens on its window's screen.
    if (QWidget* owner = parentWidget())
        if (QScreen* s = owner->screen()) return s;
    return QGuiApplication::primaryScreen();
}

void ColumnMenu::fitToScreen() {
    QScreen* screen = targetScreen();
    QSize cell(0, 0);
    for (const QToolButton* b : std::as_const(buttons_))
        cell = cell.expandedTo(b->sizeHint());
    const QMargins m = layout_->contentsMargins();
    // The menu's own frame and margins around the grid, twice over for safety.
    const int chrome = 2 * (style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this) +
                            style()->pixelMetric(QStyle::PM_MenuVMargin, nullptr, this) +
                            style()->pixelMetric(QStyle::PM_MenuHMargin, nullptr, this)) +
                       8;
    const QSize screenRoom = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const QSize room =
        screenRoom - QSize(chrome + m.left() + m.right(), chrome + m.top() + m.bottom());
    const int bar = scroll_->horizontalScrollBar()->sizeHint().height();
    const MenuGrid plan = menuGridFor(int(buttons_.size()), rows_, cell, room, bar);
    if (plan.rowsPerColumn != shownRows_) placeButtons(plan.rowsPerColumn);

    const QSize wanted = grid_->sizeHint();
    const QSize limit = screenRoom - QSize(chrome, chrome);
    scroll_->setFixedSize(std::min(wanted.width(), limit.width()),
                          std::min(wanted.height() + (plan.scrolls ? bar : 0), limit.height()));
    // The menu caches the size of the widget action; make it ask again.
    removeAction(gridAction_);
    addAction(gridAction_);
}

QToolButton* ColumnMenu::buttonAt(int index) const {
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

void ColumnMenu::showEntry(int index) {
    if (QToolButton* b = buttonAt(index)) scroll_->ensureWidgetVisible(b, 0, 0);
}

void ColumnMenu::showEvent(QShowEvent* event) {
    QMenu::showEvent(event);
    scroll_->horizontalScrollBar()->setValue(0);
    if (!buttons_.isEmpty()) buttons_.first()->setFocus();
}

void ColumnMenu::moveFocus(int from, int dx, int dy) {
    const int n = int(buttons_.size());
    if (n == 0) return;
    MenuCell c = menuCellOf(from, shownRows_);
    int target = from;
    if (dy != 0) {
        target = (from + dy + n) % n;
    } else {
        const int columns = (n + shownRows_ - 1) / shownRows_;
        const int col = (c.column + dx + columns) % columns;
        target = std::min(col * shownRows_ + c.row, n - 1);
    }
    buttons_[target]->setFocus();
    showEntry(target);
}

bool ColumnMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched == scroll_->viewport()) {
        // The menu scrolls only sideways: the wheel turns that way too.
        QCoreApplication::sendEvent(scroll_->horizontalScrollBar(), event);
        return true;
    }
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
