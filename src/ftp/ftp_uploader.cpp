#include "ftp/ftp_uploader.h"

#include <QMetaObject>

namespace quiverel {

FtpUploader::FtpUploader(QObject* parent) : QObject(parent) {}

FtpUploader::~FtpUploader() {
    if (!worker_.joinable()) return;
    cancel();
    worker_.join();
}

void FtpUploader::cancel() {
    if (cancel_) cancel_->cancel();
}

void FtpUploader::start(const FtpAccount& account, const QList<FtpFile>& files,
                        const FtpLimits& limits) {
    if (running()) return;
    cancel_ = std::make_shared<FtpCancel>();
    // Progress only changes in 100-byte steps and the library calls back a
    // few times per buffer, so the queue stays short.
    worker_ = std::thread([this, account, files, limits, cancel = cancel_] {
        FtpHooks hooks;
        hooks.fileStarted = [this](int index, qint64 length) {
            QMetaObject::invokeMethod(
                this, [this, index, length] { Q_EMIT fileStarted(index, length); },
                Qt::QueuedConnection);
        };
        hooks.progress = [this](qint64 sent) {
            QMetaObject::invokeMethod(
                this, [this, sent] { Q_EMIT progress(sent); }, Qt::QueuedConnection);
        };
        hooks.cancel = cancel.get();
        const FtpOutcome outcome = uploadFiles(account, files, hooks, limits);
        // Posted even while the uploader goes: its end drops the event.
        QMetaObject::invokeMethod(
            this, [this, outcome] { done(outcome); }, Qt::QueuedConnection);
    });
}

void FtpUploader::done(const FtpOutcome& outcome) {
    if (worker_.joinable()) worker_.join();
    Q_EMIT finished(outcome);
}

} // namespace quiverel
