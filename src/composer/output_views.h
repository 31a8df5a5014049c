#pragma once
// The captions of the composer's "Original" and "Compressed" views, and the
// transmit file the compressed view shows.

#include "app/state.h"

#include <QString>

namespace quiverel {

// "<view>   <w> x <h>    <size> <bytes word>".
QString zoomCaption(const QString& view, int width, int height, const QString& sizeText,
                    const QString& bytesWord);

// The zoom caption with "    <seconds> <seconds word>" after it.
QString compressedCaption(const std::array<QString, kTextEntries>& text, int width, int height,
                          qint64 bytes, qint64 seconds);

// The .jp2 the hand-off writes for the picture of that file name.
QString ownTransmitJp2(const AppState& state, const QString& fileName);
// ownTransmitJp2 when it exists, else another .jp2 of TX; empty when TX holds none.
QString transmitJp2(const AppState& state, const QString& fileName);

} // namespace quiverel
