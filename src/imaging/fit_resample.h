#pragma once
// Resampling a picture to a size: fitted into a box keeping its aspect ratio,
// or stretched to exactly that size.

#include <QImage>
#include <QSize>

namespace quiverel {

// The largest size of `source`'s aspect ratio that fits into `box` (each side
// at least 1). `source` unchanged when either is empty.
QSize fitSize(QSize source, QSize box);

// The picture scaled with area averaging (down) or bilinear filtering (up) to
// fitSize(picture.size(), box). The picture itself when it already has that size.
QImage fitResample(const QImage& picture, QSize box);

// The picture scaled to exactly `size`, ignoring its aspect ratio.
QImage stretchResample(const QImage& picture, QSize size);

} // namespace quiverel
