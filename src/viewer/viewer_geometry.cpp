#include "viewer/viewer_geometry.h"

#include "util/numbers.h"

#include <algorithm>
#include <cmath>

namespace quiverel {

namespace {

// Half a difference in whole pixels, rounded down, so both windows agree.
int half(int difference) {
    return int(std::floor(difference / 2.0));
}

} // namespace

ViewerPlacement placeViewer(QSize picture, QSize screen, QSize border) {
    ViewerPlacement p;
    const int availableWidth = screen.width() - border.width();
    const int availableHeight = screen.height() - border.height();
    int outerWidth = picture.width() + border.width();
    int outerHeight = picture.height() + border.height();
    p.fits = picture.width() < availableWidth && picture.height() < availableHeight;
    if (!p.fits) {
        outerWidth = std::min(outerWidth, screen.width());
        outerHeight = std::min(outerHeight, screen.height());
    }
    p.frame = QRect(half(screen.width() - outerWidth), half(screen.height() - outerHeight),
                    outerWidth, outerHeight);
    p.client = QSize(outerWidth - border.width(), outerHeight - border.height());
    if (!p.fits)
        p.picture = QPoint(half(p.client.width() - picture.width()),
                           half(p.client.height() - picture.height()));
    return p;
}

Centring CentrePicture(QSize picture, QSize client, QSize outerBorder) {
    Centring c;
    const QSize extent = picture + outerBorder;
    c.panHorizontal = extent.width() > client.width();
    c.panVertical = extent.height() > client.height();
    // On an axis that pans the middle of the picture shows; on one that does
    // not the picture sits in the middle. Both are half the difference.
    c.picture =
        QPoint(extent.width() == client.width() ? 0 : half(client.width() - picture.width()),
               extent.height() == client.height() ? 0 : half(client.height() - picture.height()));
    return c;
}

int panViewer(int position, int picture, int client, int pointer, int reference) {
    if (client <= 0) return position;
    const double ratio = double(picture) / client;
    const double moved = position - ratio * (pointer - reference);
    const int lowest = std::min(0, client - picture);
    return int(std::clamp<long long>(roundHalfEven(moved), lowest, 0));
}

int panDivisor(QSize picture) {
    const long long k =
        std::max(roundHalfEven(picture.width() / 400.0), roundHalfEven(picture.height() / 400.0));
    return int(std::max<long long>(k, 1));
}

ZoomPan panZoom(int position, double pointer, double reference, int picture, int outer,
                double guiScale, int divisor) {
    const double scale = guiScale > 0 ? guiScale : 1.0;
    const int k = std::max(divisor, 1);
    const double moved = position - (pointer - reference) / 15.0 / scale;
    const int lowest = std::min(0, outer - picture);
    ZoomPan z;
    z.position = int(std::clamp<long long>(roundHalfEven(moved), lowest, 0));
    z.reference = pointer + (pointer - reference) / k;
    return z;
}

QSize animationArea(QSize gif, double guiScale) {
    if (gif.width() <= 0 || gif.height() <= 0) return QSize(0, 0);
    const double aspect = double(gif.height()) / gif.width();
    double height = 500.0 * guiScale;
    double width = height / aspect;
    if (width > 666.0 * guiScale) {
        width = 666.0 * guiScale;
        height = width * aspect;
    }
    return QSize(int(roundHalfEven(width)), int(roundHalfEven(height)));
}

QRect animationFrame(QSize area, QSize screen, QSize border) {
    // Centred by its client area, as the window was placed before its frame counted.
    return QRect(half(screen.width() - area.width()), half(screen.height() - area.height()),
                 area.width() + border.width(), area.height() + border.height());
}

} // namespace quiverel
