#pragma once
// The colour pickers' palette and where a picked colour goes.

#include "texteffects/text_effects_result.h"

#include <QImage>
#include <QSize>

namespace quiverel {

// The palette in a scale of 480 x 256 units stretched over `pixels`: rows of
// 32-unit cells (reds, oranges, yellows, greens, blues, purples; the paler
// halves on the right), a row of 16 greys, black and near-white, and the
// grid of grey (170, 170, 170) lines two pixels wide.
QImage drawPalette(QSize pixels);

enum class ColourDestination {
    None,
    FontColour,   // frmText lblFcol
    SecondColour, // frmText lblSHcol
    FaceColour3d, // frmText Label2
    Colour3d1,    // frmText Label3 (0)
    Colour3d2,    // frmText Label3 (1)
    QslColour1,   // QSL background
    QslColour2,   // QSL lines
    QslColour3,   // QSL text
};

// Where "Ok" of a picker puts its colour for a picker target.
ColourDestination colourDestination(ColourPicker picker, int target);

} // namespace quiverel
