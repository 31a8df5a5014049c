#include "ftp/ftp_frame.h"

#include "app/unit_scale.h"
#include "ftp/ftp_error.h"
#include "ftp/ftp_fields.h"
#include "ftp/ftp_uploader.h"
#include "ftp/remote_names.h"
#include "ftp/status_picture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <climits>

namespace quiverel {

namespace {
constexpr QSizeF kUnits(300, 204);
constexpr double kFontPoints = 9;
constexpr double kFieldLeft = 100;
constexpr double kFieldWidth = 190;
const QString kCaption = QStringLiteral("FTP upload settings");
const QString kUploading = QStringLiteral("Uploading image . . .");
const QString kUploaded = QStringLiteral("Image uploaded.");
const QString kUploadedPassive = QStringLiteral("Image uploaded. (passive mode)");

// Named, placed in the frame's units and given the frame's font.
template <class W> W* placed(UnitScale* units, W* control, const char* name, const QRectF& rect) {
    control->setObjectName(QString::fromLatin1(name));
    units->place(control, rect);
    units->setFontPoints(control, kFontPoints);
    return control;
}
} // namespace

FtpFrame::FtpFrame(Context& ctx, const QString& folder, const QString& fileName, QWidget* parent)
    : QGroupBox(kCaption, parent), ctx_(ctx), path_(folder + fileName) {
    setObjectName(QStringLiteral("frmFTP"));
    units_ = new UnitScale(this, kUnits);
    units_->setFontPoints(this, kFontPoints);
    Settings& settings = ctx_.state.settings;

    txtAdd = addField("txtAdd", QStringLiteral("FTP address"), lblAdd, 18, settings.ftpServer);
    txtUser = addField("txtUser", QStringLiteral("Username"), lblUser, 40, settings.ftpUser);
    txtPass = addField("txtPass", QStringLiteral("Password"), lblPass, 62, settings.ftpPassword);
    txtDir = addField("txtDir", QStringLiteral("Web directory"), lblDir, 84, settings.ftpFolder);

    lblAs = placed(units_, new QLabel(QStringLiteral("Upload as:"), this), "lblAs",
                   QRectF(10, 108, kFieldLeft - 12, 18));
    cboName =
        placed(units_, new QComboBox(this), "cboName", QRectF(kFieldLeft, 106, kFieldWidth, 20));
    cboName->setAccessibleName(QStringLiteral("Upload as:"));
    cboName->setEditable(true);
    cboName->lineEdit()->setAccessibleName(QStringLiteral("Upload as:"));
    cboName->setInsertPolicy(QComboBox::NoInsert);
    cboName->addItems(remoteNameList(fileName));
    cboName->setCurrentIndex(preselectedRemoteName(fileName));
    lblAs->setBuddy(cboName);

    Ck1 = placed(units_, new QCheckBox(QStringLiteral("Upload EasyPal checknew.jpg file"), this),
                 "Ck1", QRectF(10, 130, 280, 18));
    Ck1->setChecked(true);
    Option1 = placed(units_, new QRadioButton(QStringLiteral("On air now"), this), "Option1",
                     QRectF(30, 150, 110, 18));
    Option1->setChecked(true);
    Option2 = placed(units_, new QRadioButton(QStringLiteral("Off air"), this), "Option2",
                     QRectF(150, 150, 110, 18));
    connect(Ck1, &QCheckBox::toggled, Option1, &QWidget::setEnabled);
    connect(Ck1, &QCheckBox::toggled, Option2, &QWidget::setEnabled);

    cmdFTP = placed(units_, new QPushButton(QStringLiteral("FTP upload"), this), "cmdFTP",
                    QRectF(10, 174, 90, 22));
    connect(cmdFTP, &QPushButton::clicked, this, &FtpFrame::cmdFTP_Click);
    Prog1 = placed(units_, new QProgressBar(this), "Prog1", QRectF(110, 177, 180, 16));
    Prog1->setAccessibleName(QStringLiteral("Upload progress"));
    Prog1->setTextVisible(false);
    Prog1->setRange(0, 1);
    Prog1->setValue(0);

    uploader_ = new FtpUploader(this);
    connect(uploader_, &FtpUploader::fileStarted, this, &FtpFrame::onFileStarted);
    connect(uploader_, &FtpUploader::progress, this, &FtpFrame::onProgress);
    connect(uploader_, &FtpUploader::finished, this, &FtpFrame::onFinished);
}

FtpFrame::~FtpFrame() {
    setBusy(false);
}

QLineEdit* FtpFrame::addField(const char* name, const QString& caption, QLabel*& label, double top,
                              QString& global) {
    label = placed(units_, new QLabel(caption, this), "", QRectF(10, top + 2, kFieldLeft - 12, 18));
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(name).mid(3));
    auto* field =
        placed(units_, new QLineEdit(this), name, QRectF(kFieldLeft, top, kFieldWidth, 20));
    field->setAccessibleName(caption);
    label->setBuddy(field);
    // Every change is kept at once, so it outlives the panel even without an
    // upload; a control character (a pasted line break) is taken out first.
    connect(field, &QLineEdit::textChanged, this, [field, &global](const QString& text) {
        const QString clean = ftpFieldText(text);
        if (clean != text)
            field->setText(clean);
        else
            global = text;
    });
    field->setText(global);
    return field;
}

