#include "tools/form9.h"

#include "app/folders_ini.h"
#include "app/unit_scale.h"
#include "tools/folder_removal.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <cmath>

namespace quiverel {

namespace {
constexpr QSizeF kTwips(6000, 3750);
constexpr QSizeF kUnits(400, 250);
} // namespace

Form9::Form9(Context& ctx, QWidget* opener) : QDialog(opener), ctx_(ctx), opener_(opener) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral(" Remove folder"));
    setAttribute(Qt::WA_DeleteOnClose);
    units_ = new UnitScale(this, kUnits);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Folders"));
    units_->place(List1, QRectF(20, 10, 130, 140));
    connect(List1, &QListWidget::itemClicked, this, &Form9::List1_Click);
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form9::List1_Click);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    units_->place(Label2, QRectF(165, 50, 230, 70));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(QStringLiteral("Path"));
    units_->place(Label1, QRectF(20, 165, 350, 25));

    cmdRemove = new QPushButton(QStringLiteral("Remove from menu"), this);
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    units_->place(cmdRemove, QRectF(20, 210, 180, 30));
    connect(cmdRemove, &QPushButton::clicked, this, &Form9::cmdRemove_Click);

    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    units_->place(cmdCancel, QRectF(290, 210, 80, 30));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
}

void Form9::Form_Load() {
    const double scale = ctx_.state.settings.guiScale > 0 ? ctx_.state.settings.guiScale : 1.0;
    const QSize size(int(std::lround(kTwips.width() / 15 * scale)),
                     int(std::lround(kTwips.height() / 15 * scale)));
    resize(size);
    if (opener_) {
        const QRect main = opener_->window()->geometry();
        move(main.left() + (main.width() - size.width()) / 2,
             main.top() + (main.height() - size.height()) / 2);
    }
    units_->relayout();
    const QList<FolderRow>& rows = ctx_.state.folders.rows;
    Label2->setText(removalInstruction(int(rows.size())));
    List1->addItems(removableCaptions(rows));
    List1->setFocus();
}

namespace {
// The focus gives the list a current row; only a chosen one counts.
const QListWidgetItem* chosen(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}
} // namespace

void Form9::List1_Click() {
    const QListWidgetItem* item = chosen(List1);
    Label1->setText(item ? pathOfCaption(ctx_.state.folders.rows, item->text()) : QString());
}

void Form9::cmdRemove_Click() {
    const QListWidgetItem* item = chosen(List1);
    if (!item) return;
    AppState& state = ctx_.state;
    if (removeFolderRow(state.folders.rows, item->text(), state.current.folderIndex) < 0) return;
    const QString ini = state.iniFile(QStringLiteral("Folders.ini"));
    if (!writeFoldersIni(ini, state.folders.rows))
        ctx_.prompts.message(this, {},
                             QStringLiteral("The folder list could not be written to\n") + ini,
                             PromptIcon::Warning);
    Q_EMIT removed();
    close();
}

} // namespace quiverel
