#pragma once
// Helpers for the pixel tests of the text renderer.

#include "texteffects/text_renderer.h"

#include <QImage>
#include <QRect>
#include <functional>

namespace quiverel::test {

// A bold Arial that gives glyph stems several pixels wide.
QFont testFont(double points = 36);
// The same without anti-aliasing, for tests that look at exact colours on edges.
QFont crispFont(double points);

// A preview job: the text box from the preview sizing, origin 0, the slider at
// `value` (brought into the style's range), distinct colours.
TextJob previewJob(TextStyle style, const QString& text, const QFont& font, int value);

// The job drawn into a white picture of its box.
QImage renderPreview(const TextJob& job);

// The bounding box of the pixels for which `keep` holds; null when none.
QRect boundsOf(const QImage& img, const std::function<bool(QRgb)>& keep);
QRect boundsOfColour(const QImage& img, QRgb colour);
QRect nonWhiteBounds(const QImage& img);
int countPixels(const QImage& img, const std::function<bool(QRgb)>& keep);

// Pixels of exactly `colour` whose eight neighbours are that colour too: the
// inside of the glyph stems.
QList<QPoint> innerPixels(const QImage& img, QRgb colour);

} // namespace quiverel::test
