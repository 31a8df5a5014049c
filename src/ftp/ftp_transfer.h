#pragma once
// The upload itself: files sent one after the other over one FTP connection,
// in active mode as designed, passive when the active data connection fails.
// Blocking; FtpUploader runs it on a worker thread.

#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <set>

namespace quiverel {

struct FtpAccount {
    QString server; // "host" or "host:port"
    QString user;
    QString password;
};

struct FtpFile {
    QString localPath;
    QString remotePath; // relative to the login folder, "/" between folders
};

struct FtpOutcome {
    bool ok = false;
    bool cancelled = false; // ended on request before it was done; nothing else is set
    bool passive = false;   // the data connections ran in passive mode
    int filesSent = 0;
    // On failure: the operation that failed, libcurl's code and text.
    QString operation;
    int code = 0;
    QString text;
    // The server's last reply when it was an error, else empty.
    QString serverReply;
    // Set instead when a local file could not be read: its path and the reason.
    QString localError;
};

// Ends an upload from another thread at once. The library asks its progress
// hook only now and then and not while it waits for some replies (the one
// after the last byte, the one to QUIT), so the connections are shut as well.
class FtpCancel {
public:
    void cancel();
    bool cancelled() const { return stop_; }

    // For the transfer: a connection opened, one closed. False when cancelled.
    bool track(int socket);
    void forget(int socket);

private:
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::set<int> sockets_;
};

// Called on the thread of the upload.
struct FtpHooks {
    std::function<void(int index, qint64 length)> fileStarted;
    // Bytes of the current file sent, in whole blocks of 100 until the last.
    std::function<void(qint64 sent)> progress;
    // Asked now and then; true ends the upload at once.
    std::function<bool()> stopRequested;
    // When set, its cancel() ends the upload at once, whatever it waits for.
    FtpCancel* cancel = nullptr;
};

inline constexpr int kFtpBlock = 100;

// How long a dead or silent server is waited for.
struct FtpLimits {
    int connectSeconds = 20; // connection, greeting and login
    int stallSeconds = 30;   // no byte sent, or no reply, for this long
};

FtpOutcome uploadFiles(const FtpAccount& account, const QList<FtpFile>& files,
                       const FtpHooks& hooks = {}, const FtpLimits& limits = {});

} // namespace quiverel
