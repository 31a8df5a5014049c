// Throughput of the picture work: thumbnails in-process on one thread and on
// every core, with one i__view32.exe process per picture, and with
// ImageMagick for reference; JPEG 2000 at target sizes. Figures only.
#include "bench_corpus.h"

#include "imaging/picture_decoder.h"
#include "imaging/picture_file.h"
#include "imaging/thumbnail.h"
#include "system/converter_command_line.h"
#include "system/converter_job.h"
#include "system/iview_ini.h"

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

// Pictures per second for `work` over `pictures` on the threads of the global pool.
double rate(const QStringList& pictures, int threads,
            const std::function<bool(const QString&)>& work) {
    QThreadPool::globalInstance()->setMaxThreadCount(threads);
    std::atomic<int> failures = 0;
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
    return pictures.size() / seconds;
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
    const double one = rate(set.pictures, 1, inProcess);
    to = freshFolder(out);
    const double all = rate(set.pictures, cores, inProcess);
    const double floor1 = rate(set.pictures, 1, decodeOnly);
    std::printf(
        "%-22s in-process: %7.0f/s on 1 thread, %7.0f/s on %d  (reduced decode alone: %.0f/s "
        "per thread)\n",
        set.name, one, all, cores, floor1);

    const QStringList sample = set.pictures.mid(0, 40);
    double perProcess = 0, viaMagick = 0;
    if (QFileInfo::exists(converter)) {
        to = freshFolder(out);
        perProcess = rate(sample, 1, [&](const QString& p) {
            return runProgram(converter, thumbnailArguments(p, thumbPath(to, p)));
        });
        std::printf("%-22s i__view32.exe: %5.1f/s, one process per picture (in-process is %.0fx)\n",
                    "", perProcess, one / perProcess);
    }
    if (!magick.isEmpty()) {
        to = freshFolder(out);
        viaMagick = rate(sample, 1, [&](const QString& p) {
            return runProgram(magick, {p, QStringLiteral("-thumbnail"), QStringLiteral("112x84"),
                                       thumbPath(to, p)});
        });
        std::printf("%-22s ImageMagick convert: %5.1f/s per picture (in-process 1 thread is %.0fx, "
                    "all cores %.0fx)\n",
                    "", viaMagick, one / viaMagick, all / viaMagick);
    }
}

void jpeg2000(const QStringList& pictures, const QString& out) {
    std::printf("\nJPEG 2000 Compress of 800 x 600 pictures (%lld pictures per target)\n",
                qlonglong(pictures.size()));
    std::printf("%10s %12s %9s %9s %9s\n", "target", "mean actual", "min %", "max %", "ms each");
    const QString ini = QDir(out).filePath(QStringLiteral("ini"));
    QDir().mkpath(ini);
    for (int target : {6000, 12000, 30000, 60000}) {
        writeIviewIni(QDir(ini).filePath(QLatin1String(kIviewIniName)), target);
        double sum = 0, minPct = 1e9, maxPct = 0;
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
        std::printf("%10d %12.0f %9.1f %9.1f %9.1f\n", target, sum / pictures.size(), minPct,
                    maxPct, ms);
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
    std::printf("Thumbnails into 112 x 84 (%d cores; processes and ImageMagick on 40 pictures)\n",
                cores);
    if (magick.isEmpty()) std::printf("(ImageMagick not installed: no reference figures)\n");
    for (const Set& s : sets)
        thumbnails(s, out, converter, magick, cores);
    jpeg2000(sets[2].pictures.mid(0, 10), out);
    return 0;
}
