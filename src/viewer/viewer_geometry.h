#pragma once
// Where the viewer and the zoom window put themselves and their picture, and
// how a picture larger than its window follows the pointer. All in pixels.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quiverel {

// The viewer's window for a picture shown at its natural size.
struct ViewerPlacement {
    bool fits = false; // smaller than the room left by the border on both axes
    QRect frame;       // the outer window on the screen
    QSize client;      // the client area
    QPoint picture;    // imgInner's place in the client area
};

// `border` is the window frame (outer size less client size); 0 where it is
// not known yet. A picture that fits gets a window just its size, centred on
// the screen; any other gets a window cut to the screen with the middle of
// the picture in view.
ViewerPlacement placeViewer(QSize picture, QSize screen, QSize border);

// The centring step of both windows: a picture smaller than the client area
// on an axis sits in the middle; on an axis where it is larger it pans,
// with its middle in view. `outerBorder` is picOuter's own border.
struct Centring {
    QPoint picture;
    bool panHorizontal = false;
    bool panVertical = false;
};
Centring CentrePicture(QSize picture, QSize client, QSize outerBorder = QSize(0, 0));

// The viewer's panning on one axis: the picture moves against the pointer
// by picture / client pixels per pixel of pointer movement, so one sweep
// across the window shows the whole picture, and never leaves a gap at an
// edge. Returns the picture's new left (or top).
int panViewer(int position, int picture, int client, int pointer, int reference);

// The zoom window's pan divisor: the larger of picture width / 400 and
// picture height / 400, each rounded halves to even; at least 1, since a
// small picture's 0 would be divided by.
int panDivisor(QSize picture);

// The zoom window's panning on one axis, with the pointer and the reference
// in twips (15 a pixel) relative to the picture.
struct ZoomPan {
    int position = 0;
    double reference = 0.0;
};
ZoomPan panZoom(int position, double pointer, double reference, int picture, int outer,
                double guiScale, int divisor);

// The area an animated GIF plays in: 500 x GUI scale high and as wide as its
// aspect ratio asks, but at most 666 x GUI scale wide (then as high as the
// ratio allows).
QSize animationArea(QSize gif, double guiScale);
// The viewer's window around that area, centred on the screen.
QRect animationFrame(QSize area, QSize screen, QSize border);

} // namespace quiverel
