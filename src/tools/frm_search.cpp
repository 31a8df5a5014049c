#include "tools/frm_search.h"

#include "app/unit_scale.h"
#include "catalogue/thumbnail_batch.h"
#include "tools/search_files.h"
#include "tools/search_folder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

namespace quiverel {

namespace {
constexpr QSizeF kTwips(5000, 4000);
constexpr QSizeF kUnits(333, 266);
constexpr double kFontPoints = 10;
} // namespace

frmSearch::frmSearch(Context& ctx, QWidget* opener)
    // Not a child of the opener, which is disabled while this is open.
    : QDialog(nullptr), ctx_(ctx), opener_(opener) {
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Quiverel"));
    setAttribute(Qt::WA_DeleteOnClose);
    units_ = new UnitScale(this, kUnits);
    const auto& text = ctx.state.text;

    Label1 = new QLabel(text[108] + u'\n' + text[109], this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    units_->place(Label1, QRectF(20, 5, 300, 100));
    units_->setFontPoints(Label1, kFontPoints);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Keyword"));
    units_->place(Text1, QRectF(20, 100, 200, 25));
    units_->setFontPoints(Text1, kFontPoints);
    connect(Text1, &QLineEdit::textChanged, this, &frmSearch::Text1_Change);

    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setTextVisible(false);
    pBar->setRange(0, 1);
    pBar->setValue(0);
    units_->place(pBar, QRectF(20, 145, 250, 25));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    units_->place(Label2, QRectF(20, 180, 300, 50));
    units_->setFontPoints(Label2, kFontPoints);

    cmdOk = new QPushButton(text[36].isEmpty() ? QStringLiteral("Ok") : text[36], this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    // Enter anywhere in the window is Ok.
    cmdOk->setDefault(true);
    units_->place(cmdOk, QRectF(50, 220, 100, 30));
    connect(cmdOk, &QPushButton::clicked, this, &frmSearch::cmdOk_Click);

    cmdCancel = new QPushButton(text[37].isEmpty() ? QStringLiteral("Cancel") : text[37], this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    units_->place(cmdCancel, QRectF(180, 220, 100, 30));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
}

void frmSearch::Form_Load() {
    const double scale = ctx_.state.settings.guiScale > 0 ? ctx_.state.settings.guiScale : 1.0;
    const QSize size(int(std::lround(kTwips.width() / 15 * scale)),
                     int(std::lround(kTwips.height() / 15 * scale)));
    resize(size);
    if (opener_) {
        const QRect main = opener_->window()->frameGeometry();
        move(main.left() + (main.width() - size.width()) / 2, (main.height() - size.height()) / 2);
        opener_->setEnabled(false);
    }
    units_->relayout();
    Label2->clear();
    Text1->setFocus();
}

void frmSearch::Text1_Change() {
    const QString typed = Text1->text();
    const QString keyword = typedKeyword(typed);
    if (keyword == typed) return;
    const QSignalBlocker block(Text1);
    Text1->setText(keyword);
    Text1->setCursorPosition(int(keyword.size()));
}

void frmSearch::cmdOk_Click() {
    if (searching_) return;
    Label2->clear();
    if (Text1->text().isEmpty()) return;
    SearchFiles(Text1->text());
}

void frmSearch::SearchFiles(const QString& keyword) {
    searching_ = true;
    // Cancel, Esc and closing stay live: they stop the search.
    Text1->setEnabled(false);
    cmdOk->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    AppState& state = ctx_.state;
    const auto showProgress = [this](int value, int maximum) {
        pBar->setRange(0, maximum);
        pBar->setValue(value);
    };
    QStringList results = quiverel::SearchFiles(state.folders.rows, keyword,
                                                searchFolderOf(state.appFolder), showProgress);

    if (results.isEmpty()) {
        pBar->setValue(0);
        Text1->clear();
        Label2->setText(noMatchText(state.text[110], keyword));
        QApplication::restoreOverrideCursor();
        Text1->setEnabled(true);
        cmdOk->setEnabled(true);
        Text1->setFocus();
        searching_ = false;
        return;
    }

    Label2->setText(matchesFoundText(int(results.size())));
    SearchStop stop;
    stop_ = &stop;
    const SearchFolderReport report =
        BuildSearchFolder(state.appFolder, results, &makePictureThumbnail, showProgress, &stop);
    stop_ = nullptr;
    state.catalogue.searchResultPaths = results;
    QApplication::restoreOverrideCursor();
    // Told before the grid shows fewer results than were found.
    if (!report.notCopied.isEmpty())
        ctx_.prompts.message(this, {},
                             notCopiedText(searchFolderOf(state.appFolder), report.notCopied),
                             PromptIcon::Warning);
    searching_ = false;
    // Also after a stop: the results folder now holds the copies made so far.
    Q_EMIT found();
    close();
}

void frmSearch::stopSearch() {
    if (stop_) stop_->request();
}

void frmSearch::restoreOpener() {
    if (!opener_) return;
    opener_->setEnabled(true);
    opener_ = nullptr;
}

void frmSearch::closeEvent(QCloseEvent* event) {
    // While the results folder is being filled this stops it; the window
    // closes once the copy in hand is dropped.
    if (searching_) {
        stopSearch();
        event->ignore();
        return;
    }
    restoreOpener();
    QDialog::closeEvent(event);
}

void frmSearch::done(int result) {
    if (searching_) {
        stopSearch();
        return;
    }
    restoreOpener();
    QDialog::done(result);
}

} // namespace quiverel
