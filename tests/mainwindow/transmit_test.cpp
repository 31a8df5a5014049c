#include "mainwindow/transmit.h"

#include "convert/iview_ini.h"
#include "imaging/jp2_target_size.h"
#include "imaging/picture_file.h"
#include "support/recording_desktop.h"
#include "support/test_context.h"
#include "util/file_name_bytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

QImage photo(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, Qt::darkBlue);
    g.setColorAt(1, Qt::yellow);
    p.fillRect(img.rect(), g);
    p.setBrush(Qt::red);
    p.drawEllipse(QRect(size.width() / 4, size.height() / 4, size.width() / 2, size.height() / 2));
    p.end();
    quint32 s = 7;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            s = s * 1103515245u + 12345u;
            const int n = int((s >> 16) % 31) - 15;
            const QRgb c = img.pixel(x, y);
            img.setPixel(x, y,
                         qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                              qBound(0, qBlue(c) + n, 255)));
        }
    return img;
}

struct HandOffTest : ::testing::Test {
    test::TestContext t{test::TestConverter::InProcess};
    Context& ctx = t.ctx;
    QList<int> pauses;
    Pause pause = [this](int ms) { pauses.append(ms); };
    QString rx;

    void SetUp() override {
        t.state.transmit.txFolder = t.app.path() + QStringLiteral("/TX");
        t.state.settings.jp2TargetSize = 12000;
        writeIviewIni(t.app.ini(QStringLiteral("i_view32.ini")), 12000);
        rx = t.app.path() + QStringLiteral("/rx/");
        QDir().mkpath(rx);
    }
    // Only the setting changes, as the size window and the composer change
    // it: the hand-off must read it again.
    void resizeTo(const char* setting) {
        t.state.settings.resizeSetting = QString::fromLatin1(setting);
    }
    HandOff picture(const QString& name, QSize size) {
        const QImage img = photo(size);
        savePicture(img, rx + name);
        return {rx, name, loadPicture(rx + name), false, true, true};
    }
    QStringList txFiles() const {
        return QDir(t.state.transmit.txFolder).entryList(QDir::Files, QDir::Name);
    }
};

} // namespace

TEST_F(HandOffTest, CallSignPrefixNamesTheBitmapAndTheOldFilesGo) {
    t.state.settings.callSign = QStringLiteral("QV1DEV");
    t.state.settings.callSignPrefix = QStringLiteral("Y");
    t.app.write(QStringLiteral("TX/old.bmp"), "old");
    ASSERT_TRUE(SendToTransmit(ctx, picture(QStringLiteral("sunset.jpg"), {320, 256}), pause));
    EXPECT_EQ(txFiles(), QStringList({"QV1DEV_sunset.bmp"}));
    t.state.settings.callSignPrefix = QStringLiteral("N");
    ASSERT_TRUE(SendToTransmit(ctx, picture(QStringLiteral("sunset.jpg"), {320, 256}), pause));
    EXPECT_EQ(txFiles(), QStringList({"sunset.bmp"}));
    // The clipboard holds the bitmap as a picture and as a file.
    EXPECT_EQ(t.desktop.clipboard.picture.size(), QSize(320, 256));
    EXPECT_EQ(t.desktop.clipboard.filePath,
              t.state.transmit.txFolder + QStringLiteral("/sunset.bmp"));
    EXPECT_EQ(pauses.first(), 500);
}

TEST_F(HandOffTest, PicturesAreNeverEnlargedAndLargerOnesAreResampledWithAJp2) {
    resizeTo("800x600");
    SendToTransmit(ctx, picture(QStringLiteral("small.jpg"), {640, 480}), pause);
    EXPECT_EQ(txFiles(), QStringList({"small.bmp"}));
    EXPECT_EQ(QImage(t.state.transmit.txFolder + QStringLiteral("/small.bmp")).size(),
              QSize(640, 480));

    resizeTo("320x256");
    SendToTransmit(ctx, picture(QStringLiteral("big.jpg"), {1024, 768}), pause);
    EXPECT_EQ(txFiles(), QStringList({"big.bmp", "big.jp2"}));
    EXPECT_EQ(QImage(t.state.transmit.txFolder + QStringLiteral("/big.bmp")).size(),
              QSize(320, 240));
    const qint64 jp2 = QFileInfo(t.state.transmit.txFolder + QStringLiteral("/big.jp2")).size();
    EXPECT_GT(jp2, 0);
    EXPECT_LE(jp2, 12000);
    EXPECT_EQ(loadPicture(t.state.transmit.txFolder + QStringLiteral("/big.jp2")).size(),
              QSize(320, 240));
}

