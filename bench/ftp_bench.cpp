// FTP upload of a 5 MB picture to a loopback server: Quiverel's transfer
// (100-byte blocks, progress after each) against the curl -T command, the
// two alternating, three runs each. Medians; asserts nothing.

#include "ftp/ftp_transfer.h"
#include "support/ftp_server_process.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace quiverel;

namespace {

constexpr qint64 kLength = 5 * 1024 * 1024;
constexpr int kRuns = 3;

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// curl's options in a config file, so the password is on no command line.
QString curlConfig(const QString& folder, const test::FtpServerProcess& server) {
    QString user = server.user() + u':' + server.password();
    user.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    const QString path = folder + QStringLiteral("/curl.conf");
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write("user = \"" + user.toUtf8() + "\"\n");
    return path;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    test::FtpServerProcess server;
    if (!server.running()) {
        std::fprintf(stderr, "ftp_bench: no FTP server: %s\n", qPrintable(server.error()));
        return 1;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("picture.jpg"));
    {
        QByteArray bytes(kLength, Qt::Uninitialized);
        quint32 x = 2463534242u;
        for (qint64 i = 0; i < kLength; ++i) {
            x ^= x << 13, x ^= x >> 17, x ^= x << 5;
            bytes[i] = char(x);
        }
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != kLength) return 1;
    }
    const QString config = curlConfig(dir.path(), server);
    const FtpAccount account{server.address(), server.user(), server.password()};

    // Run -1 warms both up (library start, page cache) and is not counted.
    QList<double> ours, theirs;
    for (int run = -1; run < kRuns; ++run) {
        const QString name = QStringLiteral("ours%1").arg(run + 1);
        qint64 steps = 0;
        FtpHooks hooks;
        hooks.progress = [&steps](qint64) { ++steps; };
        QElapsedTimer t;
        t.start();
        const FtpOutcome o = uploadFiles(account, {{file, name}}, hooks);
        const double ourSeconds = t.nsecsElapsed() / 1e9;
        if (!o.ok || server.file(name).size() != kLength) {
            std::fprintf(stderr, "ftp_bench: our upload failed: %s\n", qPrintable(o.text));
            return 1;
        }

        const QString theirName = QStringLiteral("curl%1").arg(run + 1);
        QProcess curl;
        t.start();
        curl.start(QStringLiteral("curl"),
                   {QStringLiteral("-s"), QStringLiteral("-S"), QStringLiteral("-K"), config,
                    QStringLiteral("-T"), file,
                    QStringLiteral("ftp://%1/%2").arg(server.address(), theirName)});
        curl.waitForFinished(-1);
        const double curlSeconds = t.nsecsElapsed() / 1e9;
        if (curl.exitCode() != 0 || server.file(theirName).size() != kLength) {
            std::fprintf(stderr, "ftp_bench: curl failed: %s\n",
                         curl.readAllStandardError().constData());
            return 1;
        }
        if (run < 0) continue;
        ours << ourSeconds;
        theirs << curlSeconds;
        std::printf("run %d: ours %.3f s (%lld progress steps), curl %.3f s\n", run + 1, ourSeconds,
                    steps, curlSeconds);
    }
    const double x = median(ours), y = median(theirs);
    std::printf("ftp: 5 MB in %.3f s, curl %.3f s, ratio %.2f\n", x, y, x / y);
    return 0;
}
