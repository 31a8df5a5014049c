#include "imaging/picture_decoder.h"
#include "imaging/picture_file.h"
#include "test_pictures.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace quiverel;
using namespace quiverel::test;

namespace {

quint32 crc32(QByteArrayView data) {
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : data) {
        crc ^= uchar(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray noise(int size, quint32 seed) {
    QByteArray out(size, '\0');
    QRandomGenerator rng(seed);
    for (char& c : out)
        c = char(rng.bounded(256));
    return out;
}

void expectRefused(const QByteArray& bytes, const char* what) {
    QString error;
    const QImage picture = decodePicture(bytes, {}, &error);
    EXPECT_TRUE(picture.isNull()) << what;
    EXPECT_FALSE(error.isEmpty()) << what;
}

QByteArray pngClaiming(quint32 width, quint32 height) {
    QByteArray ihdr("IHDR");
    ihdr.append(8, '\0');
    qToBigEndian(width, ihdr.data() + 4);
    qToBigEndian(height, ihdr.data() + 8);
    ihdr.append("\x08\x02\x00\x00\x00", 5); // 8-bit RGB
    QByteArray out("\x89PNG\r\n\x1A\n", 8);
    out.append("\0\0\0\x0D", 4);
    out.append(ihdr);
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(ihdr), crc.data());
    out.append(crc);
    out.append(noise(2000, 9)); // stands for the compressed data
    return out;
}

} // namespace

TEST(BadInput, NothingDecodableIsRefused) {
    expectRefused({}, "zero bytes");
    expectRefused(noise(4096, 1), "noise");
    expectRefused(QByteArray("\xFF\xD8\xFF") + noise(4096, 2), "JPEG signature then noise");
    expectRefused(QByteArray("\x89PNG\r\n\x1A\n", 8) + noise(4096, 3), "PNG signature then noise");
    expectRefused(QByteArray("GIF89a") + noise(100, 4), "GIF signature then noise");
    expectRefused(QByteArray("BM") + noise(100, 5), "BMP signature then noise");
    expectRefused(QByteArray("\xFF\x4F\xFF\x51") + noise(4096, 6), "J2K signature then noise");
    expectRefused(QByteArray("\0\0\0\x0CjP  \r\n\x87\n", 12) + noise(4096, 7),
                  "JP2 signature then noise");
}

TEST(BadInput, AbsurdDimensionsAreRefusedBeforeAllocating) {
    expectRefused(pngClaiming(60000, 60000), "PNG 60000 x 60000");
    expectRefused(pngClaiming(0x7FFFFFFF, 1), "PNG 2^31 wide");

    QByteArray bmp = bmpBytes(photoLike(8, 8), 24);
    qToLittleEndian<qint32>(60000, bmp.data() + 18);
    qToLittleEndian<qint32>(60000, bmp.data() + 22);
    expectRefused(bmp, "BMP 60000 x 60000");

    QByteArray jpeg = qtEncoded(photoLike(16, 16), "jpeg", 90);
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    qToBigEndian<quint16>(65000, jpeg.data() + sof + 5);
    qToBigEndian<quint16>(65000, jpeg.data() + sof + 7);
    expectRefused(jpeg, "JPEG 65000 x 65000");

    Jp2Variant raw;
    raw.codestream = true;
    QByteArray j2k = jp2Encoded(photoLike(16, 16), raw);
    ASSERT_EQ(j2k.mid(0, 4), QByteArray("\xFF\x4F\xFF\x51"));
    for (int at : {8, 12, 20, 24})
        qToBigEndian<quint32>(100000, j2k.data() + at); // SIZ sizes
    expectRefused(j2k, "J2K 100000 x 100000");
}

TEST(BadInput, JpegTwoThousandWithoutAnyTileIsRefused) {
    Jp2Variant raw;
    raw.codestream = true;
    const QByteArray j2k = jp2Encoded(photoLike(64, 64), raw);
    const qsizetype firstTile = j2k.indexOf(QByteArray("\xFF\x90", 2));
    ASSERT_GT(firstTile, 0);
    expectRefused(j2k.left(firstTile), "main header only");
    expectRefused(j2k.left(firstTile + 14), "tile header only");
}

TEST(BadInput, FilesTheFuzzerFoundDecodeWithoutHarm) {
    // OpenJPEG 2.5.0 read out of bounds on this codestream when asked for
    // reduced resolution and lenient decoding at once.
    const QByteArray reducedAndLenient = QByteArray::fromBase64(
        "/0//UQAvAAAAAEEBAAAAGAAAAAAAAAAAAAAAIAAAABgAAAAAAAAAAAADBAEBB/8BjQEB/1IADAAAACYB"
        "BAQEAAD/XAAdQm8gbwBvAG7gZ1BnUGdoUAVQBVBHV9NX01di/2QAJQABQ3JlYXRlZCBieSBPcGVuSlBF"
        "RyB2ZXJzaW9uIDQuNS4w/5AACgAAAAAFbwAB/5PH8A4MDSebgguewfYCgAPpFB4ODA0nm4ILngAtIAAA"
        "AAAAeMH5AwAKYODZ49/A+8GgfUbwsb3MM1L6YW/YT98rggJNa3XPTSnQxRmllSVfSIYALSAAAABwAAAA"
        "AAAAAEMsLMelQns/Sf/Z");
    // OpenJPEG asks for 4 GB on this one; the allocation fails harmlessly.
    const QByteArray hugeAllocation = QByteArray::fromBase64(
        "AAAADGpQICANCocKAAAAFGZ0eXBqcCkgAAAAAGpwMiAAAAAtanAyaAAAABZpaGRyAAAAGAAAACAAAwcH"
        "AAAAAAAPY29scgEAAAAAABAAAAYAanAyY/9P/1EALwAAAAAAIAAAABgAAAAAAAAAAAAAACAAAAAYAAAA"
        "AAAAAAAAAwcBAQcBBwcBAf9SAAwAAAABAQQEBAAA/1wAHUJvIG8AbwBu4GdQZ1BnaFAFUAVQR1fTV9NX"
        "Yv9kACUAAUNyZWF0ZWQgYnkgT3BlbkpQRUcgdmVyc2lvbiAyLjUuMP+QAAoAAPr/BG8AAf+TLCwsLCws"
        "LCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCws"
        "LCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLCwsLMfwDgwNJ5uCC57B9gKAA+kUHnjB+QMACmDg2ePf"
        "wPvBoH3gcB9gGAwqUdJKPwXSmQBsz8D6Qv8AwOAfSDAMASafXwcPgwYO38D7wWA+wDgPsAwNnCYQtQIs"
        "Iu2ELav4udphwfMhg+ZHA+M6ORz/xAAZAAACAwEAAAAAHPtf/8QAAAAAAAAAAAQHAwUIBv/EACoQAAED"
        "AgAEJBEAAgIGAgID");
    for (const QByteArray& bytes : {reducedAndLenient, hugeAllocation}) {
        decodePicture(bytes);
        DecodeOptions thumbnail;
        thumbnail.fitBox = QSize(112, 84);
        decodePicture(bytes, thumbnail);
    }
}

TEST(BadInput, MissingAndUnreadableFilesGiveAReason) {
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(loadPicture(dir.filePath(QStringLiteral("missing.jpg")), {}, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_TRUE(loadPicture(dir.path(), {}, &error).isNull()); // a folder
    EXPECT_FALSE(error.isEmpty());
}
