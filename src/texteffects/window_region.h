#pragma once
// Clips a window that shows a text picture to the picture's non-transparent
// pixels: only they are seen and take the mouse.

#include "app/state.h"

#include <QImage>

class QWidget;

namespace quiverel {

void ApplyTransparentRegion(QWidget& surface, const QImage& picture, ColourCode transparent);

} // namespace quiverel
