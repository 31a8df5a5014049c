// Throughput of the picture work: thumbnails in-process on one thread and on
// every core, with one i__view32.exe process per picture, and with
// ImageMagick for reference; JPEG 2000 at target sizes. Figures only.
#include "bench_corpus.h"

#include "convert/converter_command_line.h"
#include "convert/converter_job.h"
#include "convert/iview_ini.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_file.h"
#include "imaging/thumbnail.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <atomic>
#include <cstdio>
#include <sys/resource.h>

using namespace quiverel;
using namespace quiverel::bench;

namespace {

struct Set {
    const char* name;
    QStringList pictures;
};

QString thumbPath(const QString& out, const QString& source) {
    return QDir(out).filePath(QFileInfo(source).completeBaseName() + u".jpg");
}

// A new empty folder for each measurement: overwriting the last run's files
// would measure the file system's deletions too.
QString freshFolder(const QString& out) {
    static int n = 0;
    const QString folder = QDir(out).filePath(QString::number(++n));
    QDir().mkpath(folder);
    return folder;
}

struct Rate {
    double perSecond = 0;     // pictures per second of wall-clock time
    double cpuPerPicture = 0; // CPU milliseconds per picture, all threads and children
    // What one core would do if nothing else ran: the figure to trust on a busy machine.
    double perCoreSecond() const { return cpuPerPicture > 0 ? 1000 / cpuPerPicture : 0; }
};

// `work` over `pictures` on `threads` threads of the global pool.
Rate measure(const QStringList& pictures, int threads,
             const std::function<bool(const QString&)>& work) {
    QThreadPool::globalInstance()->setMaxThreadCount(threads);
    std::atomic<int> failures = 0;
    const double cpu = cpuSeconds(true);
    QElapsedTimer t;
    t.start();
    if (threads == 1) {
        for (const QString& p : pictures)
            if (!work(p)) ++failures;
    } else {
        QtConcurrent::blockingMap(pictures, [&](const QString& p) {
            if (!work(p)) ++failures;
        });
    }
    const double seconds = t.nsecsElapsed() / 1e9;
    if (failures) std::printf("    (%d failures)\n", int(failures));
    return {pictures.size() / seconds, (cpuSeconds(true) - cpu) * 1000 / pictures.size()};
}

bool runProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void thumbnails(const Set& set, const QString& out, const QString& converter, const QString& magick,
                int cores) {
    QString to;
    const auto inProcess = [&](const QString& p) { return thumbnailPicture(p, thumbPath(to, p)); };
    const auto decodeOnly = [&](const QString& p) {
        DecodeOptions o;
        o.fitBox = kThumbnailBox;
        return !loadPicture(p, o).isNull();
    };
    to = freshFolder(out);
    const Rate one = measure(set.pictures, 1, inProcess);
    to = freshFolder(out);
    const Rate all = measure(set.pictures, cores, inProcess);
    const Rate floor = measure(set.pictures, 1, decodeOnly);
    std::printf("%s\n", set.name);
    // CPU time that grows with the threads would mean they wait for each other.
    std::printf("  in-process        %7.0f/s on 1 thread, %7.0f/s on %d; CPU %.2f ms a picture "
                "(%.0f/s per core), %.2f ms on %d threads\n",
                one.perSecond, all.perSecond, cores, one.cpuPerPicture, one.perCoreSecond(),
                all.cpuPerPicture, cores);
    std::printf(
        "  reduced decode    %7.0f/s on 1 thread; CPU %.2f ms (%.0f/s per core), the floor\n",
        floor.perSecond, floor.cpuPerPicture, floor.perCoreSecond());

    const QStringList sample = set.pictures.mid(0, 40);
    Rate perProcess, viaMagick;
    if (QFileInfo::exists(converter)) {
        to = freshFolder(out);
        perProcess = measure(sample, 1, [&](const QString& p) {
            return runProgram(converter, thumbnailArguments(p, thumbPath(to, p)));
        });
        std::printf("  i__view32.exe     %7.1f/s, a process each; CPU %.1f ms (%.0f/s per core)\n",
                    perProcess.perSecond, perProcess.cpuPerPicture, perProcess.perCoreSecond());
    }
    if (!magick.isEmpty()) {
        to = freshFolder(out);
        viaMagick = measure(sample, 1, [&](const QString& p) {
            return runProgram(magick, {p, QStringLiteral("-thumbnail"), QStringLiteral("112x84"),
                                       thumbPath(to, p)});
        });
        std::printf("  ImageMagick       %7.1f/s, a process each; CPU %.1f ms (%.0f/s per core)\n",
                    viaMagick.perSecond, viaMagick.cpuPerPicture, viaMagick.perCoreSecond());
        std::printf("  in-process against ImageMagick: %.0fx (1 thread), %.0fx (%d threads), "
                    "%.0fx in CPU time\n",
                    one.perSecond / viaMagick.perSecond, all.perSecond / viaMagick.perSecond, cores,
                    viaMagick.cpuPerPicture / one.cpuPerPicture);
        std::printf("  on %d idle cores by CPU time: %.0f/s in-process, %.0fx ImageMagick's "
                    "%.0f/s\n",
                    cores, cores * one.perCoreSecond(),
                    cores * one.perCoreSecond() / viaMagick.perCoreSecond(),
                    viaMagick.perCoreSecond());
    }
}

void jpeg2000(const QStringList& pictures, const QString& out) {
    std::printf("\nJPEG 2000 Compress of 800 x 600 pictures (%lld pictures per target)\n",
                qlonglong(pictures.size()));
    std::printf("%10s %12s %9s %9s %9s %9s\n", "target", "mean actual", "min %", "max %", "ms each",
                "CPU ms");
    const QString ini = QDir(out).filePath(QStringLiteral("ini"));
    QDir().mkpath(ini);
    for (int target : {6000, 12000, 30000, 60000}) {
        writeIviewIni(QDir(ini).filePath(QLatin1String(kIviewIniName)), target);
        double sum = 0, minPct = 1e9, maxPct = 0;
        const double cpu = cpuSeconds(true);
        QElapsedTimer t;
        t.start();
        for (const QString& p : pictures) {
            const QString jp2 = QDir(out).filePath(QFileInfo(p).completeBaseName() + u".jp2");
            QString error;
            if (!compressPicture(p, ini, jp2, &error)) {
                std::printf("  failed: %s\n", qPrintable(error));
                continue;
            }
            const double size = double(QFileInfo(jp2).size());
            sum += size;
            minPct = std::min(minPct, 100 * size / target);
            maxPct = std::max(maxPct, 100 * size / target);
        }
        const double ms = t.nsecsElapsed() / 1e6 / pictures.size();
        const double cpuMs = (cpuSeconds(true) - cpu) * 1000 / pictures.size();
        std::printf("%10d %12.0f %9.1f %9.1f %9.1f %9.1f\n", target, sum / pictures.size(), minPct,
                    maxPct, ms, cpuMs);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int cores = QThread::idealThreadCount();
    // An optional argument names a folder to keep the corpus in.
    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    QDir().mkpath(folder);
    const QDir dir(folder);
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    std::printf("Making the corpus in %s ...\n", qPrintable(folder));
    std::fflush(stdout);
    const Set sets[] = {
        {"640 x 496 JPEG (200)",
         writeCorpus(folder, QStringLiteral("small"), QStringLiteral("jpg"), 200, 640, 496)},
        {"1600 x 1200 JPEG (100)",
         writeCorpus(folder, QStringLiteral("large"), QStringLiteral("jpg"), 100, 1600, 1200)},
        {"800 x 600 PNG (50)",
         writeCorpus(folder, QStringLiteral("png"), QStringLiteral("png"), 50, 800, 600)},
    };
    const QString converter =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("i__view32.exe"));
    const QString magick = QStandardPaths::findExecutable(QStringLiteral("convert"));
    std::printf("Thumbnails into 112 x 84 (%d cores; processes and ImageMagick on 40 pictures).\n"
                "On a busy machine trust the CPU figures; wall-clock rates suffer from others.\n",
                cores);
    if (magick.isEmpty()) std::printf("(ImageMagick not installed: no reference figures)\n");
    for (const Set& s : sets)
        thumbnails(s, out, converter, magick, cores);
    jpeg2000(sets[2].pictures.mid(0, 10), out);
    return 0;
}
