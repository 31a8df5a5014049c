#pragma once
// The four gradients of the gradient styles, and gradient-filled text.

#include "app/state.h"
#include "texteffects/text_style.h"

#include <QImage>
#include <array>
#include <vector>

namespace quiverel {

struct Coverage;
struct TextJob;

// The 256 colours of a gradient: step i is c1 + (c2 - c1) x i / 255 per
// channel, rounded halves to even.
std::array<QRgb, 256> gradientColours(ColourCode c1, ColourCode c2);

// The step (0..255) whose drawing colours pixel (x, y) of a surface of `size`,
// or -1 where the background stays. `pen` is the ring width in pixels of the
// rectangular and spherical kinds (2 for the preview, 4 at full resolution);
// rings never leave gaps between them, however large the surface.
class GradientSampler {
public:
    GradientSampler(GradientKind kind, QSize size, int pen);
    int step(int x, int y) const;

private:
    GradientKind kind_;
    QSize size_;
    std::vector<int> across_, down_;                  // per column and per row
    std::vector<int> acrossFirst_, downFirst_;        // rectangular: outermost band
    std::vector<double> squaresAcross_, squaresDown_; // spherical: from the middle
    double scale_ = 0;                                // spherical: pixels a unit
    double ring_ = 0;                                 // spherical: ring width
};
int gradientStep(GradientKind kind, QSize size, int pen, int x, int y);

// Fills the surface with the gradient; pixels no step reaches turn white.
void PaintGradient(QImage& surface, ColourCode c1, ColourCode c2, GradientKind kind, int pen);

// The text of the job filled with the gradient from `c1` to `c2`, its
// top-left corner at the job's origin + (offset, offset); around the glyphs
// the target stays as it was.
void DrawGradientText(QImage& target, const TextJob& job, ColourCode c1, ColourCode c2, int offset);
// The same with the text's coverage already worked out.
void DrawGradientText(QImage& target, const TextJob& job, const Coverage& mask, ColourCode c1,
                      ColourCode c2, int offset);

} // namespace quiverel