bool FtpFrame::uploading() const {
    return uploader_->running();
}

void FtpFrame::cmdFTP_Click() {
    UploadPicture(path_);
}

void FtpFrame::UploadPicture(const QString& localPath) {
    if (busy_) return;
    setBusy(true);
    cmdFTP->setEnabled(false);
    setTitle(kUploading);
    repaint();

    const QString folder = ftpFieldText(txtDir->text());
    QList<FtpFile> files;
    if (Ck1->isChecked()) {
        const double scale = ctx_.state.settings.guiScale > 0 ? ctx_.state.settings.guiScale : 1.0;
        const QImage picture = statusPicture(Option1->isChecked(), statusPictureHeight(ctx_.clock),
                                             scale, palette().color(QPalette::Window));
        QString why;
        // The converter lets events run while it works: the panel may close meanwhile.
        const QPointer<FtpFrame> alive(this);
        const QString made = writeStatusPicture(picture, ctx_.appFolder, ctx_.converter, &why);
        if (!alive) return;
        if (made.isEmpty()) {
            setBusy(false);
            cmdFTP->setEnabled(true);
            ctx_.prompts.message(this, {}, why, PromptIcon::Warning);
            Q_EMIT uploadFinished(false);
            return;
        }
        files << FtpFile{made, remotePath(folder, QStringLiteral("checknew.jpg"))};
    }
    files << FtpFile{localPath, remotePath(folder, cboName->currentText())};
    uploader_->start(FtpAccount{ftpFieldText(txtAdd->text()), ftpFieldText(txtUser->text()),
                                ftpFieldText(txtPass->text())},
                     files);
}

void FtpFrame::onFileStarted(int, qint64 length) {
    // The bar counts in int; a file beyond that is shown in coarser steps.
    progressDivisor_ = length / INT_MAX + 1;
    Prog1->setRange(0, int(std::max<qint64>(length / progressDivisor_, 1)));
    Prog1->setValue(0);
}

void FtpFrame::onProgress(qint64 sent) {
    Prog1->setValue(int(sent / progressDivisor_));
}

void FtpFrame::onFinished(const FtpOutcome& outcome) {
    cmdFTP->setEnabled(true);
    setBusy(false);
    if (outcome.ok) {
        Prog1->setValue(0);
        setTitle(outcome.passive ? kUploadedPassive : kUploaded);
    } else if (outcome.cancelled) {
        Prog1->setValue(0);
        setTitle(kCaption);
    } else if (!outcome.localError.isEmpty()) {
        ctx_.prompts.message(this, {}, outcome.localError, PromptIcon::Warning);
    } else {
        ReportInternetError(outcome);
    }
    Q_EMIT uploadFinished(outcome.ok);
}

void FtpFrame::ReportInternetError(const FtpOutcome& outcome) {
    setBusy(false);
    ctx_.prompts.message(this, QStringLiteral("Quiverel"),
                         internetErrorText(outcome.operation, outcome.code, outcome.text));
    if (!outcome.serverReply.isEmpty())
        ctx_.prompts.message(this, QStringLiteral("Quiverel"), outcome.serverReply);
}

void FtpFrame::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace quiverel
