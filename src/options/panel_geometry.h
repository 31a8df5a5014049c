#pragma once
// Where the options panel and its parts go. The panel's own units are
// 300 x 364; its size in pixels follows the GUI scale.

#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace quiverel {

inline constexpr QSizeF kPanelUnits(300, 364);

// 4500 x 5724 twips at the GUI scale.
QSize panelPixels(double guiScale);
// Centred on the main window's size, counted from the screen's corner (the
// main window's own place is not added).
QPoint panelTopLeft(QSize mainWindow, QSize panel);

// The preview: the grid thumbnail's size times 1.6, centred in the band above y = 154.
QRectF previewRect(QSize thumbnail);
// Entry `index` of the list.
QRectF entryRect(int index);
// Every frame covers the entry list.
inline constexpr QRectF kFrameRect(0, 160, 300, 204);

} // namespace quiverel
