#pragma once
// checknew.jpg: a plain picture whose width tells visitors of the web site
// whether the station is on air (1 unit) or off air (2 units), and whose
// height changes from upload to upload.

#include <QColor>
#include <QImage>
#include <QString>

namespace quiverel {

class Clock;
class Converter;

inline constexpr int kStatusMaxHeight = 50; // units

// Width 1 unit on air, 2 off air; `heightUnits` high; a unit is
// `pixelsPerUnit` pixels (never less than one pixel).
QImage statusPicture(bool onAir, int heightUnits, double pixelsPerUnit, const QColor& background);

// A whole number of units from 1 to 50, from the clock's random numbers.
int statusPictureHeight(Clock& clock);

// Saves the picture as checknew.bmp in the application folder and has the
// converter make checknew.jpg of it. The path of checknew.jpg, or empty with
// the reason: an old checknew.jpg is never sent in place of a new one.
QString writeStatusPicture(const QImage& picture, const QString& appFolder, Converter& converter,
                           QString* error);

} // namespace quiverel
