#pragma once
// A real FTP server on 127.0.0.1 for tests and benchmarks: pyftpdlib run by
// tests/ftp/ftp_server.py with one account and a fresh home folder.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace quiverel::test {

struct FtpServerOptions {
    bool noActive = false; // PORT and EPRT refused
    int cutAfter = 0;      // bytes after which the data connection is closed, 0 never
    int stallAfter = 0;    // bytes after which the server stops answering, 0 never
    QString stallOn;       // a command on which the server stops answering
};

class FtpServerProcess {
public:
    explicit FtpServerProcess(FtpServerOptions options = {});
    ~FtpServerProcess();

    // False with the reason in error() when the server did not start.
    bool running() const { return port_ > 0; }
    QString error() const { return error_; }

    int port() const { return port_; }
    QString address() const; // "127.0.0.1:<port>"
    QString user() const { return QStringLiteral("station"); }
    QString password() const { return QStringLiteral("pa ss\"w0rd"); }
    QString home() const { return home_.path(); }
    QByteArray file(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Waits until the server has stopped answering on `stallOn`; false when it ended.
    bool waitUntilStalled();

private:
    QTemporaryDir home_;
    QProcess process_;
    int port_ = 0;
    QString error_;
};

// A port on 127.0.0.1 that nothing listens on.
int closedLoopbackPort();

// A port on 127.0.0.1 that takes connections and never says a word; it
// closes when the object goes.
class SilentLoopbackPort {
public:
    SilentLoopbackPort();
    ~SilentLoopbackPort();
    int port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};

} // namespace quiverel::test
