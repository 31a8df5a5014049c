#include "imaging/picture_size.h"

#include "imaging/picture_format.h"
#include "util/regular_file.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace quiverel {

namespace {

quint32 be32(const QByteArray& b, qsizetype at) {
    return at + 4 <= b.size() ? qFromBigEndian<quint32>(b.constData() + at) : 0;
}

// The codestream's SIZ marker follows SOC: Xsiz, Ysiz, XOsiz, YOsiz.
QSize codestreamSize(const QByteArray& b, qsizetype at) {
    if (at + 4 + 20 > b.size() || quint8(b[at]) != 0xFF || quint8(b[at + 1]) != 0x4F ||
        quint8(b[at + 2]) != 0xFF || quint8(b[at + 3]) != 0x51)
        return {};
    const qsizetype siz = at + 4 + 4; // past the marker, Lsiz and Rsiz
    const qint64 w = qint64(be32(b, siz)) - be32(b, siz + 8);
    const qint64 h = qint64(be32(b, siz + 4)) - be32(b, siz + 12);
    if (w <= 0 || h <= 0 || w > INT_MAX || h > INT_MAX) return {};
    return QSize(int(w), int(h));
}

// Walks the boxes of a JP2 file to the image header box (height, then width).
QSize jp2BoxSize(const QByteArray& b) {
    qsizetype at = 0;
    int guard = 0;
    while (at + 8 <= b.size() && ++guard < 64) {
        quint64 length = be32(b, at);
        const QByteArray type = b.mid(at + 4, 4);
        qsizetype header = 8;
        if (length == 1) {
            length = (quint64(be32(b, at + 8)) << 32) | be32(b, at + 12);
            header = 16;
        }
        if (type == "jp2h") { // a super box: look inside
            at += header;
            continue;
        }
        if (type == "ihdr") {
            const quint32 h = be32(b, at + header), w = be32(b, at + header + 4);
            if (w == 0 || h == 0 || w > INT_MAX || h > INT_MAX) return {};
            return QSize(int(w), int(h));
        }
        // A length past the end (or wrapping round) would send the walk astray.
        if (length == 0 || length < quint64(header) || length > quint64(b.size() - at)) return {};
        at += qsizetype(length);
    }
    return {};
}

} // namespace

QSize pictureSizeOfFile(const QString& path) {
    QFile f;
    if (!openRegularFile(path, f)) return {};
    const QByteArray head = f.read(4096);
    switch (detectPictureFormat(head)) {
    case PictureFormat::Jp2:
        return jp2BoxSize(head);
    case PictureFormat::J2k:
        return codestreamSize(head, 0);
    case PictureFormat::Unknown:
        return {};
    default:
        break;
    }
    f.seek(0);
    QImageReader reader(&f);
    reader.setDecideFormatFromContent(true);
    return reader.size();
}

} // namespace quiverel
