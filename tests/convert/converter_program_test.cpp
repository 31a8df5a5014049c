// Every command-line form through the real i__view32.exe.
#include "convert/converter_command_line.h"
#include "convert/iview_ini.h"
#include "imaging/picture_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

// The build's application folder, unless the environment names another.
QString converterPath() {
    const QString folder =
        qEnvironmentVariable("QUIVEREL_APP_DIR", QStringLiteral(QUIVEREL_BUILD_APP_DIR));
    return QDir(folder).filePath(QStringLiteral("i__view32.exe"));
}

struct ConverterRun {
    int exitCode = -1;
    QString err;
};

ConverterRun runConverter(const QStringList& arguments) {
    QProcess p;
    p.start(converterPath(), arguments);
    p.waitForFinished(-1);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QImage picture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter painter(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, Qt::darkBlue);
    g.setColorAt(1, Qt::yellow);
    painter.fillRect(img.rect(), g);
    painter.setBrush(Qt::red);
    painter.drawEllipse(QRect(w / 4, h / 4, w / 2, h / 2));
    painter.end();
    // Sensor-like noise, so JPEG 2000 has detail to spend a target size on.
    quint32 s = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1103515245u + 12345u;
            const int n = int((s >> 16) % 21) - 10;
            const QRgb c = img.pixel(x, y);
            img.setPixel(x, y,
                         qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                              qBound(0, qBlue(c) + n, 255)));
        }
    return img;
}

class ConverterProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(converterPath())) << qPrintable(converterPath());
        ASSERT_TRUE(savePicture(picture(640, 496), path(QStringLiteral("source.jpg"))));
        QDir().mkpath(path(QStringLiteral("ini")));
        ASSERT_TRUE(writeIviewIni(path(QStringLiteral("ini/i_view32.ini")), 12000));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void expectFailureWithoutTarget(const QStringList& arguments, const QString& target) {
        const QStringList before = entries();
        const ConverterRun r = runConverter(arguments);
        EXPECT_NE(r.exitCode, 0) << qPrintable(arguments.join(u' '));
        EXPECT_EQ(r.err.count(u'\n'), 1) << qPrintable(r.err);
        EXPECT_FALSE(QFile::exists(target));
        EXPECT_EQ(entries(), before) << "nothing left behind";
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ConverterProgram, ConvertWritesTheFormatOfTheTargetExtension) {
    for (const char* name : {"out.bmp", "out.png", "out.gif", "out.jp2", "out.JPG"}) {
        const QString target = path(QString::fromLatin1(name));
        const ConverterRun r =
            runConverter(convertArguments(path(QStringLiteral("source.jpg")), target));
        ASSERT_EQ(r.exitCode, 0) << name << qPrintable(r.err);
        EXPECT_TRUE(r.err.isEmpty());
        const QImage back = loadPicture(target);
        EXPECT_EQ(back.size(), QSize(640, 496)) << name;
    }
}

TEST_F(ConverterProgram, ThumbnailFitsInto112By84) {
    const QString target = path(QStringLiteral("thumb.jpg"));
    ASSERT_EQ(runConverter(thumbnailArguments(path(QStringLiteral("source.jpg")), target)).exitCode,
              0);
    EXPECT_EQ(loadPicture(target).size(), QSize(108, 84));
}

TEST_F(ConverterProgram, ResampleWithTheSizeGluedToTheSource) {
    const QStringList args =
        resampleArguments(path(QStringLiteral("source.jpg")), 320, 256, path(QStringLiteral("ini")),
                          path(QStringLiteral("r.bmp")));
    ASSERT_TRUE(args.first().endsWith(u"source.jpg/resample=(320,256)"));
    ASSERT_EQ(runConverter(args).exitCode, 0);
    EXPECT_EQ(loadPicture(path(QStringLiteral("r.bmp"))).size(), QSize(320, 248));

    const QString jp2 = path(QStringLiteral("r.jp2"));
    ASSERT_EQ(runConverter(resampleArguments(path(QStringLiteral("source.jpg")), 320, 256,
                                             path(QStringLiteral("ini")), jp2))
                  .exitCode,
              0);
    EXPECT_LE(QFileInfo(jp2).size(), 12000);
    EXPECT_GE(QFileInfo(jp2).size(), 0.97 * 12000);
}

TEST_F(ConverterProgram, CompressMeetsTheTargetSizeOfTheIni) {
    const QString target = path(QStringLiteral("c.jp2"));
    ASSERT_EQ(runConverter(compressArguments(path(QStringLiteral("source.jpg")),
                                             path(QStringLiteral("ini")), target))
                  .exitCode,
              0);
    EXPECT_LE(QFileInfo(target).size(), 12000);
    EXPECT_GE(QFileInfo(target).size(), 0.97 * 12000);
    EXPECT_EQ(loadPicture(target).size(), QSize(640, 496));
}

