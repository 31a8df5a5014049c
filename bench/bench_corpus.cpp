#include "bench_corpus.h"

#include "imaging/picture_file.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <sys/resource.h>

namespace quiverel::bench {

QImage photoLike(int width, int height, quint32 seed) {
    QImage img(width, height, QImage::Format_RGB32);
    QRandomGenerator rng{seed};
    QPainter p(&img);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor::fromHsv(rng.bounded(360), 200, 220));
    g.setColorAt(1, QColor::fromHsv(rng.bounded(360), 180, 70));
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF c(rng.bounded(width), rng.bounded(height));
        const double r = 6 + rng.bounded(std::max(10, width / 4));
        QRadialGradient rg(c, r);
        rg.setColorAt(0, QColor::fromHsv(rng.bounded(360), rng.bounded(256), rng.bounded(256),
                                         160 + rng.bounded(90)));
        rg.setColorAt(1, Qt::transparent);
        p.setBrush(rg);
        p.drawEllipse(c, r, r * (0.4 + rng.bounded(1.0)));
    }
    p.end();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(rng.bounded(16)) - 8;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    return img;
}

QStringList writeCorpus(const QString& folder, const QString& prefix, const QString& suffix,
                        int count, int width, int height) {
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = QDir(folder).filePath(
            QStringLiteral("%1%2.%3").arg(prefix).arg(i, 3, 10, QChar(u'0')).arg(suffix));
        if (savePicture(photoLike(width, height, quint32(i * 7919 + width)), path))
            paths.append(path);
    }
    return paths;
}

double cpuSeconds(bool withChildren) {
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        if (who == RUSAGE_CHILDREN && !withChildren) break;
        rusage u{};
        getrusage(who, &u);
        total += double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
                 double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    }
    return total;
}

} // namespace quiverel::bench
