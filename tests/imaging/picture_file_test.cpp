#include "imaging/picture_decoder.h"
#include "imaging/picture_file.h"
#include "test_pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace quiverel;
using namespace quiverel::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage halfTransparent() {
    QImage p(10, 10, QImage::Format_ARGB32);
    p.fill(qRgba(0, 0, 0, 0));
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 10; ++y)
            p.setPixel(x, y, qRgba(200, 30, 30, 255));
    return p;
}

} // namespace

TEST(PictureFile, EachExtensionGivesItsFormat) {
    QTemporaryDir dir;
    const QImage picture = photoLike(120, 90, 11);
    const struct {
        const char* name;
        PictureFormat format;
        double tolerance;
    } cases[] = {{"a.bmp", PictureFormat::Bmp, 0.01}, {"a.JPG", PictureFormat::Jpeg, 4},
                 {"a.jpeg", PictureFormat::Jpeg, 4},  {"a.png", PictureFormat::Png, 0.01},
                 {"a.Gif", PictureFormat::Gif, 10},   {"a.jp2", PictureFormat::Jp2, 3},
                 {"a.j2k", PictureFormat::J2k, 3}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(savePicture(picture, path)) << c.name;
        const QByteArray bytes = readAll(path);
        EXPECT_EQ(detectPictureFormat(bytes), c.format) << c.name;
        EXPECT_LT(meanDifference(decodePicture(bytes), picture), c.tolerance) << c.name;
    }
    // Bitmaps are always 24-bit, whatever the picture was.
    const QString bmp = dir.filePath(QStringLiteral("grey.bmp"));
    ASSERT_TRUE(savePicture(picture.convertToFormat(QImage::Format_Grayscale8), bmp));
    EXPECT_EQ(qFromLittleEndian<quint16>(readAll(bmp).constData() + 28), 24);
}

TEST(PictureFile, TransparencyIsFlattenedOntoWhiteWhereTheFormatHasNone) {
    QTemporaryDir dir;
    for (const char* name : {"t.bmp", "t.jpg", "t.gif"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(savePicture(halfTransparent(), path));
        const QImage back = loadPicture(path);
        ASSERT_FALSE(back.isNull()) << name;
        const QRgb clear = back.pixel(8, 5), solid = back.pixel(2, 5);
        EXPECT_GE(qRed(clear), 250) << name;
        EXPECT_GE(qBlue(clear), 250) << name;
        EXPECT_NEAR(qRed(solid), 200, 8) << name;
        EXPECT_LE(qBlue(solid), 40) << name;
    }
    const QString png = dir.filePath(QStringLiteral("t.png"));
    ASSERT_TRUE(savePicture(halfTransparent(), png));
    EXPECT_EQ(qAlpha(loadPicture(png).pixel(8, 5)), 0);
}

TEST(PictureFile, GifPaletteIsExactForFewColoursAndCloseForPhotos) {
    QTemporaryDir dir;
    QImage few(40, 40, QImage::Format_RGB32);
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 40; ++j)
            few.setPixel(i, j, qRgb(i * 6, j * 6, (i * j) % 3 * 100));
    ASSERT_GT(few.convertToFormat(QImage::Format_Indexed8).colorCount(), 100);
    const QString path = dir.filePath(QStringLiteral("few.gif"));
    ASSERT_TRUE(savePicture(few.copy(0, 0, 16, 16), path)); // 256 colours at most
    EXPECT_EQ(meanDifference(loadPicture(path), few.copy(0, 0, 16, 16)), 0);

    const QImage photo = photoLike(200, 150, 12);
    const QString photoPath = dir.filePath(QStringLiteral("photo.gif"));
    ASSERT_TRUE(savePicture(photo, photoPath));
    EXPECT_LT(meanDifference(loadPicture(photoPath), photo), 10);
}

TEST(PictureFile, FailedSavesLeaveNothingBehind) {
    QTemporaryDir dir;
    const QImage picture = photoLike(20, 20, 13);
    QString error;
    EXPECT_FALSE(savePicture(picture, dir.filePath(QStringLiteral("a.txt")), {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(savePicture(picture, dir.filePath(QStringLiteral("no/such/folder/a.bmp"))));
    EXPECT_FALSE(savePicture(QImage(), dir.filePath(QStringLiteral("null.bmp"))));
    EncodeOptions impossible;
    impossible.jp2TargetBytes = 10;
    EXPECT_FALSE(savePicture(picture, dir.filePath(QStringLiteral("tiny.jp2")), impossible));
    EXPECT_TRUE(QDir(dir.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
}

TEST(PictureFile, ReplacingKeepsOddNamesAndLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("-odd \"name\" ÄÖ ☂.jpg"));
    ASSERT_TRUE(writeBytes(name, "old contents"));
    ASSERT_TRUE(savePicture(photoLike(30, 20, 14), name));
    EXPECT_EQ(detectPictureFormat(readAll(name)), PictureFormat::Jpeg);
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        1);
}
