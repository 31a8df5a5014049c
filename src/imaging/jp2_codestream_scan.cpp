#include "imaging/jp2_codestream_scan.h"

#include <QtEndian>
#include <algorithm>

namespace quiverel {

namespace {

quint16 be16(const QByteArray& d, qint64 at) {
    return qFromBigEndian<quint16>(d.constData() + at);
}

quint32 be32(const QByteArray& d, qint64 at) {
    return qFromBigEndian<quint32>(d.constData() + at);
}

// Where the codestream starts: at once for a raw one, else in the
// contiguous-codestream box ("jp2c") among the file's top-level boxes.
qint64 codestreamStart(const QByteArray& d) {
    if (d.size() >= 2 && be16(d, 0) == 0xFF4F) return 0;
    qint64 at = 0;
    while (at + 8 <= d.size()) {
        quint64 length = be32(d, at);
        qint64 header = 8;
        if (length == 1) { // 64-bit length follows the type
            if (at + 16 > d.size()) return -1;
            length = qFromBigEndian<quint64>(d.constData() + at + 8);
            header = 16;
        }
        if (d.mid(at + 4, 4) == "jp2c") return at + header;
        if (length == 0 || length < quint64(header) || length > quint64(d.size() - at)) return -1;
        at += qint64(length);
    }
    return -1;
}

} // namespace

qint64 jpeg2000TileDataBytes(const QByteArray& d) {
    const qint64 size = d.size();
    qint64 at = codestreamStart(d);
    if (at < 0 || at + 2 > size || be16(d, at) != 0xFF4F) return 0;
    at += 2;
    // Main header: marker segments up to the first tile part (SOT).
    while (at + 4 <= size && be16(d, at) != 0xFF90) {
        if ((be16(d, at) & 0xFF00) != 0xFF00) return 0;
        at += 2 + be16(d, at + 2);
    }
    qint64 total = 0;
    // Tile parts: SOT (its length Psot counts from the SOT marker), more
    // marker segments, SOD, then the data.
    while (at + 12 <= size && be16(d, at) == 0xFF90) {
        const qint64 partStart = at;
        const quint32 psot = be32(d, at + 6);
        const qint64 partEnd = psot == 0 ? size : std::min<qint64>(size, partStart + psot);
        at += 2 + be16(d, at + 2);
        while (at + 2 <= partEnd && be16(d, at) != 0xFF93) {
            if (at + 4 > partEnd || (be16(d, at) & 0xFF00) != 0xFF00) return total;
            at += 2 + be16(d, at + 2);
        }
        if (at + 2 <= partEnd) total += partEnd - (at + 2);
        if (psot == 0 || partStart + qint64(psot) <= partStart) break;
        at = partStart + psot;
    }
    return total;
}

} // namespace quiverel
