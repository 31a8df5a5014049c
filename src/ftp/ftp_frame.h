#pragma once
// frmFTP: the options panel's frame that puts a picture on the operator's web
// site by FTP, with the on-air status picture checknew.jpg before it. The
// panel places it over its entry list (300 x 204 of its units).

#include "app/context.h"
#include "ftp/ftp_transfer.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace quiverel {

class FtpUploader;
class UnitScale;

class FtpFrame : public QGroupBox {
    Q_OBJECT
public:
    // `folder` ends in "/"; `fileName` is the picture to upload.
    FtpFrame(Context& ctx, const QString& folder, const QString& fileName,
             QWidget* parent = nullptr);
    ~FtpFrame() override;

    void cmdFTP_Click();
    // Starts the upload of `localPath`; the frame's caption and Prog1 follow it.
    void UploadPicture(const QString& localPath);
    void ReportInternetError(const FtpOutcome& outcome);
    bool uploading() const;

    QLabel* lblAdd = nullptr;
    QLabel* lblUser = nullptr;
    QLabel* lblPass = nullptr;
    QLabel* lblDir = nullptr;
    QLabel* lblAs = nullptr;
    QLineEdit* txtAdd = nullptr;
    QLineEdit* txtUser = nullptr;
    QLineEdit* txtPass = nullptr;
    QLineEdit* txtDir = nullptr;
    QComboBox* cboName = nullptr;
    QCheckBox* Ck1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* cmdFTP = nullptr;
    QProgressBar* Prog1 = nullptr;

Q_SIGNALS:
    void uploadFinished(bool ok);

private:
    QLineEdit* addField(const char* name, const QString& caption, QLabel*& label, double top,
                        QString& global);
    void onFileStarted(int index, qint64 length);
    void onProgress(qint64 sent);
    void onFinished(const FtpOutcome& outcome);
    void setBusy(bool busy);

    Context& ctx_;
    QString path_;
    UnitScale* units_ = nullptr;
    FtpUploader* uploader_ = nullptr;
    qint64 progressDivisor_ = 1;
    bool busy_ = false;
};

} // namespace quiverel
