// Draws the pictures the program ships with (the text-file thumbnail, the
// about picture, a sample folder) and writes a first folder list. Files that
// exist are left alone, so a user's own settings survive every rebuild.

#include "convert/iview_ini.h"
#include "util/text_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace {

QFont sans(int px, bool bold = true) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

bool writeIfMissing(const QString& path, const std::function<QImage()>& draw,
                    const char* format = nullptr, int quality = 90) {
    if (QFileInfo::exists(path)) return false;
    return draw().save(path, format, quality);
}

void caption(QPainter& p, const QRect& r, const QString& text, int px, QColor fill) {
    QPainterPath path;
    const QFont f = sans(px);
    QFontMetrics fm(f);
    const int w = fm.horizontalAdvance(text);
    path.addText(r.center().x() - w / 2.0, r.center().y() + fm.ascent() / 2.5, f, text);
    p.setPen(QPen(Qt::black, std::max(2, px / 12)));
    p.setBrush(fill);
    p.drawPath(path);
}

QImage colourBars(QSize s) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    const QColor bars[] = {Qt::white,   Qt::yellow, Qt::cyan, Qt::green,
                           Qt::magenta, Qt::red,    Qt::blue, Qt::black};
    const int n = 8;
    for (int i = 0; i < n; ++i)
        p.fillRect(QRect(i * s.width() / n, 0, s.width() / n + 1, s.height() * 2 / 3), bars[i]);
    QLinearGradient g(0, 0, s.width(), 0);
    g.setColorAt(0, Qt::black);
    g.setColorAt(1, Qt::white);
    p.fillRect(QRect(0, s.height() * 2 / 3, s.width(), s.height() / 3), g);
    caption(p, QRect(0, s.height() / 4, s.width(), s.height() / 4), QStringLiteral("TEST CARD"),
            s.height() / 8, Qt::white);
    return img;
}

QImage sunset(QSize s) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, s.height());
    sky.setColorAt(0, QColor(20, 30, 90));
    sky.setColorAt(0.55, QColor(250, 140, 60));
    sky.setColorAt(0.7, QColor(255, 210, 120));
    p.fillRect(img.rect(), sky);
    QRadialGradient sun(s.width() * 0.6, s.height() * 0.62, s.height() * 0.18);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(1, QColor(255, 180, 60, 0));
    p.fillRect(img.rect(), sun);
    QPainterPath hills;
    hills.moveTo(0, s.height());
    for (int x = 0; x <= s.width(); x += 8)
        hills.lineTo(x, s.height() * 0.7 + std::sin(x / 45.0) * 18 + std::sin(x / 13.0) * 5);
    hills.lineTo(s.width(), s.height());
    p.fillPath(hills, QColor(30, 50, 30));
    // An antenna mast on the hill.
    p.setPen(QPen(Qt::black, 3));
    const double mx = s.width() * 0.25, my = s.height() * 0.7;
    p.drawLine(QPointF(mx, my), QPointF(mx, my - s.height() * 0.35));
    for (int i = 0; i < 4; ++i) {
        const double y = my - s.height() * (0.33 - i * 0.02);
        const double half = s.width() * (0.08 - i * 0.012);
        p.drawLine(QPointF(mx - half, y), QPointF(mx + half, y));
    }
    caption(p, QRect(0, 10, s.width(), s.height() / 5), QStringLiteral("CQ SSTV"), s.height() / 7,
            QColor(255, 230, 80));
    return img;
}

QImage greeting(QSize s, const QString& text, QColor a, QColor b) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, s.width(), s.height());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(img.rect(), g);
    for (int i = 0; i < 12; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 60), 2));
        p.drawEllipse(QPointF(s.width() / 2.0, s.height() / 2.0), 20.0 + i * s.width() / 22.0,
                      12.0 + i * s.height() / 22.0);
    }
    caption(p, img.rect(), text, s.height() / 5, Qt::white);
    return img;
}

