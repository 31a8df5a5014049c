#pragma once
// The colour sample of the QSL dialog: the bottom strip of the canvas tinted
// with the band colour, a corner of table lines and a date, so the three
// colours can be judged on the picture before the card is stamped.

#include "app/state.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <array>

namespace quiverel {

struct QslSampleInput {
    QSizeF size;              // the sample, in the dialog's units
    double pixelsPerUnit = 1; // of the dialog
    QImage canvas;            // what the canvas shows
    QSizeF canvasUnits;       // the canvas's size in the same units
    std::array<ColourCode, 3> colours{16777215, 0, 0};
    QString date;
};

QImage DrawQslSample(const QslSampleInput& in);

} // namespace quiverel
