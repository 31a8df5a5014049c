#pragma once
// Where the composer puts the picture and its layers, in composer units (the
// window is 720 x 480 of them).

#include "app/state.h"
#include "app/windows.h"

#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <optional>

namespace quiverel {

inline constexpr QSizeF kComposerUnits{720, 480};

// The canvas: the picture fitted into a 530 x 398 box centred on (285, 215),
// by its width when wider than 4:3, else by its height. Empty for a picture
// without width or height.
QRectF fitCanvas(QSize picture);

// A new mug-shot or picture layer: fitted into the 112 x 84 thumbnail box.
QSizeF fitLayer(QSize picture);

// The size a layer takes when resized with the right button to `pointer` (in
// the layer's own units from its top-left corner): the largest size of the
// layer's ratio (height / width) inside that rectangle. Nothing left of or
// above the layer. Never smaller than kMinLayerSide each way, so the layer
// can always be grabbed again.
inline constexpr double kMinLayerSide = 4.0;
std::optional<QSizeF> resizeLayer(QPointF pointer, double ratio);

// Where the text layer lands each time the text effects dialog closes: at
// the canvas's left edge, 100 units down. On a canvas too flat for that it
// sits as low as it fits, never above the canvas, so it can still be grabbed.
QPointF textLayerPlace(QSizeF canvas, QSizeF text);
// The note beside the text layer whose top is `textTop` (canvas units), in
// composer units: 330 x 45 at the left, just above the text, never above the window.
QRectF textHintPlace(double textTop);

// The window caption: "640 x 480    123,456 bytes".
QString composerCaption(const CurrentPicture& picture,
                        const std::array<QString, kTextEntries>& text);

// The note shown after the first layer: three lines from the text table.
QString layerHint(const AppState& state);

// The composer's own copy of the picture it is opened on.
CurrentPicture composerPicture(const PictureRef& picture);

// A picture the composer can be opened on.
bool composerCanOpen(const CurrentPicture& current);

} // namespace quiverel
