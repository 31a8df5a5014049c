#pragma once
// The part of a picture that is not the transparent colour: as a region (the
// visible, clickable part of the text layer) and as a one-bit mask.

#include "app/state.h"

#include <QImage>
#include <QRegion>

namespace quiverel {

// One rectangle per run of pixels that differ from `transparent` on a row.
QRegion TransparentRegion(const QImage& picture, ColourCode transparent);

// Format_Mono of the picture's size: 1 where a pixel differs from `transparent`.
QImage glyphMask(const QImage& picture, ColourCode transparent);

} // namespace quiverel
