#pragma once
// The composite at the full resolution of the picture: what every output of
// the composer sends, saves or prints. The canvas is only its preview.

#include "app/state.h"

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace quiverel {

// A mug-shot or picture layer: its picture and its place on the canvas.
struct CompositeLayer {
    QImage picture;
    QRectF rect; // canvas units
};

// The text layer: the dialog's settings and font, and where it lies.
struct CompositeText {
    TextEffectSettings settings;
    QFont font;               // the dialog's font, its size in points
    QPointF topLeft;          // canvas units
    double unitsPerPixel = 1; // canvas units one pixel of the dialog's picture takes
};

struct Composition {
    QImage base;   // the picture, or the QSL card drawn for it
    QSizeF canvas; // canvas units
    int qslCardState = 0;
    QSize qslPicture; // the card's picture size in pixels when qslCardState is not 0
    std::optional<CompositeLayer> mug;
    std::optional<CompositeLayer> picture;
    std::optional<CompositeText> text;
    FrameSettings frame;
};

// Pixels per canvas unit across and down.
QPointF compositeScale(const Composition& c);

// Base, mug shot, picture, text, frame, always in that order.
QImage ComposeFullSize(const Composition& c);

} // namespace quiverel
