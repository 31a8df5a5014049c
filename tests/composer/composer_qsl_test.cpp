#include "composer/composer_canvas.h"
#include "composer/composer_qsl.h"
#include "composer/form3.h"
#include "imaging/picture_file.h"
#include "support/test_context.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace quiverel {
namespace {

QImage filled(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// The process's time zone for the length of a test.
class ZoneForTest {
public:
    explicit ZoneForTest(const char* tz)
        : old_(qgetenv("TZ")), had_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", tz);
        tzset();
    }
    ~ZoneForTest() {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray old_;
    bool had_;
};

TEST(QslCardName, LateEveningWestOfUtcCarriesTheNextDay) {
    const ZoneForTest zone("EST5EDT,M3.2.0,M11.1.0");
    FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 40)));
    EXPECT_EQ(qslCardName(QStringLiteral("K1ABC"), clock.utcNow()),
              QStringLiteral("K1ABC 12-7-26 0459Z"));
}

TEST(QslCardName, EmptyCallStartsWithABlank) {
    const QDateTime utc(QDate(2026, 12, 7), QTime(9, 57), QTimeZone::utc());
    EXPECT_EQ(qslCardName(QString(), utc), QStringLiteral(" 12-7-26 0957Z"));
}

class ComposerQslTest : public ::testing::Test {
protected:
    ComposerQslTest() {
        t.readTextTable();
        t.state.settings.guiScale = 1.0;
        t.state.settings.callSign = QStringLiteral("G4XYZ");
        t.state.transmit.txFolder = t.app.path() + QStringLiteral("/TX");
        QDir().mkpath(t.state.transmit.txFolder);
        QDir().mkpath(rx());
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(9, 57, 3), QTimeZone::utc()));
        savePicture(filled(640, 480, qRgb(0, 0, 255)), rx() + QStringLiteral("sky.png"));
        PictureRef& p = request.picture;
        p.folder = rx();
        p.fileName = QStringLiteral("sky.png");
        p.picture = loadPicture(rx() + p.fileName);
        p.size = QSize(640, 480);
    }
    ~ComposerQslTest() override {
        if (form) {
            form->setAttribute(Qt::WA_DeleteOnClose, false);
            delete form.data();
        }
    }
    QString rx() const { return t.app.path() + QStringLiteral("/rx/"); }
    QString qsl() const { return t.app.path() + QStringLiteral("/Qsl/"); }

    // What "Ok" in the QSL dialog hands back.
    void stampAs(const QString& call) {
        t.windows.qslAnswer =
            QslResult{filled(640, 480, qRgb(255, 255, 0)),
                      filled(form->picQSL->width(), form->picQSL->height(), qRgb(0, 255, 0)), call};
    }

    test::TestContext t{test::TestConverter::InProcess};
    ComposerRequest request;
    QPointer<Form3> form;
};

TEST_F(ComposerQslTest, CardIsMadeOnTheTransmitPictureAndWarnsWithoutCallSign) {
    t.state.settings.callSign.clear();
    ASSERT_TRUE(savePicture(filled(320, 240, qRgb(255, 0, 0)),
                            t.state.transmit.txFolder + QStringLiteral("/sky.jp2")));
    form = Form3::open(t.ctx, request, nullptr);
    form->cmdQSL_Click();
    EXPECT_EQ(t.prompts.messages(), QStringList{t.state.text[81] + u'\n' + t.state.text[82]});
    ASSERT_EQ(t.windows.opened, QList<WindowKind>{WindowKind::QslDialog});
    const QslRequest& r = t.windows.calls[0].qsl;
    EXPECT_EQ(r.picture.size(), QSize(320, 240));
    EXPECT_GT(qRed(r.picture.pixel(100, 100)), 200);
    EXPECT_EQ(r.canvasUnits, form->canvasRect().size());
    EXPECT_EQ(r.canvasPixels, form->picQSL->size());
    EXPECT_EQ(form->composition().qslPicture, QSize(320, 240));
    EXPECT_TRUE(t.state.transmit.composerEdited);
    // Closed without "Ok": no card on the canvas.
    EXPECT_EQ(form->composition().qslCardState, 0);
    EXPECT_FALSE(form->cmdSaveQsl->isEnabled());
}

TEST_F(ComposerQslTest, HandOffStillWritingTheTransmitFileIsWaitedFor) {
    form = Form3::open(t.ctx, request, nullptr);
    t.state.transmit.handOffRunning = true;
    QTimer::singleShot(0, form, [this] {
        savePicture(filled(320, 240, qRgb(255, 0, 0)),
                    t.state.transmit.txFolder + QStringLiteral("/sky.jp2"));
        t.state.transmit.handOffRunning = false;
    });
    form->cmdQSL_Click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !t.windows.calls.isEmpty(); }));
    EXPECT_EQ(t.windows.calls[0].qsl.picture.size(), QSize(320, 240));
    EXPECT_TRUE(form->cmdQSL->isEnabled());
}

TEST_F(ComposerQslTest, AnotherPicturesTransmitFileIsNotTheCardsBase) {
    ASSERT_TRUE(savePicture(filled(320, 240, qRgb(255, 0, 0)),
                            t.state.transmit.txFolder + QStringLiteral("/earlier.jp2")));
    form = Form3::open(t.ctx, request, nullptr);
    form->cmdQSL_Click();
    ASSERT_EQ(t.windows.calls.size(), 1);
    EXPECT_EQ(t.windows.calls[0].qsl.picture.size(), QSize(640, 480));
}

