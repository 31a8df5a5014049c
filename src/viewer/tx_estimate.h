#pragma once
// The transmit time of a JPEG 2000 file: 250 bytes a second and a fixed 20
// seconds for the mode's header and sync.

#include <QtGlobal>

namespace quiverel {

// bytes x 4 / 1000, rounded halves to even, plus 20. 64 bits wide, so any
// file size gives its true estimate.
qint64 EstimateTxSeconds(qint64 bytes);

} // namespace quiverel
