#include "composer/compose_full_size.h"

#include "composer/frame_drawing.h"
#include "texteffects/text_layout.h"
#include "texteffects/text_renderer.h"
#include "texteffects/text_style.h"

#include <QPainter>
#include <cmath>

namespace quiverel {

namespace {

int rounded(double v) {
    return int(std::nearbyint(v));
}

void paintLayer(QImage& target, const CompositeLayer& layer, QPointF scale) {
    if (layer.picture.isNull()) return;
    const QRectF r(layer.rect.left() * scale.x(), layer.rect.top() * scale.y(),
                   layer.rect.width() * scale.x(), layer.rect.height() * scale.y());
    QPainter p(&target);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(r, layer.picture);
}

// The dialog's outline width, for the slider at the text's depth.
int dialogOutlineWidth(const CompositeText& t) {
    const TextStyle style = textStyleFromIndex(t.settings.style);
    const double points = t.font.pointSizeF();
    const auto range = styleSliderRange(style, points);
    const int maximum = range ? range->maximum : kDefaultDepthMaximum;
    return outlineWidth(style, points, maximum, t.settings.depth);
}

void paintText(QImage& target, const CompositeText& t, QPointF scale) {
    const TextEffectSettings& s = t.settings;
    if (s.effectText.isEmpty()) return;
    // The layer shows the dialog's picture pixel for pixel; the composite
    // draws the same text at its own scale.
    const double sx = scale.x() * t.unitsPerPixel, sy = scale.y() * t.unitsPerPixel;
    QFont font = t.font;
    const double points = t.font.pointSizeF() > 0 ? t.font.pointSizeF() : 12.0;
    font.setPointSizeF(std::min(std::floor(points * sy) + 3, kMaxFontPixels * 72.0 / 96.0));
    const int depth = rounded(s.depth * sy);
    double h = s.depth * sy + TextHeight(font, s.effectText);
    h += h / 20;
    const double w = s.depth * sy + TextWidth(font, s.effectText);

    TextJob job;
    job.text = s.effectText;
    job.font = font;
    job.style = textStyleFromIndex(s.style);
    job.gradient = gradientKindFromIndex(s.gradientKind);
    job.depth = depth;
    job.direction = QPoint(s.directionX, s.directionY);
    job.fontColour = s.fontColour;
    job.secondColour = s.secondColour;
    job.faceColour = s.faceColour3d;
    job.colour3d1 = s.colour3d1;
    job.colour3d2 = s.colour3d2;
    job.origin = QPoint(rounded(t.topLeft.x() * scale.x()), rounded(t.topLeft.y() * scale.y()));
    job.box = QSize(std::max(rounded(w), 1), std::max(rounded(h), 1));
    job.outlineWidth = rounded(dialogOutlineWidth(t) * sx);
    job.gradientPen = 4;
    DrawStyledText(target, job);
}

} // namespace

QPointF compositeScale(const Composition& c) {
    if (c.canvas.width() <= 0 || c.canvas.height() <= 0) return {0, 0};
    // The card fills the canvas: layer places, in canvas units, scale by the
    // card's pixels over the canvas's units whatever the GUI scale.
    if (c.qslCardState != 0)
        return {c.qslPicture.width() / c.canvas.width(), c.qslPicture.height() / c.canvas.height()};
    // The canvas's border counts with it.
    return {c.base.width() / (c.canvas.width() + 4), c.base.height() / (c.canvas.height() + 4)};
}

QImage ComposeFullSize(const Composition& c) {
    QImage out = c.base.convertToFormat(QImage::Format_RGB32);
    if (out.isNull()) return out;
    const QPointF scale = compositeScale(c);
    if (c.mug) paintLayer(out, *c.mug, scale);
    if (c.picture) paintLayer(out, *c.picture, scale);
    if (c.text) paintText(out, *c.text, scale);
    DrawFrameFullSize(out, c.frame, scale.x());
    return out;
}

} // namespace quiverel
