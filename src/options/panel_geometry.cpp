#include "options/panel_geometry.h"

#include "util/numbers.h"

#include <cmath>

namespace quiverel {

QSize panelPixels(double guiScale) {
    const double scale = guiScale > 0 ? guiScale : 1.0;
    return {int(std::lround(4500.0 / 15 * scale)), int(std::lround(5724.0 / 15 * scale))};
}

QPoint panelTopLeft(QSize mainWindow, QSize panel) {
    return {(mainWindow.width() - panel.width()) / 2, (mainWindow.height() - panel.height()) / 2};
}

QRectF previewRect(QSize thumbnail) {
    // A thumbnail not in the cache counts as a full one.
    const QSize t = thumbnail.isEmpty() ? QSize(112, 84) : thumbnail;
    const double w = roundHalfEven(t.width() * 1.6);
    const double h = t.height() * 1.6;
    return {(kPanelUnits.width() - w) / 2, (154 - h) / 2, w, h};
}

QRectF entryRect(int index) {
    return {20, 161.0 + 20 * index, 400, 20};
}

} // namespace quiverel