QImage qslCard(QSize s) {
    QImage img = greeting(s, QString(), QColor(10, 90, 60), QColor(120, 200, 160));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    caption(p, QRect(0, 8, s.width(), s.height() / 4), QStringLiteral("QV1DEV"), s.height() / 6,
            QColor(255, 255, 0));
    const QRect table(s.width() / 8, s.height() / 2, s.width() * 3 / 4, s.height() / 3);
    p.fillRect(table, QColor(255, 255, 255, 210));
    p.setPen(Qt::black);
    p.setFont(sans(s.height() / 18, false));
    const QStringList cells = {"To",     "Date",       "UTC",   "MHz",    "Mode", "RST",
                               "QV2ABC", "2024-05-17", "14:30", "14.230", "SSTV", "595"};
    const int cw = table.width() / 6, ch = table.height() / 2;
    for (int i = 0; i < 12; ++i) {
        const QRect c(table.left() + (i % 6) * cw, table.top() + (i / 6) * ch, cw, ch);
        p.drawRect(c);
        p.drawText(c, Qt::AlignCenter, cells[i]);
    }
    return img;
}

QImage textFileIcon() {
    QImage img(113, 93, QImage::Format_RGB32);
    img.fill(QColor(236, 233, 216));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect page(30, 6, 53, 80);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRect(page);
    p.setPen(QPen(QColor(90, 90, 160), 2));
    for (int y = page.top() + 12; y < page.bottom() - 6; y += 8)
        p.drawLine(page.left() + 7, y, page.right() - 7 - (y % 3) * 4, y);
    p.setPen(Qt::black);
    p.setFont(sans(11));
    p.drawText(QRect(0, 70, 113, 20), Qt::AlignCenter, QStringLiteral("TXT"));
    return img;
}

QImage aboutPicture() {
    const QSize s(160, 231);
    QImage img = greeting(s, QString(), QColor(30, 60, 140), QColor(90, 170, 230));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A quiver of thumbnails: three tilted frames.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(80, 110);
        p.rotate(-15 + i * 15);
        p.fillRect(QRect(-40, -75 + i * 8, 80, 60), QColor(255, 255, 255, 200));
        p.fillRect(QRect(-34, -69 + i * 8, 68, 48), QColor(250, 150 - i * 40, 60 + i * 60));
        p.restore();
    }
    caption(p, QRect(0, 170, 160, 50), QStringLiteral("Quiverel"), 26, Qt::white);
    return img;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir + QStringLiteral("/ini"));

    writeIfMissing(dir + QStringLiteral("/TextFile.jpg"), textFileIcon, "JPG");
    writeIfMissing(dir + QStringLiteral("/About.png"), aboutPicture, "PNG");

    const QString samples = dir + QStringLiteral("/Samples");
    if (!QFileInfo::exists(samples)) {
        QDir().mkpath(samples);
        struct Sample {
            const char* name;
            std::function<QImage()> draw;
        };
        const Sample list[] = {
            {"cq_sstv.jpg",
             [] {
                 return sunset({640, 496});
             }},
            {"test_card.jpg",
             [] {
                 return colourBars({320, 256});
             }},
            {"greetings 73.jpg",
             [] {
                 return greeting({640, 496}, "73!", {120, 20, 80}, {250, 120, 40});
             }},
            {"qsl_qv1dev.jpg",
             [] {
                 return qslCard({800, 600});
             }},
            {"band_open.png",
             [] {
                 return greeting({400, 300}, "20 m open", {0, 70, 120}, {0, 180, 160});
             }},
            {"portrait.bmp",
             [] {
                 return greeting({240, 320}, "DE", {60, 60, 60}, {160, 160, 200});
             }},
            {"sunset_wide.jpg",
             [] {
                 return sunset({800, 200});
             }},
            {"thanks.jpg",
             [] {
                 return greeting({320, 256}, "TNX QSO", {20, 100, 20}, {200, 220, 40});
             }},
        };
        // Received a few minutes apart, newest last in this list.
        QDateTime when = QDateTime::currentDateTime().addSecs(-3600);
        for (const Sample& s : list) {
            const QString path = samples + u'/' + QString::fromUtf8(s.name);
            s.draw().save(path, nullptr, 90);
            QFile f(path);
            if (f.open(QIODevice::ReadWrite))
                f.setFileTime(when, QFileDevice::FileModificationTime);
            when = when.addSecs(300);
        }
        quiverel::writeTextLines(samples + QStringLiteral("/Welcome.txt"),
                                 {QStringLiteral("Welcome to Quiverel."), QString(),
                                  QStringLiteral("Click a picture to prepare it for sending."),
                                  QStringLiteral("Double-click to see it full size.")});
    }

    const QString iview = dir + QStringLiteral("/ini/i_view32.ini");
    if (!QFileInfo::exists(iview)) quiverel::writeIviewIni(iview, 12000);
    return 0;
}
