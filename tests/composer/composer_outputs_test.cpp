#include "composer/composer_geometry.h"
#include "composer/info_report.h"
#include "composer/save_picture_as.h"
#include "composer_fixture.h"
#include "convert/iview_ini.h"
#include "imaging/picture_file.h"
#include "support/test_context.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace quiverel {
namespace {

class ComposerOutputsTest : public ComposerFixture {
protected:
    ComposerOutputsTest() {
        t.state.settings.jp2TargetSize = 12000;
        writeIviewIni(t.app.ini(QStringLiteral("i_view32.ini")), 12000);
        QDir().mkpath(out());
        request.pictureFolder = out();
    }
    QString out() const { return t.app.path() + QStringLiteral("/saved 'pics' ä/"); }
    QStringList saved() const { return QDir(out()).entryList(QDir::Files | QDir::Hidden); }

    const QString& text(int entry) const { return t.state.text[size_t(entry)]; }
};

TEST_F(ComposerOutputsTest, SaveAsJpegLeavesOnlyTheJpeg) {
    setCurrent(QStringLiteral("sky.png"), filled(320, 240, qRgb(0, 0, 255)));
    open();
    t.prompts.answerText(out() + QStringLiteral("new sky.jpg"));
    form->cmdSavepic->click();
    EXPECT_EQ(saved(), QStringList{QStringLiteral("new sky.jpg")});
    EXPECT_EQ(loadPicture(out() + QStringLiteral("new sky.jpg")).size(), QSize(320, 240));
    EXPECT_EQ(t.state.current.extension, u".jpg");
    // The dialog: its title, the start name, the five types, PNG chosen first.
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].title, text(78));
    EXPECT_EQ(t.prompts.shown()[0].text, out() + QStringLiteral("sky"));
    EXPECT_EQ(t.prompts.saveFilters, savePictureFilters());
    EXPECT_EQ(t.prompts.saveFilterChosenFirst, 4);
    EXPECT_TRUE(t.windows.opened.isEmpty());
}

