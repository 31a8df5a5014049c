#include "app/main_layout.h"

namespace quiverel {

namespace {
const MainLayout kLayouts[] = {
    {12,
     {8025, 6075},
     true,
     {535, 405},
     {0, 60, 535, 345},
     {535, 310},
     3,
     4,
     {10, 5, 100, 20},
     {400, 3, 120, 24},
     {120, 5, 260, 20},
     9},
    {20,
     {9990, 7500},
     true,
     {666, 500},
     {0, 60, 666, 443},
     {666, 414},
     4,
     5,
     {10, 5, 170, 20},
     {535, 3, 120, 24},
     {190, 5, 330, 20},
     10},
    {30,
     {12000, 9000},
     false,
     {800, 600},
     {0, 60, 800, 540},
     {800, 515},
     5,
     6,
     {10, 5, 170, 20},
     {670, 3, 120, 24},
     {190, 5, 450, 20},
     10},
};
} // namespace

MainLayout mainLayoutFor(int thumbsPerPage) {
    for (const MainLayout& l : kLayouts)
        if (thumbsPerPage <= l.rows * l.columns) return l;
    return kLayouts[2];
}

QRect ckNextRect(const MainLayout& l) {
    return {l.scale.width() - 46, 31, 43, 26};
}

QRect ckBackRect(const MainLayout& l) {
    return {ckNextRect(l).left() - 43, 31, 43, 26};
}

QRect tabsRect(const MainLayout& l) {
    // The tab strip runs from the left edge to the page buttons; its pages
    // lie under pic2, so only its tab row shows above the grid.
    return {2, 30, ckBackRect(l).left() - 5, 30};
}

} // namespace quiverel
