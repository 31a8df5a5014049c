// The keyword search: 20 folders of 500 pictures (640 x 496 JPEGs), a keyword
// that matches 1,000 of them, timed from Ok to the results folder complete
// with its thumbnails; and the same work with one converter process per
// thumbnail, one after the other. Prints figures and a ratio; asserts nothing.

#include "bench_corpus.h"
#include "catalogue/thumbnail_batch.h"
#include "tools/search_files.h"
#include "tools/search_folder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <sys/resource.h>

using namespace quiverel;

namespace {

constexpr int kFolders = 20;
constexpr int kPerFolder = 500;
constexpr int kMatchingPerFolder = 50;
constexpr int kTimedProcesses = 200; // of the per-process way, scaled to all matches

QByteArray photoLikeJpeg(int seed) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    bench::photoLike(640, 496, quint32(seed)).save(&buf, "JPG", 85);
    return bytes;
}

QByteArray loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').value(0) : QByteArray("?");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString converter =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../app/i__view32.exe");
    std::printf("search bench on %d cores\n", QThread::idealThreadCount());

    QTemporaryDir dir;
    const QString appFolder = dir.path() + QStringLiteral("/app");
    QDir().mkpath(appFolder);
    std::printf("generating %d folders of %d pictures of 640 x 496 ...\n", kFolders, kPerFolder);
    QList<QByteArray> pictures;
    for (int i = 0; i < 16; ++i)
        pictures.append(photoLikeJpeg(i));
    QList<FolderRow> folders;
    for (int f = 0; f < kFolders; ++f) {
        const QString folder = dir.path() + QStringLiteral("/rx%1/").arg(f, 2, 10, QChar(u'0'));
        QDir().mkpath(folder);
        folders.append({QStringLiteral("RX %1").arg(f), folder});
        for (int n = 0; n < kPerFolder; ++n) {
            // Every tenth picture carries the call sign; a zero in it, as received.
            const QString name = n % 10 == 0 ? QStringLiteral("DL0ABC_%1.jpg").arg(n)
                                             : QStringLiteral("pic_%1.jpg").arg(n);
            QFile file(folder + name);
            if (file.open(QIODevice::WriteOnly)) file.write(pictures[(f * kPerFolder + n) % 16]);
        }
    }

    QElapsedTimer t;
    const double cpuBefore = bench::cpuSeconds();
    t.start();
    QStringList results =
        SearchFiles(folders, typedKeyword(QStringLiteral("dl0abc")), searchFolderOf(appFolder));
    const int matches = int(results.size());
    const double listed = t.nsecsElapsed() / 1e9;
    double copied = 0;
    const SearchFolderReport report =
        BuildSearchFolder(appFolder, results, &makePictureThumbnail, [&](int value, int) {
            if (value == matches - 1 && copied == 0) copied = t.nsecsElapsed() / 1e9;
        });
    const double searchSeconds = t.nsecsElapsed() / 1e9;
    const double searchCpu = bench::cpuSeconds() - cpuBefore;
    const int thumbnails = int(QDir(searchFolderOf(appFolder) + QStringLiteral("ThumbFiles"))
                                   .entryList(QDir::Files)
                                   .size());
    std::printf("listing %.2f s, copies until %.2f s, thumbnails until %.2f s\n", listed, copied,
                searchSeconds);
    std::printf("in-process: %d matches, %d copies not made, %d thumbnails made in %.2f s "
                "(%.2f processor seconds; load average %s)\n",
                matches, int(report.notCopied.size()), thumbnails, searchSeconds, searchCpu,
                loadAverage().constData());

    // The same work with a converter process per thumbnail, one after the other.
    const QString perProcessApp = dir.path() + QStringLiteral("/app2");
    QDir().mkpath(perProcessApp);
    const QString search = searchFolderOf(perProcessApp);
    t.restart();
    QStringList found = SearchFiles(folders, typedKeyword(QStringLiteral("dl0abc")), search);
    emptyResultsFolder(search);
    int timed = 0;
    qint64 processNs = 0;
    for (const QString& path : std::as_const(found)) {
        const QString name = path.mid(path.lastIndexOf(u'/') + 1);
        QFile::copy(path, search + name);
        if (timed >= kTimedProcesses) continue;
        QElapsedTimer one;
        one.start();
        QProcess p;
        p.start(converter, {search + name, QStringLiteral("/resample=(112,84)"),
                            QStringLiteral("/aspectratio"), QStringLiteral("/silent"),
                            QStringLiteral("/convert=") + search + QStringLiteral("ThumbFiles/") +
                                name.chopped(4) + QStringLiteral(".jpg")});
        p.waitForFinished(60000);
        processNs += one.nsecsElapsed();
        ++timed;
    }
    const double timedSeconds = t.nsecsElapsed() / 1e9;
    const double processSeconds = processNs / 1e9;
    const double perProcessSeconds =
        timedSeconds - processSeconds +
        (timed > 0 ? processSeconds * double(found.size()) / timed : 0.0);
    std::printf("per process: %d of %d thumbnail processes timed, %.2f s, scaled to all\n", timed,
                int(found.size()), processSeconds);

    std::printf("search: %d matches in %.2f s; one converter process each %.1f s; ratio %.1f\n",
                matches, searchSeconds, perProcessSeconds, perProcessSeconds / searchSeconds);
    return 0;
}
