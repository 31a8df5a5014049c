// The size sliders as the composer and the size window hold them: the
// sizes they hand back, i_view32.ini written only when the size settles, and
// the hand-off that follows them once their owner keeps the sizes.

#include "app/setup_ini.h"
#include "app/unit_scale.h"
#include "composer/size_controls.h"
#include "convert/iview_ini.h"
#include "imaging/picture_file.h"
#include "mainwindow/transmit.h"
#include "support/test_context.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct SizeControlsTest : ::testing::Test {
    test::TestContext t{test::TestConverter::InProcess};
    QWidget host;
    UnitScale* units = nullptr;
    SizeControls* controls = nullptr;

    void SetUp() override {
        t.readTextTable();
        Settings& s = t.state.settings;
        s.jp2TargetSize = 15000;
        s.resizeSetting = QStringLiteral("800x600");
        deriveResize(s);
        host.resize(720, 480);
        units = new UnitScale(&host, QSizeF(720, 480));
        controls = new SizeControls(t.ctx, SizeControlsPlaces::composer(), &host);
        controls->placeIn(*units);
    }
    void load() { controls->load(sizesOf(t.state.settings)); }
    // Keeps every change in the settings, as the owner of the sliders does.
    void keepSizes() {
        QObject::connect(controls, &SizeControls::sizesChanged, &host,
                         [this](const SizeResult& r) { applySizes(t.state.settings, r); });
    }
    QByteArray iniBytes() const { return t.app.read(QStringLiteral("ini/i_view32.ini")); }
    static QByteArray fourLines(int bytes) {
        return "[JP2]\r\nSaveOption = 3\r\nSaveQuality = 90\r\nSaveCompressionFileSize = " +
               QByteArray::number(bytes) + "\r\n";
    }
};

TEST_F(SizeControlsTest, LoadShowsTheSettings) {
    load();
    EXPECT_EQ(controls->sliSize->value(), 15);
    EXPECT_EQ(controls->sliResize->value(), 5);
    EXPECT_EQ(controls->lblSize->text(), QStringLiteral("15,000 bytes"));
    EXPECT_EQ(controls->lblResize->text(), QStringLiteral("800x600 pixels"));
    // Nothing was changed, so the converter's file is left alone.
    EXPECT_FALSE(t.app.exists(QStringLiteral("ini/i_view32.ini")));
    // In the composer's place: 10, 430 to 340, 474 of 720 x 480.
    EXPECT_EQ(controls->geometry(), QRect(10, 430, 330, 44));
    EXPECT_EQ(controls->sliResize->geometry(), QRect(200, 17, 130, 27));
}

TEST_F(SizeControlsTest, AHalfThousandIsReadBackToEvenAndTheFileFollows) {
    for (auto [setting, slider] : {std::pair{12500, 12}, std::pair{13500, 14}}) {
        t.state.settings.jp2TargetSize = setting;
        writeIviewIni(t.app.ini(QStringLiteral("i_view32.ini")), setting);
        QSignalSpy stale(controls, &SizeControls::sizesChanged);
        load();
        EXPECT_EQ(controls->sliSize->value(), slider);
        EXPECT_EQ(controls->values().jp2TargetSize, slider * 1000);
        EXPECT_EQ(controls->lblSize->text(), QStringLiteral("%1,000 bytes").arg(slider));
        // What the next JPEG 2000 file aims at is what the slider shows.
        EXPECT_EQ(iniBytes(), fourLines(slider * 1000));
        ASSERT_EQ(stale.count(), 1);
        EXPECT_EQ(stale[0][0].value<SizeResult>().jp2TargetSize, slider * 1000);
        // The sliders hand the size back; the settings are their owner's.
        EXPECT_EQ(t.state.settings.jp2TargetSize, setting);
    }
}

TEST_F(SizeControlsTest, ASizeChangeRewritesTheSettingsFile) {
    t.app.write(QStringLiteral("ini/i_view32.ini"), "[JP2]\r\nSaveOption = 1\r\n[More]\r\nx=1\r\n");
    load();
    QSignalSpy changed(controls, &SizeControls::sizeChanged);
    QSignalSpy stale(controls, &SizeControls::sizesChanged);
    controls->sliSize->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(controls->values().jp2TargetSize, 20000);
    EXPECT_EQ(controls->lblSize->text(), QStringLiteral("20,000 bytes"));
    EXPECT_EQ(iniBytes(), fourLines(20000));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_GE(stale.count(), 1);
}

