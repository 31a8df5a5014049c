#pragma once
// Clips a window that shows a text picture to the picture's non-transparent
// pixels: only they are seen and take the mouse.

#include "app/state.h"

#include <QImage>

class QWidget;

namespace quiverel {

void ApplyTransparentRegion(QWidget& surface, const QImage& picture, ColourCode transparent);
// The same from the picture's glyph mask (Format_Mono, 1 where a glyph is).
void ApplyGlyphMask(QWidget& surface, const QImage& mask);

} // namespace quiverel
