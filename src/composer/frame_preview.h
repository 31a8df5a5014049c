#pragma once
// The frame as the canvas previews it: frame width + 1 nested rectangles one
// unit apart, each edge its own array of lines.

#include "app/state.h"

#include <QLineF>
#include <QList>
#include <QSizeF>
#include <array>

namespace quiverel {

inline constexpr int kMaxFrameWidth = 25;

// Line1 top, Line2 bottom, Line3 left, Line4 right.
enum FrameEdge { Top = 0, Bottom = 1, Left = 2, Right = 3 };

struct PreviewLine {
    QLineF line; // canvas units
    ColourCode colour = 0;
};

// Elements 0..width of each edge; empty for width 1 (no frame).
using FramePreview = std::array<QList<PreviewLine>, 4>;

// The lines for a canvas of `canvas` units; the colours as `frame` asks.
// A gradient sets frame.state to half the width.
FramePreview framePreview(QSizeF canvas, FrameSettings& frame);

// The colour of element i of an edge for a frame of the given width.
QList<ColourCode> edgeColours(FrameEdge edge, const FrameSettings& frame, int& frameState);

} // namespace quiverel
