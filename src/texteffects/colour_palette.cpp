#include "texteffects/colour_palette.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quiverel {

namespace {

constexpr double kUnitsWide = 480.0;
constexpr double kUnitsHigh = 256.0;

int channel(double v) {
    return std::clamp(int(std::nearbyint(v)), 0, 255); // 256 counts as 255
}

class PaletteCanvas {
public:
    explicit PaletteCanvas(QImage& img)
        : img_(img), fx_(img.width() / kUnitsWide), fy_(img.height() / kUnitsHigh) {}

    // A filled box between two corners in units, both corners included.
    void box(double x1, double y1, double x2, double y2, double r, double g, double b) {
        const QRect px(QPoint(toX(std::min(x1, x2)), toY(std::min(y1, y2))),
                       QPoint(toX(std::max(x1, x2)), toY(std::max(y1, y2))));
        fill(px, qRgb(channel(r), channel(g), channel(b)));
    }
    // Grid lines two pixels wide, centred on the unit coordinate.
    void vertical(double x, double y1, double y2) {
        const int px = toX(x);
        fill(QRect(QPoint(px - 1, toY(y1)), QPoint(px, toY(y2))), kGrid);
    }
    void horizontal(double y, double x1, double x2) {
        const int py = toY(y);
        fill(QRect(QPoint(toX(x1), py - 1), QPoint(toX(x2), py)), kGrid);
    }

private:
    static constexpr QRgb kGrid = 0xffaaaaaa;
    int toX(double u) const { return int(std::nearbyint(u * fx_)); }
    int toY(double u) const { return int(std::nearbyint(u * fy_)); }
    void fill(const QRect& r, QRgb colour) {
        const QRect area = r.intersected(img_.rect());
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* d = reinterpret_cast<QRgb*>(img_.scanLine(y));
            std::fill(d + area.left(), d + area.right() + 1, colour);
        }
    }
    QImage& img_;
    double fx_, fy_;
};

} // namespace

QImage drawPalette(QSize pixels) {
    QImage img(std::max(pixels.width(), 1), std::max(pixels.height(), 1), QImage::Format_RGB32);
    img.fill(Qt::white);
    PaletteCanvas c(img);
    auto half = [](double i) { return std::nearbyint(i / 2); };
    for (int i = 32; i <= 256; i += 32) {
        c.box(i - 32, 1, i, 32, i, 0, 0);
        c.box(i - 32, 64, i, 96, i, i, 0);
        c.box(i - 32, 96, i, 128, 0, i, 0);
        c.box(i - 32, 128, i, 160, 0, 0, i);
        c.box(i - 32, 160, i, 192, i, 0, i);
    }
    for (int i = 1; i <= 225; i += 32)
        c.box(i, 32, i + 32, 64, i, half(i), 0);
    for (int i = 32; i <= 224; i += 32) {
        c.box(i + 224, 1, i + 256, 32, 255, i, i);
        c.box(i + 224, 32, i + 256, 64, 255, half(i) + 128, i);
        c.box(i + 224, 64, i + 256, 96, 255, 255, i);
        c.box(i + 224, 96, i + 256, 128, i, 255, i);
        c.box(i + 224, 128, i + 256, 160, i, i, 255);
        c.box(i + 224, 160, i + 256, 192, 255, i, 255);
    }
    for (int i = 32; i <= 512; i += 32)
        c.box(i - 32, 192, i, 224, half(i), half(i), half(i));
    c.box(0, 224, 256, 256, 0, 0, 0);
    c.box(256, 224, 512, 256, 254, 255, 255);

    c.vertical(256, 0, 256);
    for (int y = 32; y <= 224; y += 32)
        c.horizontal(y, 0, 512);
    for (int x = 0; x <= 480; x += 32)
        c.vertical(x, 0, 224);
    return img;
}

ColourDestination colourDestination(ColourPicker picker, int target) {
    if (picker == ColourPicker::Qsl) {
        switch (target) {
        case 1:
            return ColourDestination::QslColour1;
        case 2:
            return ColourDestination::QslColour2;
        case 3:
            return ColourDestination::QslColour3;
        default:
            return ColourDestination::None;
        }
    }
    switch (target) {
    case 1:
        return ColourDestination::FontColour;
    case 2:
        return ColourDestination::SecondColour;
    case 3:
        return ColourDestination::FaceColour3d;
    case 4:
        return ColourDestination::Colour3d1;
    case 5:
        return ColourDestination::Colour3d2;
    default:
        return ColourDestination::None;
    }
}

} // namespace quiverel
