#include "tools/form10.h"

#include "app/unit_scale.h"
#include "tools/text_file_creator.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cmath>

namespace quiverel {

namespace {
constexpr QSizeF kTwips(5000, 3000);
constexpr QSizeF kUnits(333, 200);
constexpr double kFontPoints = 10;

void pauseFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

Form10::Form10(Context& ctx, QWidget* opener)
    // Not a child of the opener, which is disabled while this is open.
    : QWidget(nullptr, Qt::Window), ctx_(ctx), opener_(opener) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Quiverel  Create Text File"));
    setAttribute(Qt::WA_DeleteOnClose);
    units_ = new UnitScale(this, kUnits);
    if (opener) {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, opener->palette().color(QPalette::Window));
        setPalette(p);
    }

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Text"));
    units_->place(Text1, QRectF(10, 10, 313, 125));
    units_->setFontPoints(Text1, kFontPoints);

    cmdSave = new QPushButton(QStringLiteral("Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    units_->place(cmdSave, QRectF(20, 150, 60, 30));
    units_->setFontPoints(cmdSave, kFontPoints);
    connect(cmdSave, &QPushButton::clicked, this, &Form10::cmdSave_Click);

    cmdPaste = new QPushButton(QStringLiteral("Paste to TX"), this);
    cmdPaste->setObjectName(QStringLiteral("cmdPaste"));
    units_->place(cmdPaste, QRectF(220, 150, 100, 30));
    units_->setFontPoints(cmdPaste, kFontPoints);
    connect(cmdPaste, &QPushButton::clicked, this, &Form10::cmdPaste_Click);
}

void Form10::Form_Load() {
    const double scale = ctx_.state.settings.guiScale > 0 ? ctx_.state.settings.guiScale : 1.0;
    const QSize size(int(std::lround(kTwips.width() / 15 * scale)),
                     int(std::lround(kTwips.height() / 15 * scale)));
    resize(size);
    const int screenWidth = ctx_.desktop.screenSize().width();
    const int top = opener_ ? opener_->window()->y() : 0;
    move((screenWidth - size.width()) / 2, top + int(std::lround(1500 / 15 * scale)));
    if (opener_) opener_->setEnabled(false);
    units_->relayout();
    show();
    Text1->setFocus();
}

void Form10::cmdSave_Click() {
    AppState& state = ctx_.state;
    const QString path = ctx_.prompts.saveFile(this, state.text[78], state.folders.lastDialogFolder,
                                               QStringLiteral("TXT - Text File (*.txt)"));
    const QString folder = dialogFolderOf(path);
    if (folder.isEmpty()) return;
    const QString why = saveTextFile(path, Text1->toPlainText());
    if (!why.isEmpty()) {
        ctx_.prompts.message(this, {}, notSavedMessage(path, why), PromptIcon::Warning);
        return;
    }
    state.folders.lastDialogFolder = folder;
}

void Form10::cmdPaste_Click() {
    Desktop& desktop = ctx_.desktop;
    desktop.setClipboard({QImage(), QString(), Text1->toPlainText()});
    close();
    // Once this window is gone: the half-second wait lets events run.
    QTimer::singleShot(0, QCoreApplication::instance(),
                       [&desktop] { pasteIntoEasyPal(desktop, &pauseFor); });
}

void Form10::closeEvent(QCloseEvent* event) {
    if (opener_) {
        opener_->setEnabled(true);
        opener_->window()->raise();
        opener_->window()->activateWindow();
        opener_ = nullptr;
    }
    QWidget::closeEvent(event);
}

} // namespace quiverel
