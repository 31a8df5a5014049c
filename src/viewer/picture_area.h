#pragma once
// The picture area the viewer and the zoom window share: picOuter filling
// the window, and on it imgInner carrying the picture at its natural size.

class QLabel;
class QWidget;

namespace quiverel {

struct PictureArea {
    QWidget* picOuter;
    QLabel* imgInner;
};

// Made on `window`; imgInner is never stretched and follows the pointer
// without a button held, for panning.
PictureArea makePictureArea(QWidget* window);

} // namespace quiverel
