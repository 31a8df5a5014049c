#include "options/form5.h"

#include "app/unit_scale.h"
#include "catalogue/file_names.h"
#include "catalogue/paging.h"
#include "convert/gif_info.h"
#include "ftp/ftp_frame.h"
#include "imaging/fit_resample.h"
#include "imaging/picture_file.h"
#include "options/convert_picture.h"
#include "options/copy_to_folder.h"
#include "options/delete_picture.h"
#include "options/edit_picture.h"
#include "options/panel_geometry.h"
#include "options/rename_picture.h"
#include "process/background_work.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace quiverel {

namespace {
const QColor kHighlight(0x00, 0x00, 0x99);
constexpr QSizeF kFrameUnits(300, 204);
} // namespace

Form5::Form5(Context& ctx, const OptionsRequest& request, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window), ctx_(ctx),
      request_(request), result_{request.targetFolder, {}, false}, mainWindow_(mainWindow),
      runner_(startAndWait()) {
    setObjectName(QStringLiteral("Form5"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    units_ = new UnitScale(this, kPanelUnits);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    auto* box = new QVBoxLayout(Picture1);
    box->setContentsMargins(0, 0, 0, 0);
    AniGIF1 = new QLabel(Picture1);
    AniGIF1->setObjectName(QStringLiteral("AniGIF1"));
    AniGIF1->setAccessibleName(QStringLiteral("Preview"));
    AniGIF1->setAlignment(Qt::AlignCenter);
    box->addWidget(AniGIF1);
    // Moves over the preview reach the panel, which clears the highlight.
    Picture1->setMouseTracking(true);
    AniGIF1->setMouseTracking(true);
    movie_ = new QMovie(this);

    const QStringList captions = optionCaptions(ctx_.state.text);
    for (int i = 0; i < kOptionEntries; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setObjectName(QStringLiteral("lblOpt%1").arg(i));
        label->setAccessibleName(captions[i].trimmed());
        label->setAutoFillBackground(true);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        units_->place(label, entryRect(i));
        units_->setFontPoints(label, 11);
        lblOpt[i] = label;
    }
    createFrames();
}

Form5::~Form5() = default;

QPushButton* Form5::addButton(QWidget* frame, UnitScale* units, const char* name,
                              const QString& caption, const QRectF& place) {
    auto* button = new QPushButton(caption, frame);
    button->setObjectName(QString::fromLatin1(name));
    units->place(button, place);
    units->setFontPoints(button, 9);
    return button;
}

void Form5::createFrames() {
    const TextTable& text = ctx_.state.text;
    const QString pad = QStringLiteral("   ");

    frmRename = new QFrame(this);
    frmRename->setObjectName(QStringLiteral("frmRename"));
    frmRename->setFrameShape(QFrame::NoFrame);
    auto* renameUnits = new UnitScale(frmRename, kFrameUnits);
    lblNewName = new QLabel(text[35], frmRename);
    lblNewName->setObjectName(QStringLiteral("lblNewName"));
    renameUnits->place(lblNewName, QRectF(20, 20, 260, 20));
    renameUnits->setFontPoints(lblNewName, 9);
    txtRename = new QLineEdit(frmRename);
    txtRename->setObjectName(QStringLiteral("txtRename"));
    txtRename->setAccessibleName(text[35]);
    renameUnits->place(txtRename, QRectF(20, 45, 260, 26));
    renameUnits->setFontPoints(txtRename, 9);
    cmdRename = addButton(frmRename, renameUnits, "cmdRename", text[36], QRectF(20, 90, 110, 30));
    cmdCancel = addButton(frmRename, renameUnits, "cmdCancel", text[37], QRectF(170, 90, 110, 30));
    connect(cmdRename, &QPushButton::clicked, this, &Form5::cmdRename_Click);
    connect(txtRename, &QLineEdit::returnPressed, this, &Form5::cmdRename_Click);
    connect(cmdCancel, &QPushButton::clicked, frmRename, &QWidget::hide);

    frmConv = new QGroupBox(text[45], this);
    frmConv->setObjectName(QStringLiteral("frmConv"));
    auto* convUnits = new UnitScale(frmConv, kFrameUnits);
    convUnits->setFontPoints(frmConv, 9);
    lstConv = new QListWidget(frmConv);
    lstConv->setObjectName(QStringLiteral("lstConv"));
    lstConv->setAccessibleName(text[45]);
    convUnits->place(lstConv, QRectF(20, 25, 120, 115));
    convUnits->setFontPoints(lstConv, 9);
    cmdOkConv =
        addButton(frmConv, convUnits, "cmdOkConv", pad + text[36], QRectF(165, 40, 115, 30));
    cmdCancelConv =
        addButton(frmConv, convUnits, "cmdCancelConv", pad + text[37], QRectF(165, 95, 115, 30));
    connect(cmdOkConv, &QPushButton::clicked, this, &Form5::cmdOkConv_Click);
    connect(cmdCancelConv, &QPushButton::clicked, frmConv, &QWidget::hide);

    frmWall = new QGroupBox(text[47], this);
    frmWall->setObjectName(QStringLiteral("frmWall"));
    auto* wallUnits = new UnitScale(frmWall, kFrameUnits);
    wallUnits->setFontPoints(frmWall, 9);
    cmdOkWall = addButton(frmWall, wallUnits, "cmdOkWall", pad + text[36], QRectF(20, 60, 115, 30));
    cmdCancelWall =
        addButton(frmWall, wallUnits, "cmdCancelWall", pad + text[37], QRectF(165, 60, 115, 30));
    connect(cmdOkWall, &QPushButton::clicked, this, &Form5::cmdOkWall_Click);
    connect(cmdCancelWall, &QPushButton::clicked, frmWall, &QWidget::hide);

    ftpArea = new FtpFrame(ctx_, request_.picture.folder, request_.picture.fileName, this);
    ftpArea->setObjectName(QStringLiteral("frmFTP"));

    for (QWidget* frame : {static_cast<QWidget*>(frmRename), static_cast<QWidget*>(frmConv),
                           static_cast<QWidget*>(frmWall), ftpArea}) {
        frame->setAutoFillBackground(true);
        units_->place(frame, kFrameRect);
        frame->hide();
    }
}

QString Form5::path() const {
    return request_.picture.folder + request_.picture.fileName;
}

QImage Form5::gridThumbnail() const {
    if (!request_.thumbnail.isNull()) return request_.thumbnail;
    const PictureRef& cur = request_.picture;
    return loadPicture(thumbnailPathOf(cur.folder, cur.fileName));
}

void Form5::Form_Load() {
    const PictureRef& cur = request_.picture;
    const bool textFile = isTextFileName(cur.fileName);
    animatedGif_ = extensionOf(cur.fileName) == u".GIF" && readGifInfo(path()).imageCount > 1;
    const std::array<bool, kOptionEntries> enabled = enabledEntries(textFile, animatedGif_);
    for (int i = 0; i < kOptionEntries; ++i)
        lblOpt[i]->setEnabled(enabled[i]);

    setWindowTitle(cur.fileName);
    const QSize size = panelPixels(ctx_.state.settings.guiScale);
    setFixedSize(size);
    if (mainWindow_) move(panelTopLeft(mainWindow_->frameGeometry().size(), size));
    units_->relayout();
    loadPreview(path(), textFile);
    Form_MouseMove();
}

void Form5::loadPreview(const QString& file, bool textFile) {
    const QImage thumbnail = gridThumbnail();
    units_->place(Picture1, previewRect(thumbnail.size()));
    if (textFile) {
        PreviewPicture(thumbnail);
        return;
    }
    if (animatedGif_) {
        movie_->setFileName(file);
        if (movie_->isValid()) {
            const GifInfoResult gif = readGifInfo(file);
            movie_->setScaledSize(fitSize(QSize(gif.width, gif.height), Picture1->size()));
            AniGIF1->setMovie(movie_);
            movie_->start();
            return;
        }
    }
    // Decoded off the interface thread at about the size shown.
    auto picture = std::make_shared<QImage>();
    const QSize box = Picture1->size();
    runInBackground([picture, file, box] {
        *picture = loadPicture(file, DecodeOptions{box});
        return !picture->isNull();
    });
    PreviewPicture(*picture);
}

bool Form5::PreviewPicture(const QImage& picture) {
    if (picture.isNull()) {
        ctx_.prompts.message(this, QStringLiteral("Brisendale"),
                             QStringLiteral("Can't display this image"), PromptIcon::Warning);
        return false;
    }
    AniGIF1->setPixmap(QPixmap::fromImage(fitResample(picture, Picture1->size())));
    return true;
}

void Form5::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    const double fy = units_->factorY();
    painter.setPen(QColor(0x11, 0x11, 0x11));
    painter.drawLine(0, int(155 * fy), width(), int(155 * fy));
    painter.setPen(QColor(0xEE, 0xEE, 0xEE));
    painter.drawLine(0, int(157 * fy), width(), int(157 * fy));
}

void Form5::lblOpt_MouseMove(int index) {
    const QColor background = palette().color(QPalette::Window);
    for (int i = 0; i < kOptionEntries; ++i) {
        QPalette p = lblOpt[i]->palette();
        p.setColor(QPalette::Window, i == index ? kHighlight : background);
        p.setColor(QPalette::WindowText, i == index ? QColor(Qt::white) : QColor(Qt::black));
        lblOpt[i]->setPalette(p);
    }
}

void Form5::Form_MouseMove() {
    lblOpt_MouseMove(-1);
}

void Form5::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void Form5::leaveEvent(QEvent* event) {
    Form_MouseMove();
    QWidget::leaveEvent(event);
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < kOptionEntries; ++i) {
        if (watched != lblOpt[i]) continue;
        if (event->type() == QEvent::MouseMove) {
            // Handled here: passed on to the panel it would clear the highlight
            // again. A disabled entry is never highlighted.
            if (lblOpt[i]->isEnabled())
                lblOpt_MouseMove(i);
            else
                Form_MouseMove();
            return true;
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                   lblOpt[i]->rect().contains(
                       static_cast<QMouseEvent*>(event)->position().toPoint())) {
            lblOpt_Click(i);
            return true;
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form5::showFrame(QWidget* frame) {
    frame->show();
    frame->raise();
}

void Form5::lblOpt_Click(int index) {
    if (index < 0 || index >= kOptionEntries || !lblOpt[index]->isEnabled()) return;
    lastChoice_ = index + 1;
    const TextTable& text = ctx_.state.text;
    switch (index) {
    case EditInComposer:
        ctx_.windows.showComposer({.picture = request_.picture});
        close();
        break;
    case EditInConverter:
        editInConverter();
        break;
    case RenameEntry:
        txtRename->setText(request_.picture.fileName);
        showFrame(frmRename);
        txtRename->setFocus();
        break;
    case MoveEntry:
    case CopyEntry: {
        const bool move = index == MoveEntry;
        const QString folder =
            ctx_.prompts.folder(this, text[move ? 38 : 40], result_.targetFolder);
        if (folder.isEmpty()) return;
        result_.targetFolder = folder;
        CopyOrMoveToFolder(move);
        break;
    }
    case ConvertEntry:
        lstConv->clear();
        lstConv->addItems(conversionFormats());
        if (const int row = preselectedFormat(request_.picture.fileName); row >= 0)
            lstConv->setCurrentRow(row);
        showFrame(frmConv);
        break;
    case DeleteEntry:
        deletePicture();
        break;
    case WallpaperEntry:
        showFrame(frmWall);
        break;
    case FtpEntry:
        showFrame(ftpArea);
        break;
    case CloseEntry:
        close();
        break;
    }
}

void Form5::tell(const FileActionReport& report) {
    if (!report.isEmpty())
        ctx_.prompts.message(this, report.title, report.text, report.icon, PromptButtons::Ok);
}

void Form5::editInConverter() {
    const PictureRef& cur = request_.picture;
    setEnabled(false);
    QPointer<Form5> self(this);
    const EditResult result =
        editPicture(ctx_.converter, cur.folder, cur.fileName, request_.rowDate, request_.lastRow);
    if (!self) return;
    setEnabled(true);
    close();
    if (result.changed) Q_EMIT catalogueChanged();
}

void Form5::deletePicture() {
    const FileActionReport question = deleteQuestion(path(), ctx_.state.text[33]);
    bool removed = false;
    if (ctx_.prompts.message(this, question.title, question.text, question.icon,
                             PromptButtons::YesNo) == PromptAnswer::Yes) {
        FileActionReport report;
        removed = recyclePicture(ctx_.desktop, request_.picture.folder, request_.picture.fileName,
                                 &report);
        tell(report);
    }
    close();
    if (removed) Q_EMIT pictureRemoved();
}

void Form5::CopyOrMoveToFolder(bool move) {
    const PictureRef& cur = request_.picture;
    const CopyRequest request{cur.folder, cur.fileName, result_.targetFolder, move};
    const CopyResult result = copyOrMoveToFolder(request, ctx_.desktop, ctx_.state.text);
    switch (result.outcome) {
    case CopyOutcome::Clash:
        ctx_.windows.showRenameReplace(
            clashRequestFor(request, gridThumbnail(), cur.row, cur.size));
        return;
    case CopyOutcome::OwnFolder:
    case CopyOutcome::Failed:
        tell(result.report); // the panel stays for another folder
        return;
    case CopyOutcome::Copied:
    case CopyOutcome::Kept:
        tell(result.report);
        frmRename->hide();
        close();
        if (move && result.outcome == CopyOutcome::Copied) Q_EMIT pictureRemoved();
        return;
    }
}

void Form5::cmdRename_Click() {
    const PictureRef& cur = request_.picture;
    const RenameResult renamed =
        renamePicture(cur.folder, cur.fileName, txtRename->text(), ctx_.state.text);
    tell(renamed.report);
    if (!renamed.renamed) return;
    result_.renamedTo = renamed.newName;
    frmRename->hide();
    close();
    Q_EMIT catalogueChanged();
}

void Form5::cmdOkConv_Click() {
    const QList<QListWidgetItem*> chosen = lstConv->selectedItems();
    const QString format = chosen.isEmpty() ? QString() : chosen.first()->text();
    const PictureRef& cur = request_.picture;
    setEnabled(false);
    QPointer<Form5> self(this);
    const ConvertResult result =
        convertPicture(ctx_.converter, cur.folder, cur.fileName, format, ctx_.state.text);
    if (!self) return;
    setEnabled(true);
    tell(result.report);
    if (result.outcome == ConvertOutcome::NoFormat) return;
    frmConv->hide();
    close();
    if (result.outcome == ConvertOutcome::Converted) Q_EMIT catalogueChanged();
}

void Form5::cmdOkWall_Click() {
    QImage picture = request_.picture.picture;
    if (picture.isNull()) picture = loadPictureInBackground(path());
    setEnabled(false);
    QPointer<Form5> self(this);
    const FileActionReport report =
        setWallpaper(picture, ctx_.desktop.screenSize(), ctx_.appFolder,
                     qEnvironmentVariable("XDG_CURRENT_DESKTOP"), runner_);
    if (!self) return;
    setEnabled(true);
    tell(report);
    close();
}

void Form5::closeEvent(QCloseEvent* event) {
    if (!closedOnce_) {
        closedOnce_ = true;
        movie_->stop();
        result_.composerChosen = lastChoice_ == EditInComposer + 1;
        Q_EMIT closed(result_);
    }
    QWidget::closeEvent(event);
}

} // namespace quiverel
