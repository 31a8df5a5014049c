#include "support/ftp_server_process.h"

#include <QFile>
#include <QFileInfo>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quiverel::test {

namespace {
// pyftpdlib comes as a Debian package, for the system's own interpreter.
QString python() {
    const QString system = QStringLiteral("/usr/bin/python3");
    return QFileInfo(system).isExecutable() ? system : QStringLiteral("python3");
}
} // namespace

FtpServerProcess::FtpServerProcess(FtpServerOptions options) {
    QStringList args{QStringLiteral(QUIVEREL_SOURCE_DIR "/tests/ftp/ftp_server.py"),
                     QStringLiteral("--home"),
                     home_.path(),
                     QStringLiteral("--user"),
                     user(),
                     QStringLiteral("--password"),
                     password()};
    if (options.noActive) args << QStringLiteral("--no-active");
    if (options.cutAfter > 0)
        args << QStringLiteral("--cut-after") << QString::number(options.cutAfter);
    if (options.stallAfter > 0)
        args << QStringLiteral("--stall-after") << QString::number(options.stallAfter);
    if (!options.stallOn.isEmpty()) args << QStringLiteral("--stall-on") << options.stallOn;
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(python(), args);
    if (!process_.waitForStarted()) {
        error_ = process_.errorString();
        return;
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(-1)) {
            error_ = QStringLiteral("the FTP server ended without a port");
            return;
        }
    }
    const QByteArray line = process_.readLine().trimmed();
    if (line.startsWith("PORT ")) port_ = line.mid(5).toInt();
    if (port_ <= 0) error_ = QString::fromUtf8(line);
}

FtpServerProcess::~FtpServerProcess() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(-1);
}

bool FtpServerProcess::waitUntilStalled() {
    for (;;) {
        while (process_.canReadLine())
            if (process_.readLine().trimmed() == "STALLED") return true;
        if (!process_.waitForReadyRead(-1)) return false;
    }
}

QString FtpServerProcess::address() const {
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

QByteArray FtpServerProcess::file(const QString& relative) const {
    QFile f(home_.filePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool FtpServerProcess::exists(const QString& relative) const {
    return QFileInfo(home_.filePath(relative)).isFile();
}

namespace {
// A socket bound to a free port of 127.0.0.1; -1 when none.
int boundLoopbackSocket(int& port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0) return -1;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) != 0) {
        ::close(s);
        return -1;
    }
    port = ntohs(a.sin_port);
    return s;
}
} // namespace

int closedLoopbackPort() {
    int port = 1;
    const int s = boundLoopbackSocket(port);
    if (s >= 0) ::close(s);
    return port;
}

SilentLoopbackPort::SilentLoopbackPort() {
    socket_ = boundLoopbackSocket(port_);
    // Connections are completed by the system and queued, never taken.
    if (socket_ >= 0) ::listen(socket_, 8);
}

SilentLoopbackPort::~SilentLoopbackPort() {
    if (socket_ >= 0) ::close(socket_);
}

} // namespace quiverel::test