TEST_F(ComposerQslTest, WithoutTransmitFileTheCardIsMadeOnThePicture) {
    form = Form3::open(t.ctx, request, nullptr);
    form->cmdQSL_Click();
    EXPECT_TRUE(t.prompts.messages().isEmpty());
    ASSERT_EQ(t.windows.calls.size(), 1);
    EXPECT_EQ(t.windows.calls[0].qsl.picture.size(), QSize(640, 480));
}

TEST_F(ComposerQslTest, StampedCardIsShownAndIsTheCompositesBase) {
    form = Form3::open(t.ctx, request, nullptr);
    stampAs(QStringLiteral("K1ABC"));
    form->cmdQSL_Click();
    EXPECT_EQ(form->composition().qslCardState, 2);
    EXPECT_TRUE(form->cmdSaveQsl->isEnabled());
    EXPECT_EQ(form->picQSL->picture().pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("QSL  640 x 480    0 bytes"));
    const QImage composite = ComposeFullSize(form->composition());
    EXPECT_EQ(composite.size(), QSize(640, 480));
    EXPECT_EQ(composite.pixel(5, 5), qRgb(255, 255, 0)) << "the card, not the blue picture";

    form->cmdClrQsl_Click();
    EXPECT_FALSE(form->cmdSaveQsl->isEnabled());
    EXPECT_EQ(ComposeFullSize(form->composition()).size(), QSize(640, 480));
}

TEST_F(ComposerQslTest, LayerOnTheCardLandsWhereTheCanvasShowsItAtAnyGuiScale) {
    t.state.settings.guiScale = 1.25;
    savePicture(filled(64, 64, qRgb(255, 0, 0)), t.app.path() + QStringLiteral("/Mug.jpg"));
    form = Form3::open(t.ctx, request, nullptr);
    stampAs(QStringLiteral("K1ABC"));
    form->cmdQSL_Click();
    form->cmdMug_Click();
    const QSizeF canvas = form->canvasRect().size();
    form->setLayerRect(Form3::Mug, QRectF(canvas.width() / 2, canvas.height() / 2, 20, 20));
    // The middle of the canvas is the middle of the card.
    const QImage composite = ComposeFullSize(form->composition());
    const QRgb mug = composite.pixel(323, 243); // a JPEG's red
    EXPECT_TRUE(qRed(mug) > 240 && qGreen(mug) < 20) << std::hex << mug;
    EXPECT_EQ(composite.pixel(317, 237), qRgb(255, 255, 0));
}

TEST_F(ComposerQslTest, NoCallTypedLeavesSaveQslDisabled) {
    form = Form3::open(t.ctx, request, nullptr);
    stampAs(QString());
    form->cmdQSL_Click();
    EXPECT_EQ(form->composition().qslCardState, 2);
    EXPECT_FALSE(form->cmdSaveQsl->isEnabled());
}

TEST_F(ComposerQslTest, SaveQslWritesOnlyTheJpegOfTheCanvasCard) {
    form = Form3::open(t.ctx, request, nullptr);
    stampAs(QStringLiteral("DL\u00D8ABC/P"));
    form->cmdQSL_Click();
    form->cmdSaveQsl->click();
    const QString name = QStringLiteral("DL\u00D8ABC_P 12-7-26 0957Z");
    EXPECT_EQ(QDir(qsl()).entryList(QDir::Files), QStringList{name + QStringLiteral(".jpg")});
    EXPECT_EQ(loadPicture(qsl() + name + QStringLiteral(".jpg")).size(), form->picQSL->size());
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].title, t.state.text[83]);
    EXPECT_EQ(t.prompts.shown()[0].text, name + u'\n' + t.state.text[71] + u'\n' + qsl());
}

TEST_F(ComposerQslTest, SecondCardOfTheMinuteGoesToRenameOrReplace) {
    form = Form3::open(t.ctx, request, nullptr);
    stampAs(QStringLiteral("K1ABC"));
    form->cmdQSL_Click();
    const QString first = qsl() + QStringLiteral("K1ABC 12-7-26 0957Z.jpg");
    QDir().mkpath(qsl());
    savePicture(filled(40, 30, qRgb(255, 0, 0)), first); // an earlier card of that minute
    form->cmdSaveQsl->click();
    ASSERT_EQ(t.windows.opened,
              (QList<WindowKind>{WindowKind::QslDialog, WindowKind::RenameReplace}));
    const ClashRequest& clash = t.windows.calls[1].clash;
    EXPECT_EQ(clash.mode, 3);
    EXPECT_EQ(clash.chosenPath, first);
    EXPECT_EQ(clash.pictureToSave.size(), form->picQSL->size());
    EXPECT_EQ(clash.targetPicture.size(), QSize(40, 30));
    // Nothing written, nothing said: the dialog owns the rest of the save.
    EXPECT_EQ(QDir(qsl()).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(loadPicture(first).size(), QSize(40, 30));
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}

TEST_F(ComposerQslTest, FailedSaveIsToldInsteadOfSuccess) {
    QFile blocker(t.app.path() + QStringLiteral("/Qsl"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    form = Form3::open(t.ctx, request, nullptr);
    stampAs(QStringLiteral("K1ABC"));
    form->cmdQSL_Click();
    form->cmdSaveQsl_Click();
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].icon, PromptIcon::Warning);
    EXPECT_NE(t.prompts.shown()[0].title, t.state.text[83]);
    EXPECT_TRUE(t.prompts.shown()[0].text.contains(QStringLiteral("K1ABC 12-7-26 0957Z.jpg")));
}

} // namespace
} // namespace quiverel