TEST_F(SizeControlsTest, WhileTheThumbIsDraggedTheFileWaitsForTheRelease) {
    load();
    QSignalSpy scrolled(controls, &SizeControls::sizeScrolled);
    QSignalSpy changed(controls, &SizeControls::sizeChanged);
    controls->sliSize->setSliderDown(true);
    controls->sliSize->setValue(40);
    controls->sliSize->setValue(45);
    EXPECT_EQ(controls->values().jp2TargetSize, 45000);
    EXPECT_EQ(controls->lblSize->text(), QStringLiteral("45,000 bytes"));
    EXPECT_EQ(scrolled.count(), 2);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(t.app.exists(QStringLiteral("ini/i_view32.ini")));
    controls->sliSize->setSliderDown(false);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(iniBytes(), fourLines(45000));
    // Let go where it was picked up: nothing settled, nothing written.
    controls->sliSize->setSliderDown(true);
    controls->sliSize->setSliderDown(false);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(SizeControlsTest, TheResizeSliderSetsTheResizeAndLeavesTheFileAlone) {
    load();
    QSignalSpy stale(controls, &SizeControls::sizesChanged);
    controls->sliResize->setValue(10);
    EXPECT_EQ(controls->values().resizeSetting, QStringLiteral("No Resize"));
    EXPECT_FALSE(controls->values().resizeEnabled);
    EXPECT_EQ(controls->lblResize->text(), QStringLiteral("No Resize"));
    controls->sliResize->setValue(3);
    const SizeResult last = stale.last()[0].value<SizeResult>();
    EXPECT_EQ(last.resizeSetting, QStringLiteral("640x480"));
    EXPECT_EQ(QSize(last.resizeWidth, last.resizeHeight), QSize(640, 480));
    EXPECT_EQ(last.jp2TargetSize, 15000);
    EXPECT_EQ(stale.count(), 2);
    EXPECT_FALSE(t.app.exists(QStringLiteral("ini/i_view32.ini")));
}

TEST_F(SizeControlsTest, AnUnwritableSettingsFileIsToldOnceAndTheSettingStillFollows) {
    // A folder where the file should be: no write can replace it.
    QDir().mkpath(t.app.ini(QStringLiteral("i_view32.ini")));
    load();
    controls->sliSize->setValue(30);
    controls->sliSize->setValue(31);
    EXPECT_EQ(controls->values().jp2TargetSize, 31000);
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_TRUE(t.prompts.shown()[0].text.startsWith(t.app.ini(QStringLiteral("i_view32.ini"))));
    EXPECT_TRUE(QFileInfo(t.app.ini(QStringLiteral("i_view32.ini"))).isDir());
}

TEST_F(SizeControlsTest, ANewResizeAndSizeTakeEffectAtTheNextHandOff) {
    t.state.transmit.txFolder = t.app.path() + QStringLiteral("/TX");
    QDir().mkpath(t.state.transmit.txFolder);
    const QString rx = t.app.path() + QStringLiteral("/rx/");
    QDir().mkpath(rx);
    QImage img(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    ASSERT_TRUE(savePicture(img, rx + QStringLiteral("big.png")));
    const HandOff handOff{rx, QStringLiteral("big.png"), img, false, true, true};
    const QString tx = t.state.transmit.txFolder + u'/';
    const Pause pause = [](int) {};

    keepSizes();
    load();
    controls->sliResize->setValue(10);
    ASSERT_TRUE(SendToTransmit(t.ctx, handOff, pause));
    EXPECT_FALSE(QFileInfo::exists(tx + QStringLiteral("big.jp2")));
    EXPECT_EQ(loadPicture(tx + QStringLiteral("big.bmp")).size(), QSize(1600, 1200));

    controls->sliResize->setValue(3);
    controls->sliSize->setValue(8);
    ASSERT_TRUE(SendToTransmit(t.ctx, handOff, pause));
    EXPECT_EQ(loadPicture(tx + QStringLiteral("big.bmp")).size(), QSize(640, 480));
    EXPECT_EQ(loadPicture(tx + QStringLiteral("big.jp2")).size(), QSize(640, 480));
    const qint64 jp2 = QFileInfo(tx + QStringLiteral("big.jp2")).size();
    EXPECT_GT(jp2, 0);
    EXPECT_LE(jp2, 8000);
}

} // namespace
