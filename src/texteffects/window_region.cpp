#include "texteffects/window_region.h"

#include "texteffects/transparent_region.h"

#include <QWidget>

namespace quiverel {

void ApplyTransparentRegion(QWidget& surface, const QImage& picture, ColourCode transparent) {
    const QRegion visible = TransparentRegion(picture, transparent);
    // An empty mask would unset the mask and show the whole window; a
    // region off the window shows none of it, as nothing is to be seen.
    surface.setMask(visible.isEmpty() ? QRegion(-2, -2, 1, 1) : visible);
    surface.update();
}

} // namespace quiverel
