#include "texteffects/text_renderer.h"

#include "texteffects/gradient.h"
#include "texteffects/text_colours.h"
#include "texteffects/text_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace quiverel {

namespace {

int rounded(double v) {
    return int(std::nearbyint(v));
}

Coverage coverageOf(const TextJob& job) {
    return textCoverage(job.font, textLines(job.text));
}

// The rectangle from (left, top) to (right, bottom), right and bottom
// exclusive, moved by the job's origin.
QRect edges(const TextJob& job, int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).translated(job.origin);
}

// Text printed left- and top-aligned into a rectangle, clipped to it.
void drawTextInRect(QImage& target, const Coverage& text, const QRect& rect, ColourCode colour) {
    paintCoverage(target, text, rect.topLeft(), toRgb(colour), rect);
}

// The (2w + 1) squared copies of the outline styles, left to right and top to
// bottom in rectangles from (w - i, w - j) to (W + 3w + i, H + 2w + j).
void drawOutline(QImage& target, const TextJob& job, const Coverage& text, ColourCode colour) {
    const int w = job.outlineWidth;
    const int W = job.box.width(), H = job.box.height();
    paintCoverage(target, spreadCoverage(text, w), job.origin, toRgb(colour),
                  edges(job, 0, 0, W + 4 * w, H + 3 * w));
}

void plain(QImage& target, const TextJob& job, const Coverage& text) {
    drawTextInRect(target, text, edges(job, 0, 0, job.box.width(), job.box.height()),
                   job.fontColour);
}

void shadow(QImage& target, const TextJob& job, const Coverage& text) {
    const int D = job.depth, W = job.box.width(), H = job.box.height();
    drawTextInRect(target, text, edges(job, D, D, W, H), job.secondColour);
    drawTextInRect(target, text, edges(job, 0, 0, W, H), job.fontColour);
}

void outline(QImage& target, const TextJob& job, const Coverage& text) {
    const int w = job.outlineWidth, W = job.box.width(), H = job.box.height();
    drawOutline(target, job, text, job.secondColour);
    drawTextInRect(target, text, edges(job, w, w, W + 3 * w, H + 2 * w), job.fontColour);
}

void gradientShadow(QImage& target, const TextJob& job, const Coverage& text) {
    const int D = job.depth;
    drawTextInRect(target, text, edges(job, D, D, job.box.width(), job.box.height()), 0);
    DrawGradientText(target, job, text, job.fontColour, job.secondColour, 0);
}

void gradientOutline(QImage& target, const TextJob& job, const Coverage& text) {
    drawOutline(target, job, text, 0);
    DrawGradientText(target, job, text, job.fontColour, job.secondColour, job.outlineWidth);
}

} // namespace

QSize PreviewSize(const QString& text, const QFont& font, TextStyle style, int depth) {
    const double tw = TextWidth(font, text), th = TextHeight(font, text);
    const double ag = lineHeight(font);
    double width = 0, height = 0;
    if (style == TextStyle::Plain) {
        width = tw * 1.1;
        height = std::min(th, 3 * ag);
    } else {
        width = tw * 1.1 + depth * 3;
        height = std::min(th + depth, 3 * (ag + depth));
    }
    height += height / 20;
    auto side = [](double v) { return std::clamp(rounded(std::min(v, 1e9)), 1, kMaxTextSide); };
    return {side(width), side(height)};
}

QPoint Compute3dOrigin(QPoint direction, int depth) {
    QPoint origin(0, 0);
    if (direction.x() * depth < 0) origin.setX(5 - direction.x() * depth);
    if (direction.y() * depth < 0) origin.setY(-direction.y() * depth);
    return origin;
}

QStringList splitTextLines(const QString& text) {
    QStringList lines;
    for (QString line : textLines(text)) {
        if (lines.size() == 3) break;
        line.removeIf([](QChar c) { return c.unicode() < 32; });
        lines.append(line);
    }
    return lines;
}

void DrawPlainText(QImage& target, const TextJob& job) {
    plain(target, job, coverageOf(job));
}

void Draw3dText(QImage& target, const TextJob& job) {
    const int D = job.depth;
    if (D <= 0) return;
    const QPoint o = Compute3dOrigin(job.direction, D) + job.origin;
    const int dx = job.direction.x(), dy = job.direction.y();
    const int h = lineHeight(job.font);
    const QStringList lines = splitTextLines(job.text);
    for (int l = 0; l < lines.size(); ++l) {
        const Coverage c = textCoverage(job.font, {lines[l]});
        const int top = (D + h) * l;
        for (int t = 0; t <= D; ++t)
            paintCoverage(target, c, o + QPoint(dx * t, top + dy * t),
                          toRgb(BlendColor(job.colour3d2, job.colour3d1, t, D)));
        paintCoverage(target, c, o + QPoint(dx * D, top + dy * D), toRgb(job.faceColour));
    }
}

void DrawShadowText(QImage& target, const TextJob& job) {
    shadow(target, job, coverageOf(job));
}

void DrawOutlineText(QImage& target, const TextJob& job) {
    outline(target, job, coverageOf(job));
}

void DrawGradientStyleText(QImage& target, const TextJob& job) {
    DrawGradientText(target, job, job.fontColour, job.secondColour, 0);
}

void DrawGradientShadowText(QImage& target, const TextJob& job) {
    gradientShadow(target, job, coverageOf(job));
}

void DrawGradientOutlineText(QImage& target, const TextJob& job) {
    gradientOutline(target, job, coverageOf(job));
}

void DrawHollowText(QImage& target, const TextJob& job) {
    const QFont f = pixelFont(job.font);
    const QFontMetricsF m(f);
    const int h = lineHeight(job.font);
    QPainterPath path;
    const QStringList lines = textLines(job.text);
    for (int i = 0; i < lines.size(); ++i)
        path.addText(QPointF(job.origin.x(), job.origin.y() + i * h + m.ascent()), f, lines[i]);
    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(toQColor(job.fontColour), std::max(job.depth, 1), Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
}

void DrawStyledText(QImage& target, const TextJob& job) {
    if (target.isNull()) return;
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    switch (job.style) {
    case TextStyle::Plain:
        return DrawPlainText(target, job);
    case TextStyle::ThreeD:
        return Draw3dText(target, job);
    case TextStyle::Shadow:
        return DrawShadowText(target, job);
    case TextStyle::Outline:
        return DrawOutlineText(target, job);
    case TextStyle::Gradient:
        return DrawGradientStyleText(target, job);
    case TextStyle::GradientShadow:
        return DrawGradientShadowText(target, job);
    case TextStyle::GradientOutline:
        return DrawGradientOutlineText(target, job);
    case TextStyle::Hollow:
        return DrawHollowText(target, job);
    }
}

} // namespace quiverel
