// The folder scan: a new folder of 2,000 pictures (thumbnails missing), the
// same folder again (thumbnails present), 20,000 pictures with thumbnails
// present, and the same work with one converter process per picture.
// Prints figures and ratios; asserts nothing.

#include "bench_corpus.h"
#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"
#include "catalogue/load_thumbnail.h"
#include "catalogue/sort_orders.h"
#include "catalogue/thumbnail_batch.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

using namespace quiverel;

namespace {

QByteArray photoLikeJpeg(int seed) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    bench::photoLike(640, 496, quint32(seed)).save(&buf, "JPG", 85);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

long rssKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

struct ScanTimes {
    double firstPageMs = 0;
    double completeMs = 0;
    int made = 0;
};

// The scan as the main window runs it, without the window: read, tidy, sort,
// make missing thumbnails on every core, load the first page's thumbnails.
ScanTimes scan(const QString& folder, int perPage, QList<CatalogueRow>* keep = nullptr) {
    QElapsedTimer t;
    t.start();
    ScanTimes out;
    FolderRead read = readFolder(folder);
    QList<CatalogueRow> rows = std::move(read.rows);
    RenameClashingFiles(folder, rows);
    DeleteStaleThumbnails(folder, rows);
    SortByDate(rows);
    QDir().mkpath(thumbnailFolderOf(folder));
    QSet<QString> present;
    for (const QString& n : QDir(thumbnailFolderOf(folder)).entryList(QDir::Files))
        present.insert(n);
    QList<ThumbnailJob> jobs;
    for (int i = 0; i < rows.size(); ++i) {
        const QString thumb = baseNameOf(rows[i].fileName) + QStringLiteral(".jpg");
        if (!present.contains(thumb))
            jobs.append({i, folder + rows[i].fileName, thumbnailFolderOf(folder) + thumb,
                         rows[i].dateTime, false});
    }
    QList<QImage> cache(rows.size());
    const int firstLast = std::min<int>(perPage, rows.size()) - 1;
    int missingOnFirst = 0;
    for (const auto& j : jobs)
        missingOnFirst += j.row <= firstLast;
    const auto loadFirst = [&] {
        for (int i = 0; i <= firstLast; ++i)
            cache[i] = loadThumbnail(folder, rows[i].fileName);
        out.firstPageMs = t.nsecsElapsed() / 1e6;
    };
    if (missingOnFirst == 0) loadFirst();
    if (!jobs.isEmpty()) {
        ThumbnailBatch batch(&makePictureThumbnail);
        QEventLoop loop;
        QObject::connect(&batch, &ThumbnailBatch::made, [&](int row, bool) {
            ++out.made;
            if (row <= firstLast && --missingOnFirst == 0) loadFirst();
        });
        QObject::connect(&batch, &ThumbnailBatch::finished, &loop, &QEventLoop::quit);
        batch.start(jobs);
        loop.exec();
    }
    out.completeMs = t.nsecsElapsed() / 1e6;
    if (keep) *keep = rows;
    return out;
}

double perProcessRate(const QString& converter, const QString& folder, int count) {
    QTemporaryDir out;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    QElapsedTimer t;
    t.start();
    int done = 0;
    for (int i = 0; i < count && i < files.size(); ++i) {
        QProcess p;
        p.start(converter, {folder + files[i], QStringLiteral("/resample=(112,84)"),
                            QStringLiteral("/aspectratio"), QStringLiteral("/silent"),
                            QStringLiteral("/convert=") + out.path() + QStringLiteral("/t.jpg")});
        p.waitForFinished(60000);
        ++done;
    }
    return done / (t.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString converter =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../app/i__view32.exe");
    std::printf("scan bench on %d cores\n", QThread::idealThreadCount());

    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/rx2000/");
    QDir().mkpath(folder);
    std::printf("generating 2,000 pictures of 640 x 496 ...\n");
    QList<QByteArray> variants;
    for (int v = 0; v < 50; ++v)
        variants.append(photoLikeJpeg(v));
    for (int i = 0; i < 2000; ++i)
        writeFile(folder + QStringLiteral("rx_%1.jpg").arg(i, 5, 10, QLatin1Char('0')),
                  variants[i % variants.size()]);

    const ScanTimes fresh = scan(folder, 20);
    std::printf("2,000 new:        first page %8.1f ms   complete %8.1f ms   %7.0f thumbnails/s "
                "(goal: first page < 300 ms, complete < 3000 ms)\n",
                fresh.firstPageMs, fresh.completeMs, fresh.made / (fresh.completeMs / 1000));
    const ScanTimes again = scan(folder, 20);
    std::printf("2,000 again:      first page %8.1f ms   complete %8.1f ms\n", again.firstPageMs,
                again.completeMs);

    if (QFile::exists(converter)) {
        const double rate = perProcessRate(converter, folder, 100);
        const double inProcess = fresh.made / (fresh.completeMs / 1000);
        std::printf("one converter process per picture: %7.1f thumbnails/s -> 2,000 in %.1f s; "
                    "in-process pool is %.1fx faster (goal >= 20x)\n",
                    rate, 2000 / rate, inProcess / rate);
    }

    const QString big = dir.path() + QStringLiteral("/rx20000/");
    QDir().mkpath(big + QStringLiteral("ThumbFiles"));
    std::printf("generating 20,000 pictures with thumbnails ...\n");
    QImage thumbImg(108, 84, QImage::Format_RGB32);
    thumbImg.fill(Qt::darkCyan);
    QByteArray thumbBytes;
    {
        QBuffer b(&thumbBytes);
        b.open(QIODevice::WriteOnly);
        thumbImg.save(&b, "JPG");
    }
    for (int i = 0; i < 20000; ++i) {
        const QString base = QStringLiteral("rx_%1").arg(i, 5, 10, QLatin1Char('0'));
        writeFile(big + base + QStringLiteral(".jpg"), variants[i % variants.size()]);
        writeFile(big + QStringLiteral("ThumbFiles/") + base + QStringLiteral(".jpg"), thumbBytes);
    }
    const long before = rssKb();
    QList<CatalogueRow> rows;
    const ScanTimes large = scan(big, 20, &rows);
    std::printf(
        "20,000 present:   first page %8.1f ms   complete %8.1f ms (goal: shown < 1000 ms)\n",
        large.firstPageMs, large.completeMs);
    std::printf("resident memory with 20,000 rows: %ld kB (before the scan %ld kB; goal < 150 MB "
                "for the program)\n",
                rssKb(), before);
    return 0;
}