TEST_F(HandOffTest, ASmallJp2IsCopiedALargeOneCompressedAgain) {
    const QImage img = photo({400, 300});
    QFile small(rx + QStringLiteral("small.jp2"));
    ASSERT_TRUE(small.open(QIODevice::WriteOnly));
    const QByteArray smallBytes = encodeJpeg2000ToSize(img, 6000);
    small.write(smallBytes);
    small.close();
    SendToTransmit(ctx, {rx, QStringLiteral("small.jp2"), img, false, true, true}, pause);
    EXPECT_EQ(txFiles(), QStringList({"small.bmp", "small.jp2"}));
    QFile copied(t.state.transmit.txFolder + QStringLiteral("/small.jp2"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), smallBytes);

    QFile large(rx + QStringLiteral("large.jp2"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write(encodeJpeg2000ToSize(img, 40000));
    large.close();
    SendToTransmit(ctx, {rx, QStringLiteral("large.jp2"), img, false, true, true}, pause);
    const qint64 again = QFileInfo(t.state.transmit.txFolder + QStringLiteral("/large.jp2")).size();
    EXPECT_GT(again, 0);
    EXPECT_LE(again, 12000);

    // Composer edits compress even a small one.
    t.state.transmit.composerEdited = true;
    SendToTransmit(ctx, {rx, QStringLiteral("small.jp2"), img, false, true, true}, pause);
    QFile recompressed(t.state.transmit.txFolder + QStringLiteral("/small.jp2"));
    ASSERT_TRUE(recompressed.open(QIODevice::ReadOnly));
    EXPECT_NE(recompressed.readAll(), smallBytes);
}

TEST_F(HandOffTest, OnlyALeftClickWithAutoPasteTypesTheKeys) {
    t.desktop.windowTitles = {QStringLiteral("EasyPal - v1"), QStringLiteral("KG-STV"),
                              QStringLiteral("mmsstv ver 1.13")};
    t.state.settings.autoPaste = true;
    HandOff right = picture(QStringLiteral("a.jpg"), {64, 48});
    right.leftClick = false;
    SendToTransmit(ctx, right, pause);
    EXPECT_FALSE(t.desktop.log.filter(QStringLiteral("keys")).size());

    SendToTransmit(ctx, picture(QStringLiteral("a.jpg"), {64, 48}), pause);
    EXPECT_EQ(t.desktop.log.filter(QStringLiteral("keys")).size(), 4);
}

TEST_F(HandOffTest, AnimatedGifIsCopiedAndItsPathGoesOnTheClipboard) {
    t.app.write(QStringLiteral("rx/anim.gif"), "GIF89a-not-really");
    SendToTransmit(ctx, {rx, QStringLiteral("anim.gif"), QImage(), true, true, true}, pause);
    EXPECT_EQ(txFiles(), QStringList({"anim.gif"}));
    EXPECT_EQ(t.desktop.clipboard.text, t.state.transmit.txFolder + QStringLiteral("/anim.gif"));
}

TEST_F(HandOffTest, ASecondHandOffNeverStartsOverARunningOne) {
    t.app.write(QStringLiteral("TX/busy.bmp"), "in use");
    t.state.transmit.handOffRunning = true;
    EXPECT_FALSE(SendToTransmit(ctx, picture(QStringLiteral("a.jpg"), {64, 48}), pause));
    EXPECT_EQ(txFiles(), QStringList({"busy.bmp"}));
    t.state.transmit.handOffRunning = false;
    EXPECT_TRUE(SendToTransmit(ctx, picture(QStringLiteral("a.jpg"), {64, 48}), pause));
    EXPECT_FALSE(t.state.transmit.handOffRunning);
}

TEST_F(HandOffTest, TextGoesToTheClipboardAndIsPastedOnlyWithAutoPasteOn) {
    t.desktop.windowTitles = {QStringLiteral("EasyPal")};
    t.state.settings.autoPaste = false;
    SendTextToTransmit(ctx, QStringLiteral("CQ CQ"), pause);
    EXPECT_EQ(t.desktop.clipboard.text, QStringLiteral("CQ CQ"));
    EXPECT_FALSE(t.desktop.log.join(u'|').contains(QStringLiteral("keys")));
    t.state.settings.autoPaste = true;
    SendTextToTransmit(ctx, QStringLiteral("CQ DX"), pause);
    EXPECT_TRUE(t.desktop.log.contains(QStringLiteral("keys {F7}")));
}

namespace {
struct CallSignCase {
    const char* what;
    QString call;
    QString picture;
    QString expected; // the bitmap in TX
};
void PrintTo(const CallSignCase& c, std::ostream* os) {
    *os << c.what;
}
const QString kSkyBmp = QStringLiteral("sky.bmp");
} // namespace

class CallSignNames : public HandOffTest, public ::testing::WithParamInterface<CallSignCase> {};

TEST_P(CallSignNames, GiveOneFileInsideTxWithinTheNameLimit) {
    const CallSignCase& c = GetParam();
    const QString station = t.app.path() + QStringLiteral("/station");
    t.state.transmit.txFolder = station + QStringLiteral("/WinDRM/TX");
    t.state.settings.callSign = c.call;
    t.state.settings.callSignPrefix = QStringLiteral("Y");
    ASSERT_TRUE(SendToTransmit(ctx, picture(c.picture, {16, 12}), pause))
        << t.prompts.messages().join(u'|').toStdString();

    EXPECT_EQ(txFiles(), QStringList({c.expected}));
    EXPECT_LE(fileNameBytes(c.expected), kMaxFileNameBytes);
    EXPECT_EQ(t.desktop.clipboard.filePath, t.state.transmit.txFolder + u'/' + c.expected);
    // Nothing was written beside or above TX (two folders up is the station).
    QStringList elsewhere;
    QDirIterator it(station, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(t.state.transmit.txFolder + u'/')) elsewhere << path;
    }
    EXPECT_TRUE(elsewhere.isEmpty()) << elsewhere.join(u' ').toStdString();
    EXPECT_EQ(t.state.settings.callSign, c.call); // shown and stored as typed
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CallSignNames,
    ::testing::Values(CallSignCase{"portable", "W1ABC/P", "sky.jpg", "W1ABC_P_sky.bmp"},
                      CallSignCase{"path", "../../EVIL", "sky.jpg", "______EVIL_sky.bmp"},
                      CallSignCase{"dots", "..", "sky.jpg", "___sky.bmp"},
                      CallSignCase{"controls", "W1ABC\tX\n", "sky.jpg", "W1ABC_X__sky.bmp"},
                      CallSignCase{"non-ASCII", QString::fromUtf8("DL1ÄÖ/p"), "sky.jpg",
                                   QString::fromUtf8("DL1ÄÖ_p_sky.bmp")},
                      CallSignCase{"1000 letters", QString(1000, u'A'), "sky.jpg",
                                   QString(247, u'A') + u'_' + kSkyBmp},
                      CallSignCase{"two-byte letters", QString(200, QChar(0x416)), "sky.jpg",
                                   QString(123, QChar(0x416)) + u'_' + kSkyBmp},
                      CallSignCase{"four-byte letters", QString::fromUtf8("📡").repeated(100),
                                   "sky.jpg", QString::fromUtf8("📡").repeated(61) + u'_' + kSkyBmp},
                      CallSignCase{"long picture name", QString(1000, u'A'),
                                   QString(246, u'p') + QStringLiteral(".jpg"),
                                   QStringLiteral("AAAA_") + QString(246, u'p') +
                                       QStringLiteral(".bmp")},
                      CallSignCase{"no room left", QStringLiteral("W1ABC"),
                                   QString(250, u'p') + QStringLiteral(".jpg"),
                                   QString(250, u'p') + QStringLiteral(".bmp")}));

namespace {

struct PasteCase {
    QStringList windows;
    QStringList expected; // activations, keys and pauses in order
};

class PasteSequenceTest : public ::testing::TestWithParam<PasteCase> {};

} // namespace

// A program's window comes to the front only half a second after the last
// key into the one before; a missing window is skipped without a wait.
TEST_P(PasteSequenceTest, KeysAndPausesInTurn) {
    RecordingDesktop desktop;
    desktop.windowTitles = GetParam().windows;
    PasteIntoSstvPrograms(desktop,
                          [&](int ms) { desktop.log.append(QStringLiteral("pause %1").arg(ms)); });
    EXPECT_EQ(desktop.log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PasteSequenceTest,
    ::testing::Values(
        PasteCase{{"EasyPal - v1", "KG-STV", "mmsstv ver 1.13"},
                  {"activate EasyPal", "pause 500", "keys {F7}", "pause 500", "activate KG-STV",
                   "pause 500", "keys 1t1p", "pause 500", "activate MMSSTV", "pause 500",
                   "keys %{E}", "pause 500", "keys p", "pause 500"}},
        PasteCase{{"EasyPal", "KG-STV"},
                  {"activate EasyPal", "pause 500", "keys {F7}", "pause 500", "activate KG-STV",
                   "pause 500", "keys 1t1p", "pause 500", "pause 500"}},
        PasteCase{{"MMSSTV"},
                  {"pause 0", "pause 0", "activate MMSSTV", "pause 500", "keys %{E}", "pause 500",
                   "keys p", "pause 500"}},
        PasteCase{{}, {"pause 0", "pause 0", "pause 500"}}));
