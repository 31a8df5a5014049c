#include "ftp/ftp_uploader.h"

#include <QMetaObject>

namespace quiverel {

FtpUploader::FtpUploader(QObject* parent) : QObject(parent) {}

FtpUploader::~FtpUploader() {
    if (!worker_.joinable()) return;
    stop_->store(true);
    worker_.join();
}

void FtpUploader::start(const FtpAccount& account, const QList<FtpFile>& files) {
    if (running()) return;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    // Progress only changes in 100-byte steps and the library calls back a
    // few times per buffer, so the queue stays short.
    worker_ = std::thread([this, account, files, stop = stop_] {
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
        hooks.stopRequested = [stop] { return stop->load(); };
        const FtpOutcome outcome = uploadFiles(account, files, hooks);
        if (stop->load()) return;
        QMetaObject::invokeMethod(
            this, [this, outcome] { done(outcome); }, Qt::QueuedConnection);
    });
}

void FtpUploader::done(const FtpOutcome& outcome) {
    if (worker_.joinable()) worker_.join();
    Q_EMIT finished(outcome);
}

} // namespace quiverel
