#include "texteffects/window_region.h"

#include "texteffects/transparent_region.h"

#include <QBitmap>
#include <QWidget>

namespace quiverel {

namespace {

void setVisibleRegion(QWidget& surface, const QRegion& visible) {
    // An empty mask would unset the mask and show the whole window; a
    // region off the window shows none of it, as nothing is to be seen.
    surface.setMask(visible.isEmpty() ? QRegion(-2, -2, 1, 1) : visible);
    surface.update();
}

} // namespace

void ApplyTransparentRegion(QWidget& surface, const QImage& picture, ColourCode transparent) {
    setVisibleRegion(surface, TransparentRegion(picture, transparent));
}

void ApplyGlyphMask(QWidget& surface, const QImage& mask) {
    setVisibleRegion(surface, mask.isNull() ? QRegion() : QRegion(QBitmap::fromImage(mask)));
}

} // namespace quiverel
