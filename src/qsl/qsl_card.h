#pragma once
// The QSL table stamped into the bottom-left corner of a picture: a title
// line with both call signs, a header row and a value row on a tinted band.

#include "app/state.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <array>

namespace quiverel {

// What the card says and in which colours.
struct QslCardText {
    QString ownCall;
    QString connector; // between the two calls ("confirms QSO with")
    QString workedCall;
    QString dateHeader;
    QString modeHeader;
    QString date;
    QString time;
    QString frequency;
    QString mode;
    QString report;
    // Band tint, lines and labels, calls and values.
    std::array<ColourCode, 3> colours{16777215, 0, 0};
};

// The surface the card is drawn on: its size in its own units, the table's
// width u in those units and how many pixels one unit takes.
struct QslSurface {
    QSizeF size;
    double unit = 320;
    double pixelsPerUnit = 1;
};

// The rows of the table in the surface's units.
struct QslTable {
    double height = 0;          // T
    double top = 0;             // y0, the band's top
    std::array<int, 4> lines{}; // yA..yD
    std::array<int, 3> rows{};  // y1..y3, the tops of the three text rows
};
QslTable qslTable(const QslSurface& surface);

// The table's width on a canvas `canvasWidth` units wide that shows a picture
// `pictureWidth` pixels wide: 320 pixels of that picture.
double qslCanvasUnit(double canvasWidth, int pictureWidth);

// `picture` stretched over the surface with the card drawn on it, in
// Liberation Sans Bold (the metrics of Arial).
QImage DrawQslCard(const QImage& picture, const QslSurface& surface, const QslCardText& text);

// Tints `rect` (pixels) of `image` as a mask pen does: each pixel becomes
// itself AND `colour`, so white takes the colour and dark stays dark.
void maskWithColour(QImage& image, const QRect& rect, ColourCode colour);

// A picture of `pixels` with 96 dots per inch, so that font points become
// the same pixels wherever it is drawn.
QImage qslSurfaceImage(QSize pixels);

} // namespace quiverel
