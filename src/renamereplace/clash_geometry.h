#pragma once
// Where the rename-or-replace dialog draws, in its own units (400 x 320).

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace quiverel {

inline constexpr QSizeF kClashUnits(400, 320);
inline constexpr QSizeF kClashTwips(6000, 4800);
// The areas the two pictures are fitted into.
inline constexpr QRectF kClashSourceArea(20, 10, 160, 120);
inline constexpr QRectF kClashTargetArea(220, 10, 160, 120);

// `picture` fitted into `area` keeping its aspect ratio, centred; the area
// itself for an empty picture.
QRectF fittedPictureRect(QSize picture, const QRectF& area);

// The two arrowheads pointing from the left picture to the right one: for
// each centre c (55 and 95), the vertical lines x = 207 - i from c - i to
// c + i, i = 15 down to 1.
QList<QLineF> clashArrowLines();

} // namespace quiverel
