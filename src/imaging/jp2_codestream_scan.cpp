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

// Where the marker `wanted` starts, at or after `at` and before `end`: the
// marker segments on the way are stepped over by their lengths. Where a
// length leads to no marker (a marker without a segment, or one OpenJPEG
// passes over by looking for the next marker it knows), the bytes are
// searched for `pattern` as OpenJPEG does; whether the file is sound is left
// to it. -1 when there is none.
qint64 nextMarker(const QByteArray& d, qint64 at, qint64 end, quint16 wanted,
                  QByteArrayView pattern) {
    const qint64 from = at;
    while (at + 2 <= end && (be16(d, at) & 0xFF00) == 0xFF00) {
        if (be16(d, at) == wanted) return at;
        if (at + 4 > end) break;
        at += 2 + be16(d, at + 2);
    }
    return QByteArrayView(d).first(end).indexOf(pattern, from);
}

} // namespace

qint64 jpeg2000TileDataBytes(const QByteArray& d) {
    const qint64 size = d.size();
    const qint64 start = codestreamStart(d);
    if (start < 0 || start + 2 > size || be16(d, start) != 0xFF4F) return 0;
    // Main header: marker segments up to the first tile part (SOT, whose
    // segment is always 10 bytes long).
    qint64 at = nextMarker(d, start + 2, size, 0xFF90, QByteArrayView("\xFF\x90\x00\x0A", 4));
    qint64 total = 0;
    // Tile parts: SOT (its length Psot counts from the SOT marker), more
    // marker segments, SOD, then the data.
    while (at >= 0 && at + 12 <= size && be16(d, at) == 0xFF90) {
        const qint64 partStart = at;
        const quint32 psot = be32(d, at + 6);
        const qint64 partEnd = psot == 0 ? size : std::min<qint64>(size, partStart + psot);
        at = nextMarker(d, at + 12, partEnd, 0xFF93, QByteArrayView("\xFF\x93", 2));
        if (at >= 0 && at + 2 <= partEnd) total += partEnd - (at + 2);
        if (psot == 0 || partStart + qint64(psot) <= partStart) break;
        at = partStart + psot;
    }
    return total;
}

} // namespace quiverel
