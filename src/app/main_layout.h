#pragma once
// The main window's geometry for each page size.

#include <QRect>
#include <QSize>

namespace quiverel {

struct MainLayout {
    int perPage = 20;            // the page size whose table row this is
    QSize windowTwips;           // window width x height in twips (x GUI scale)
    bool atSavedPosition = true; // false: the window goes to 0, 0
    QSize scale;                 // the window's own scale units
    QRect pic2;                  // in window scale units
    QSize pic2Scale;             // pic2's own scale units
    int rows = 4;
    int columns = 5;
    QRect lblPics, lblSize, lblInfo;
    int lblInfoFontSize = 10; // x GUI scale
};

// The table row for 12, 20 or 30 thumbnails per page. Any other page size
// gets the smallest table row whose grid holds it (the extra cells stay empty).
MainLayout mainLayoutFor(int thumbsPerPage);

// Places of the page buttons and the tab strip, in window scale units.
QRect ckNextRect(const MainLayout& layout);
QRect ckBackRect(const MainLayout& layout);
QRect tabsRect(const MainLayout& layout);

// A window size in twips at a GUI scale, in pixels.
inline int twipsToPixels(int twips, double guiScale) {
    return int(twips * guiScale / 15.0 + 0.5);
}

} // namespace quiverel
