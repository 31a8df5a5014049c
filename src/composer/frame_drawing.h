#pragma once
// The frame at full resolution, drawn over the finished composite.

#include "app/state.h"

#include <QImage>

namespace quiverel {

// A band of frame.width x scaleX pixels along the four edges: solid, or the
// gradient bevel (light outer line top and left, dark bottom and right, the
// frame colour in the outer half, a darkening shade in the inner half).
// Nothing for a width below 2.
void DrawFrameFullSize(QImage& target, const FrameSettings& frame, double scaleX);

} // namespace quiverel
