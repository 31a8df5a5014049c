#pragma once
// A look at a JPEG 2000 file's structure without decoding it.

#include <QByteArray>

namespace quiverel {

// The bytes of tile data (after each tile part's start-of-data marker) that
// the file holds, as far as it goes; 0 when it holds none, as in a file cut
// off within its headers. `data` is a .jp2 file or a raw codestream.
qint64 jpeg2000TileDataBytes(const QByteArray& data);

} // namespace quiverel
