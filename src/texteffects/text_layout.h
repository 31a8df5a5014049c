#pragma once
// Measuring text and turning it into coverage that the styles paint in their
// colours. Text is measured and drawn at 96 dots per inch whatever the
// surface says, so the preview and the composer's picture agree.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QStringList>

namespace quiverel {

// What a text picture may grow to: a font of at most 500 pixels (375 points)
// and a picture of at most 8192 pixels each way, whatever a settings file or
// a pasted text asks for. Text beyond that is cut off.
inline constexpr int kMaxFontPixels = 500;
inline constexpr int kMaxTextSide = 8192;

// The font with its point size turned into pixels at 96 dots per inch.
QFont pixelFont(const QFont& font);

// The lines of a text: split at CR LF, CR or LF.
QStringList textLines(const QString& text);

// The height of one line, TextHeight("Ag"), in pixels.
int lineHeight(const QFont& font);
// The widest line and the height of all lines, in pixels.
double TextWidth(const QFont& font, const QString& text);
double TextHeight(const QFont& font, const QString& text);

// A white surface of 32-bit pixels; at least one pixel each way.
QImage whiteSurface(QSize size);

// How much of each pixel the text covers (0..255). `alpha` pixel (0, 0) lies
// at `offset` from the text's top-left corner.
struct Coverage {
    QImage alpha; // Format_Alpha8
    QPoint offset;
};

// Lines printed one under the other, `spacing` pixels apart (the line
// height when 0), their top-left corner at (0, 0).
Coverage textCoverage(const QFont& font, const QStringList& lines, int spacing = 0);

// The union of the coverage shifted by 0..2w pixels right and down: what
// (2w + 1) squared copies of the text cover.
Coverage spreadCoverage(const Coverage& coverage, int w);

// Paints `colour` onto the target where the coverage, its text corner put at
// `at`, covers it; only inside `clip`.
void paintCoverage(QImage& target, const Coverage& coverage, QPoint at, QRgb colour,
                   const QRect& clip);
void paintCoverage(QImage& target, const Coverage& coverage, QPoint at, QRgb colour);

// Mixes b into a by `amount` 0..255.
QRgb mixRgb(QRgb a, QRgb b, int amount);

} // namespace quiverel
