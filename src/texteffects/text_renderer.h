#pragma once
// The eight text styles drawn onto a picture. The dialog's preview draws with
// origin 0 into a white picture the size of its text box; the composer draws
// the same styles onto its full-resolution picture at the layer's place, with
// its scaled depth and box and a wider gradient pen.

#include "app/state.h"
#include "texteffects/text_style.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QStringList>

namespace quiverel {

struct TextJob {
    QString text; // 1 to 3 lines separated by CR LF
    QFont font;
    TextStyle style = TextStyle::Plain;
    GradientKind gradient = GradientKind::Horizontal;
    int depth = 0;          // D: extrusion, shadow offset, hollow pen width
    QPoint direction{1, 1}; // (dx, dy) of the 3d extrusion
    ColourCode fontColour = 0;
    ColourCode secondColour = 0;
    ColourCode faceColour = 65280; // 3d face
    ColourCode colour3d1 = 49152;  // 3d extrusion, next to the face
    ColourCode colour3d2 = 32768;  // 3d extrusion, farthest
    QPoint origin;                 // added to every coordinate
    QSize box;                     // W x H
    int outlineWidth = 0;          // w of the outline styles
    int gradientPen = 2;           // 2 for the preview, 4 at full resolution
};

// The size of the preview for a text, font, style and depth.
QSize PreviewSize(const QString& text, const QFont& font, TextStyle style, int depth);

// Where 3d text starts so that its extrusion stays on the picture.
QPoint Compute3dOrigin(QPoint direction, int depth);

// The 3d text's lines 1..3: characters below a blank dropped, a fourth line and
// anything after it left out.
QStringList splitTextLines(const QString& text);

void DrawPlainText(QImage& target, const TextJob& job);
void Draw3dText(QImage& target, const TextJob& job);
void DrawShadowText(QImage& target, const TextJob& job);
void DrawOutlineText(QImage& target, const TextJob& job);
void DrawGradientStyleText(QImage& target, const TextJob& job);
void DrawGradientShadowText(QImage& target, const TextJob& job);
void DrawGradientOutlineText(QImage& target, const TextJob& job);
void DrawHollowText(QImage& target, const TextJob& job);

// The renderer of the job's style. A target that is not 32-bit is converted first.
void DrawStyledText(QImage& target, const TextJob& job);

} // namespace quiverel