TEST_F(ConverterProgram, OptionsInAnyOrderAndOddFileNames) {
    for (const QString& name :
         {QStringLiteral("-leading dash.jpg"), QStringLiteral("with \"quotes\" 'and' blanks.jpg"),
          QStringLiteral("Grüße ☂ 写真.jpg"), QStringLiteral("semi;colon $HOME `x`.jpg")}) {
        const QString source = path(name);
        ASSERT_TRUE(QFile::copy(path(QStringLiteral("source.jpg")), source));
        const QString target = path(u"t " + name + u".png");
        const ConverterRun r = runConverter(
            {QStringLiteral("/convert=") + target, QStringLiteral("/silent"),
             QStringLiteral("/aspectratio"), source, QStringLiteral("/resample=(64,64)")});
        ASSERT_EQ(r.exitCode, 0) << qPrintable(name) << qPrintable(r.err);
        EXPECT_EQ(loadPicture(target).size(), QSize(64, 50)) << qPrintable(name);
    }
}

TEST_F(ConverterProgram, WildcardSourceTakesTheFirstMatchInNameOrder) {
    QDir().mkpath(path(QStringLiteral("tx")));
    ASSERT_TRUE(savePicture(picture(40, 30), path(QStringLiteral("tx/b.jp2"))));
    ASSERT_TRUE(savePicture(picture(20, 10), path(QStringLiteral("tx/A.jp2"))));
    const QString target = path(QStringLiteral("Temp.bmp"));
    ASSERT_EQ(runConverter(convertArguments(path(QStringLiteral("tx/*.jp2")), target)).exitCode, 0);
    EXPECT_EQ(loadPicture(target).size(), QSize(20, 10));
    expectFailureWithoutTarget(
        convertArguments(path(QStringLiteral("tx/*.png")), target + u"x.bmp"), target + u"x.bmp");
}

TEST_F(ConverterProgram, FailuresLeaveNoTargetAndSayWhyInOneLine) {
    const QString target = path(QStringLiteral("out.bmp"));
    QFile corrupt(path(QStringLiteral("corrupt.jpg")));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("\xFF\xD8\xFF\xE0 this is not really a JPEG at all");
    corrupt.close();
    QFile(path(QStringLiteral("empty.png"))).open(QIODevice::WriteOnly);

    expectFailureWithoutTarget(convertArguments(path(QStringLiteral("corrupt.jpg")), target),
                               target);
    expectFailureWithoutTarget(convertArguments(path(QStringLiteral("empty.png")), target), target);
    expectFailureWithoutTarget(convertArguments(path(QStringLiteral("missing.jpg")), target),
                               target);
    expectFailureWithoutTarget(
        convertArguments(path(QStringLiteral("source.jpg")), path(QStringLiteral("out.xyz"))),
        path(QStringLiteral("out.xyz")));
    expectFailureWithoutTarget({path(QStringLiteral("source.jpg"))}, target); // no /convert=
    expectFailureWithoutTarget({path(QStringLiteral("source.jpg")),
                                QStringLiteral("/resample=(0,5)"),
                                QStringLiteral("/convert=") + target},
                               target);

    // An ini without [JP2] is a clear error for Compress.
    QDir().mkpath(path(QStringLiteral("noJp2")));
    QFile ini(path(QStringLiteral("noJp2/i_view32.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Other]\r\nKey = 1\r\n");
    ini.close();
    const QString jp2 = path(QStringLiteral("c.jp2"));
    const ConverterRun r = runConverter(
        compressArguments(path(QStringLiteral("source.jpg")), path(QStringLiteral("noJp2")), jp2));
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(u"[JP2]")) << qPrintable(r.err);
    EXPECT_FALSE(QFile::exists(jp2));
}

TEST_F(ConverterProgram, AFailedConversionKeepsTheOldTarget) {
    const QString target = path(QStringLiteral("keep.bmp"));
    ASSERT_TRUE(savePicture(picture(10, 10), target));
    const QByteArray before = [&] {
        QFile f(target);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_NE(runConverter(convertArguments(path(QStringLiteral("missing.jpg")), target)).exitCode,
              0);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(ConverterProgram, HelpAndEditOfAnUnreadableFile) {
    QProcess help;
    help.start(converterPath(), {QStringLiteral("--help")});
    help.waitForFinished(-1);
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("/convert="));

    const ConverterRun r = runConverter(
        {path(QStringLiteral("missing.jpg")), QStringLiteral("/one"), QStringLiteral("/silent")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(r.err.count(u'\n'), 1);
}
