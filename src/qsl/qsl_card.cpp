#include "qsl/qsl_card.h"

#include "texteffects/text_colours.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quiverel {

namespace {

// 96 dots per inch: 3780 dots per metre.
constexpr int kDotsPerMetre = 3780;

int floored(double v) {
    return int(std::floor(v));
}

// Prints `text` with its top-left at (x, y), as a print position does.
double print(QPainter& p, const QFontMetricsF& fm, double x, double y, const QString& text,
             ColourCode colour) {
    p.setPen(toQColor(colour));
    p.drawText(QPointF(x, y + fm.ascent()), text);
    return x + fm.horizontalAdvance(text);
}

double centredOn(const QFontMetricsF& fm, double x, const QString& text) {
    return x - fm.horizontalAdvance(text) / 2;
}

} // namespace

QslTable qslTable(const QslSurface& surface) {
    QslTable t;
    t.height = surface.unit / 5;
    t.top = surface.size.height() - t.height;
    const double lines[] = {0.03, 0.33, 0.63, 0.93};
    for (size_t i = 0; i < t.lines.size(); ++i)
        t.lines[i] = floored(t.top + lines[i] * t.height);
    const double rows[] = {0.07, 0.37, 0.67};
    for (size_t i = 0; i < t.rows.size(); ++i)
        t.rows[i] = floored(t.top + rows[i] * t.height);
    return t;
}

double qslCanvasUnit(double canvasWidth, int pictureWidth) {
    return pictureWidth > 0 ? canvasWidth * 320 / pictureWidth : canvasWidth;
}

QImage qslSurfaceImage(QSize pixels) {
    QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::white);
    return image;
}

void maskWithColour(QImage& image, const QRect& rect, ColourCode colour) {
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRect area = rect.intersected(image.rect());
    const QRgb mask = toRgb(colour) | 0xff000000u;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            line[x] &= mask;
    }
}

QImage DrawQslCard(const QImage& picture, const QslSurface& surface, const QslCardText& text) {
    const double k = surface.pixelsPerUnit > 0 ? surface.pixelsPerUnit : 1.0;
    const QSize pixels(std::max(int(std::lround(surface.size.width() * k)), 1),
                       std::max(int(std::lround(surface.size.height() * k)), 1));
    QImage card = qslSurfaceImage(pixels);
    if (!picture.isNull()) {
        QPainter p(&card);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(QPoint(0, 0), pixels), picture);
    }
    const double u = surface.unit;
    const QslTable t = qslTable(surface);
    const auto& colours = text.colours;
    // The band from x = -1 to u, both ends drawn, as a filled box is.
    maskWithColour(
        card,
        QRect(QPoint(0, floored(t.top * k)), QPoint(int(std::lround(u * k)), pixels.height() - 1)),
        colours[0]);

    QPainter p(&card);
    p.scale(k, k);
    QPen pen(toQColor(colours[1]));
    pen.setWidth(2);
    pen.setCosmetic(true); // two pixels wide whatever the units
    p.setPen(pen);
    for (int y : t.lines)
        p.drawLine(QPointF(4, y), QPointF(u - 6, y));
    p.drawLine(QPointF(4, t.lines[0]), QPointF(4, t.lines[3]));
    p.drawLine(QPointF(u - 6, t.lines[0]), QPointF(u - 6, t.lines[3]));
    for (double x : {0.27, 0.45, 0.65, 0.83})
        p.drawLine(QPointF(x * u, t.lines[1]), QPointF(x * u, t.lines[3]));

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPointSizeF(std::max(0.15 * t.height, 1.0));
    p.setFont(font);
    const QFontMetricsF fm(font, &card);

    const QString between = QStringLiteral("  ") + text.connector + QStringLiteral("  ");
    double x = centredOn(fm, u / 2, text.ownCall + between + text.workedCall);
    x = print(p, fm, x, t.rows[0], text.ownCall, colours[2]);
    x = print(p, fm, x, t.rows[0], between, colours[1]);
    print(p, fm, x, t.rows[0], text.workedCall, colours[2]);

    const int y2 = t.rows[1];
    print(p, fm, centredOn(fm, 0.13 * u, text.dateHeader), y2, text.dateHeader, colours[1]);
    print(p, fm, 0.31 * u, y2, QStringLiteral("UTC"), colours[1]);
    print(p, fm, 0.52 * u, y2, QStringLiteral("Mhz"), colours[1]);
    print(p, fm, centredOn(fm, 0.73 * u, text.modeHeader), y2, text.modeHeader, colours[1]);
    print(p, fm, 0.86 * u, y2, QStringLiteral("RSV"), colours[1]);

    const int y3 = t.rows[2];
    print(p, fm, 0.03 * u, y3, text.date, colours[2]);
    print(p, fm, 0.30 * u, y3, text.time, colours[2]);
    print(p, fm, 0.50 * u, y3, text.frequency, colours[2]);
    print(p, fm, 0.67 * u, y3, text.mode, colours[2]);
    print(p, fm, 0.86 * u, y3, text.report, colours[2]);
    return card;
}

} // namespace quiverel
