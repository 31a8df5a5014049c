#pragma once
// Runs an upload on a worker thread and reports back on the thread that
// started it, so the window that waits keeps painting and answering.

#include "ftp/ftp_transfer.h"

#include <QObject>
#include <memory>
#include <thread>

namespace quiverel {

class FtpUploader : public QObject {
    Q_OBJECT
public:
    explicit FtpUploader(QObject* parent = nullptr);
    // Cancels a running upload and waits the moment it takes to end.
    ~FtpUploader() override;

    // Does nothing while an upload runs.
    void start(const FtpAccount& account, const QList<FtpFile>& files,
               const FtpLimits& limits = {});
    bool running() const { return worker_.joinable(); }
    // Ends a running upload at once, even one stalled on a silent server;
    // finished() then brings an outcome that says cancelled.
    void cancel();

Q_SIGNALS:
    void fileStarted(int index, qint64 length);
    void progress(qint64 sent);
    void finished(const quiverel::FtpOutcome& outcome);

private:
    void done(const FtpOutcome& outcome);

    std::thread worker_;
    std::shared_ptr<FtpCancel> cancel_;
};

} // namespace quiverel