TEST_F(ComposerOutputsTest, SaveAsBitmapLeavesOnlyTheBitmap) {
    setCurrent(QStringLiteral("sky.jpg"), filled(320, 240, qRgb(0, 0, 255)));
    open();
    t.prompts.answerText(out() + QStringLiteral("plain.bmp"));
    form->cmdSavepic->click();
    EXPECT_EQ(saved(), QStringList{QStringLiteral("plain.bmp")});
    QFile f(out() + QStringLiteral("plain.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), QByteArray("BM"));
}

TEST_F(ComposerOutputsTest, SaveOntoATakenNameOpensForm6AndWritesNothing) {
    setCurrent(QStringLiteral("sky.jpg"), filled(320, 240, qRgb(0, 0, 255)));
    ASSERT_TRUE(savePicture(filled(80, 60, qRgb(255, 0, 0)), out() + QStringLiteral("old.png")));
    const QByteArray before = t.app.read(QStringLiteral("saved 'pics' ä/old.png"));
    open();
    t.prompts.answerText(out() + QStringLiteral("old.png"));
    form->cmdSavepic->click();
    EXPECT_EQ(saved(), QStringList{QStringLiteral("old.png")});
    EXPECT_EQ(t.app.read(QStringLiteral("saved 'pics' ä/old.png")), before);
    ASSERT_EQ(t.windows.calls.size(), 1);
    const ClashRequest& clash = t.windows.calls[0].clash;
    EXPECT_EQ(t.windows.calls[0].kind, WindowKind::RenameReplace);
    EXPECT_EQ(clash.mode, 3);
    EXPECT_EQ(clash.fileName, u"old.png");
    EXPECT_EQ(clash.targetFolder, out());
    EXPECT_EQ(clash.chosenPath, out() + QStringLiteral("old.png"));
    EXPECT_EQ(clash.sourcePicture.size(), QSize(320, 240));
    EXPECT_EQ(clash.pictureToSave.size(), QSize(320, 240));
    EXPECT_EQ(clash.targetPicture.size(), QSize(80, 60));
}

// A folder Pic.PNG was taken for a picture of that name: "already exists",
// 0 x 0 pixels. A folder is no clash; the name is refused.
TEST_F(ComposerOutputsTest, SaveOntoANameOnlyAFolderHasIsRefused) {
    setCurrent(QStringLiteral("sky.jpg"), filled(320, 240, qRgb(0, 0, 255)));
    ASSERT_TRUE(QDir().mkpath(out() + QStringLiteral("Pic.PNG")));
    open();
    for (const char* name : {"pic.png", "Pic.PNG"}) {
        t.prompts.clear();
        t.prompts.answerText(out() + QString::fromLatin1(name));
        form->cmdSavepic->click();
        ASSERT_EQ(t.prompts.messages().size(), 1) << name;
        EXPECT_EQ(t.prompts.messages()[0],
                  out() + QString::fromLatin1(name) +
                      QStringLiteral("\nA folder has this name. Please choose another name for "
                                     "the picture."));
    }
    EXPECT_TRUE(t.windows.calls.isEmpty());
    EXPECT_TRUE(saved().isEmpty());
    EXPECT_TRUE(QFileInfo(out() + QStringLiteral("Pic.PNG")).isDir());
}

TEST_F(ComposerOutputsTest, CancelledSaveDoesNothing) {
    setCurrent(QStringLiteral("sky.jpg"), filled(320, 240, qRgb(0, 0, 255)));
    open();
    form->cmdSavepic->click();
    EXPECT_TRUE(saved().isEmpty());
    EXPECT_TRUE(t.windows.opened.isEmpty());
}

TEST_F(ComposerOutputsTest, FailedSaveIsToldWithPathAndReason) {
    setCurrent(QStringLiteral("sky.jpg"), filled(320, 240, qRgb(0, 0, 255)));
    open();
    const QString path = out() + QStringLiteral("no such folder/x.jpg");
    t.prompts.answerText(path);
    form->cmdSavepic->click();
    ASSERT_EQ(t.prompts.messages().size(), 1);
    EXPECT_TRUE(t.prompts.messages()[0].startsWith(path + u'\n'));
    EXPECT_TRUE(t.prompts.messages()[0].contains(QStringLiteral("No such file")));
}

TEST_F(ComposerOutputsTest, OriginalShowsThePictureWithItsSize) {
    setCurrent(QStringLiteral("sky.bmp"), filled(320, 240, qRgb(0, 0, 255)));
    open();
    form->cmdOrig->click();
    ASSERT_EQ(t.windows.calls.size(), 1);
    EXPECT_EQ(t.windows.calls[0].kind, WindowKind::Zoom);
    EXPECT_EQ(t.windows.calls[0].caption,
              text(56) + u"   320 x 240    230,454 " + text(9)); // 54-byte header + 320 x 240 x 3
    EXPECT_EQ(t.windows.calls[0].picture.size(), QSize(320, 240));
}

TEST_F(ComposerOutputsTest, CompressedShowsTheTransmitFileWithItsTime) {
    t.state.settings.resizeSetting = QStringLiteral("320x256");
    setCurrent(QStringLiteral("sky.jpg"), filled(640, 480, qRgb(0, 0, 255)));
    open();
    form->cmdTx->click();
    const QString jp2 = t.state.transmit.txFolder + QStringLiteral("/sky.jp2");
    ASSERT_TRUE(QFile::exists(jp2)) << t.prompts.messages().join(u'|').toStdString();
    ASSERT_EQ(t.windows.calls.size(), 1);
    const test::WindowCall& zoom = t.windows.calls[0];
    EXPECT_EQ(zoom.picture.size(), QSize(320, 240));
    const qint64 bytes = QFileInfo(jp2).size();
    const qint64 seconds = qRound64(bytes * 4 / 1000.0) + 20;
    EXPECT_TRUE(zoom.caption.startsWith(text(57) + u"   320 x 240    "))
        << zoom.caption.toStdString();
    EXPECT_TRUE(zoom.caption.endsWith(u"    " + QString::number(seconds) + u' ' + text(72)));
}

TEST_F(ComposerOutputsTest, CompressedDuringTheOpeningHandOffIsCarriedOutWhenItEnds) {
    t.state.settings.resizeSetting = QStringLiteral("320x256");
    setCurrent(QStringLiteral("sky.jpg"), filled(640, 480, qRgb(0, 0, 255)));
    open();
    t.state.transmit.handOffRunning = true;
    form->cmdTx->click();
    EXPECT_TRUE(t.windows.opened.isEmpty());
    EXPECT_FALSE(form->cmdTx->isEnabled());
    EXPECT_EQ(form->P_Bar->maximum(), 0) << "busy while it waits";
    t.state.transmit.handOffRunning = false;
    ASSERT_TRUE(QTest::qWaitFor([this] { return !t.windows.calls.isEmpty(); }));
    EXPECT_EQ(t.windows.calls[0].kind, WindowKind::Zoom);
    EXPECT_EQ(t.windows.calls[0].picture.size(), QSize(320, 240));
    EXPECT_TRUE(form->cmdTx->isEnabled());
    EXPECT_GT(form->P_Bar->maximum(), 0);
    EXPECT_EQ(form->P_Bar->value(), form->P_Bar->maximum());
}

TEST_F(ComposerOutputsTest, AFrameAloneReachesTheTransmittedJp2) {
    // A .jp2 below the target size with "No Resize" would be copied as it is.
    t.state.settings.resizeSetting = QStringLiteral("No Resize");
    t.state.settings.resizeIndex = 10;
    setCurrent(QStringLiteral("small.jp2"), filled(640, 480, qRgb(0, 0, 255)));
    const QByteArray source = t.app.read(QStringLiteral("rx with blanks/small.jp2"));
    ASSERT_LT(source.size(), 12000);
    open();
    form->cmdFrame_Click();
    EXPECT_FALSE(t.state.transmit.composerEdited) << "opening the panel changes nothing";
    form->frame.Slider1->setValue(10);
    form->cmdTx->click();
    const QString jp2 = t.state.transmit.txFolder + QStringLiteral("/small.jp2");
    ASSERT_TRUE(QFile::exists(jp2)) << t.prompts.messages().join(u'|').toStdString();
    EXPECT_NE(t.app.read(QStringLiteral("TX/small.jp2")), source);
    const QImage sent = loadPicture(jp2);
    const QRgb band = sent.pixel(4, 240); // the frame colour 216, 158, 39
    EXPECT_GT(qRed(band), 150);
    EXPECT_LT(qBlue(band), 100);
    EXPECT_GT(qBlue(sent.pixel(320, 240)), 200);
}

TEST_F(ComposerOutputsTest, CompressedWithoutATransmitFileSaysSo) {
    t.state.settings.resizeSetting = QStringLiteral("No Resize");
    setCurrent(QStringLiteral("sky.jpg"), filled(64, 48, qRgb(0, 0, 255)));
    open();
    form->cmdTx->click();
    EXPECT_TRUE(t.windows.opened.isEmpty());
    ASSERT_EQ(t.prompts.messages().size(), 1);
    EXPECT_EQ(t.prompts.messages()[0],
              t.state.transmit.txFolder + QStringLiteral("/sky.jp2") + text(93));
}

TEST_F(ComposerOutputsTest, InfoShowsFiveLinesOverTheCanvas) {
    setCurrent(QStringLiteral("a name of thirty characters.jpg"), filled(320, 240, qRgb(9, 9, 9)));
    open();
    form->txtInfo->hide();
    form->cmdInfo->click();
    EXPECT_TRUE(form->txtInfo->isVisible());
    const QStringList lines = form->txtInfo->text().split(u'\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], u"  " + text(73) + u" = a name of thirty characte");
    EXPECT_EQ(lines[1], u"  " + text(76) + u" = " + rx());
    EXPECT_EQ(lines[2], u"  " + text(77) + u" = 320 x 240 " + text(8));
    form->cmdOrig->click();
    EXPECT_FALSE(form->txtInfo->isVisible());
}

struct InfoGif : ComposerOutputsTest {
    InfoGif() {
        t.state.transmit.namePrefix = QStringLiteral("QV1DEV_");
        setCurrent(QStringLiteral("anim.GIF"), filled(40, 30, qRgb(0, 255, 0)));
    }
};

TEST_F(InfoGif, ReportsTheTransmitCopy) {
    ASSERT_TRUE(QFile::copy(rx() + QStringLiteral("anim.GIF"),
                            t.state.transmit.txFolder + QStringLiteral("/QV1DEV_anim.GIF")));
    const InfoFacts f = infoFacts(t.state, composerPicture(request.picture));
    EXPECT_EQ(f.folder, t.state.transmit.txFolder + u'/');
    EXPECT_EQ(f.name, u"QV1DEV_anim.GIF");
    EXPECT_EQ(QSize(f.width, f.height), QSize(40, 30));
    EXPECT_EQ(f.bytes, QFileInfo(rx() + QStringLiteral("anim.GIF")).size());
}

TEST_F(InfoGif, WithoutATransmitCopyReportsTheGifItself) {
    const InfoFacts f = infoFacts(t.state, composerPicture(request.picture));
    EXPECT_EQ(f.folder, rx());
    EXPECT_EQ(f.name, u"anim.GIF");
    EXPECT_EQ(QSize(f.width, f.height), QSize(40, 30));
    EXPECT_GT(f.bytes, 0);
}

TEST(InfoReport, FileSizeAndDateLines) {
    std::array<QString, kTextEntries> text;
    text[74] = QStringLiteral("File size");
    text[75] = QStringLiteral("Date");
    text[9] = QStringLiteral("bytes");
    const InfoFacts f{QStringLiteral("x.jpg"),
                      QStringLiteral("/p/"),
                      1,
                      1,
                      1234567,
                      QDateTime(QDate(2026, 12, 7), QTime(9, 57))};
    const QStringList lines = infoReport(text, f, QLocale::c()).split(u'\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[3], u"  File size = 1,234,567 bytes");
    EXPECT_TRUE(lines[4].startsWith(u"  Date = ")) << lines[4].toStdString();
    EXPECT_TRUE(lines[4].contains(u"09:57")) << lines[4].toStdString();
}

struct FilterCase {
    const char* name;
    int filter;
};
class SaveFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(SaveFilter, ChosenFirstByTheLastThreeLetters) {
    EXPECT_EQ(savePictureFilterFor(QString::fromUtf8(GetParam().name)), GetParam().filter);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveFilter,
                         ::testing::Values(FilterCase{"a.bmp", 0}, FilterCase{"a.GIF", 1},
                                           FilterCase{"a.jp2", 2}, FilterCase{"a b.Jpg", 3},
                                           FilterCase{"a.png", 4}, FilterCase{"notes.txt", -1},
                                           FilterCase{"", -1}));

TEST(SaveExtension, AddedOnlyWhenTheNameHasNoneOfTheFive) {
    EXPECT_EQ(withSaveExtension(QStringLiteral("/p/sky"), 3), u"/p/sky.jpg");
    EXPECT_EQ(withSaveExtension(QStringLiteral("/p/sky.PNG"), 3), u"/p/sky.PNG");
    EXPECT_EQ(withSaveExtension(QStringLiteral("/p/sky.v2"), 2), u"/p/sky.v2.jp2");
    EXPECT_EQ(withSaveExtension(QStringLiteral("/p/sky"), -1), u"/p/sky");
}

} // namespace
} // namespace quiverel
