#include "composer/composer_canvas.h"
#include "composer/form3.h"
#include "composer/size_controls.h"
#include "composer_fixture.h"
#include "imaging/picture_file.h"
#include "support/test_context.h"
#include "texteffects/transparent_region.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>

namespace quiverel {
namespace {

class Form3Test : public ComposerFixture {
protected:
    // A synthetic mouse event on a layer, at a point of the canvas.
    void mouse(QWidget* layer, QEvent::Type type, QPoint canvasPoint, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
        const QPointF local = layer->mapFromParent(canvasPoint);
        QMouseEvent e(type, local, layer->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(layer, &e);
    }
};

TEST_F(Form3Test, PictureWithoutWidthIsNotOpened) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    request.picture.size = QSize(0, 480);
    EXPECT_EQ(open(), nullptr);
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].title, QStringLiteral("Brisendale"));
    EXPECT_EQ(t.prompts.shown()[0].text, QStringLiteral("Can't display this image"));
    EXPECT_EQ(t.prompts.shown()[0].icon, PromptIcon::Warning);
}

TEST_F(Form3Test, OpensOnThePictureFittedIntoTheCanvasBox) {
    setCurrent(QStringLiteral("wide ö.png"), filled(320, 256, qRgb(10, 20, 30)));
    ASSERT_NE(open(), nullptr);
    const QRectF c = form->canvasRect();
    EXPECT_DOUBLE_EQ(c.width(), 497.5);
    EXPECT_DOUBLE_EQ(c.center().x(), 285);
    EXPECT_DOUBLE_EQ(c.center().y(), 215);
    const qint64 bytes = QFileInfo(rx() + QStringLiteral("wide ö.png")).size();
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("320 x 256    ") + QString::number(bytes) + QStringLiteral(" bytes"));
    EXPECT_EQ(form->cmdPic->text(), QStringLiteral("Add Pic"));
    EXPECT_EQ(form->cmdFrame->text(), QStringLiteral("Add Frame"));
    EXPECT_EQ(form->cmdClose->text(), QStringLiteral("Close"));
    EXPECT_EQ(form->lblJP2->text(), t.state.text[59]);
    EXPECT_EQ(form->sizeControls->sliSize->maximum(), 120); // the size sliders are in place
    EXPECT_EQ(form->size(), QSize(720, 480));
    EXPECT_FALSE(form->picMug->isVisible());
    EXPECT_FALSE(form->txtInfo->isVisible());
}

TEST_F(Form3Test, MissingMugShotIsTold) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    open();
    form->cmdMug_Click();
    EXPECT_EQ(t.prompts.messages(), QStringList{t.state.text[84] + u'\n' + t.state.text[85]});
    EXPECT_FALSE(form->picMug->isVisible());
}

TEST_F(Form3Test, LayersArriveInTheThumbnailBoxAndOnlyTheFirstGetsTheHint) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    savePicture(filled(640, 480, qRgb(255, 0, 0)), t.app.path() + QStringLiteral("/Mug.jpg"));
    savePicture(filled(480, 640, qRgb(0, 255, 0)), rx() + QStringLiteral("tall 'one'.png"));
    open();
    form->cmdMug_Click();
    EXPECT_EQ(form->layerRect(Form3::Mug), QRectF(0, 0, 112, 84));
    EXPECT_TRUE(form->picMug->isVisible());
    EXPECT_TRUE(form->txtInfo->isVisible());
    EXPECT_TRUE(t.state.transmit.composerEdited);

    t.prompts.answerText(rx() + QStringLiteral("tall 'one'.png"));
    form->cmdPic_Click();
    EXPECT_EQ(form->layerRect(Form3::Pic), QRectF(0, 0, 63, 84));
    EXPECT_FALSE(form->txtInfo->isVisible());
    EXPECT_EQ(form->result().pictureFolder, rx());
    EXPECT_EQ(t.prompts.shown().last().title, t.state.text[95]);
}

TEST_F(Form3Test, LargeSecondPictureIsShownSmallButCompositedInFull) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    savePicture(filled(3000, 2000, qRgb(0, 255, 0)), rx() + QStringLiteral("big.bmp"));
    open();
    t.prompts.answerText(rx() + QStringLiteral("big.bmp"));
    form->cmdPic_Click();
    EXPECT_EQ(form->picPic->pixmap().size(), form->picPic->size());
    EXPECT_EQ(form->layerPicture(Form3::Pic).size(), QSize(3000, 2000));
    ASSERT_TRUE(form->composition().picture.has_value());
    EXPECT_EQ(form->composition().picture->picture.size(), QSize(3000, 2000));
}

TEST_F(Form3Test, UnreadablePictureIsToldAndAddsNothing) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    QFile bad(rx() + QStringLiteral("broken.jpg"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    open();
    t.prompts.answerText(bad.fileName());
    form->cmdPic_Click();
    EXPECT_FALSE(form->picPic->isVisible());
    EXPECT_EQ(t.prompts.shown().last().title, QStringLiteral("Brisendale"));
}

TEST_F(Form3Test, DragKeepsTheGrabbedPointUnderThePointer) {
    t.state.settings.guiScale = 1.25; // canvas units are not pixels
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    savePicture(filled(640, 480, qRgb(255, 0, 0)), t.app.path() + QStringLiteral("/Mug.jpg"));
    open();
    form->cmdMug_Click();
    QLabel* layer = form->picMug;
    const QPoint grabbed(20, 30); // in the layer
    QPoint pointer = layer->mapToParent(grabbed);
    mouse(layer, QEvent::MouseButtonPress, pointer, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint to : {QPoint(150, 120), QPoint(300, 200), QPoint(90, 250)}) {
        mouse(layer, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        const QPoint under = layer->mapToParent(grabbed);
        EXPECT_LE((under - to).manhattanLength(), 2) << to.x() << "," << to.y();
    }
    EXPECT_NEAR(form->layerRect(Form3::Mug).left() * 1.25, layer->x(), 1);
}

TEST_F(Form3Test, RightDragResizesKeepingTheRatioAndNotLeftOrAbove) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    savePicture(filled(640, 480, qRgb(255, 0, 0)), t.app.path() + QStringLiteral("/Mug.jpg"));
    open();
    form->cmdMug_Click();
    form->setLayerRect(Form3::Mug, QRectF(100, 100, 112, 84));
    QLabel* layer = form->picMug;
    mouse(layer, QEvent::MouseButtonPress, QPoint(150, 150), Qt::RightButton, Qt::RightButton);
    mouse(layer, QEvent::MouseMove, QPoint(95, 180), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(form->layerRect(Form3::Mug), QRectF(100, 100, 112, 84));
    mouse(layer, QEvent::MouseMove, QPoint(180, 98), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(form->layerRect(Form3::Mug), QRectF(100, 100, 112, 84));
    mouse(layer, QEvent::MouseMove, QPoint(156, 300), Qt::NoButton, Qt::RightButton);
    const QRectF r = form->layerRect(Form3::Mug);
    EXPECT_EQ(r.topLeft(), QPointF(100, 100));
    EXPECT_NEAR(r.width(), 56, 0.5); // the canvas is a fraction of a unit off whole pixels
    EXPECT_DOUBLE_EQ(r.height() / r.width(), 0.75);
}

TEST_F(Form3Test, CloseSendsTheCompositeAndLeavesThePictureFile) {
    setCurrent(QStringLiteral("rx pic.png"), filled(800, 400, qRgb(0, 0, 255)));
    const QByteArray original = t.app.read(QStringLiteral("rx with blanks/rx pic.png"));
    savePicture(filled(64, 48, qRgb(255, 0, 0)), t.app.path() + QStringLiteral("/Mug.jpg"));
    open();
    form->cmdMug_Click();
    form->setLayerRect(Form3::Mug, QRectF(200, 100, 112, 84));
    QSignalSpy closed(form.data(), &Form3::closed);
    form->cmdClose_Click();
    ASSERT_EQ(closed.size(), 1);

    const QImage sent = loadPicture(t.state.transmit.txFolder + QStringLiteral("/rx pic.bmp"));
    ASSERT_EQ(sent.size(), QSize(800, 400));
    const double s = 800.0 / 534;
    const QRgb mug = sent.pixel(int(250 * s), int(140 * s)); // from a JPEG
    EXPECT_GT(qRed(mug), 240);
    EXPECT_LT(qBlue(mug), 16);
    EXPECT_EQ(sent.pixel(int(150 * s), int(140 * s)), qRgb(0, 0, 255));
    EXPECT_EQ(t.state.transmit.picture.size(), QSize(800, 400));
    EXPECT_TRUE(t.state.transmit.composerEdited);
    EXPECT_EQ(t.app.read(QStringLiteral("rx with blanks/rx pic.png")), original);
    EXPECT_TRUE(t.desktop.clipboard.picture.size() == QSize(800, 400));
}

TEST_F(Form3Test, FramePreviewAndClear) {
    setCurrent(QStringLiteral("a.png"), filled(530, 398, qRgb(0, 0, 0)));
    open();
    form->cmdFrame_Click();
    EXPECT_TRUE(form->frame.Frame1->isVisible());
    form->frame.Slider1->setValue(10);
    EXPECT_EQ(form->result().frames.width, 10);
    EXPECT_EQ(form->result().frames.state, 5);
    EXPECT_EQ(form->picQSL->framePreview()[Top].size(), 11);
    EXPECT_TRUE(form->composition().frame.width == 10);

    form->cmdClrQsl_Click();
    EXPECT_EQ(form->result().frames.width, 1);
    EXPECT_EQ(form->result().frames.state, 1);
    EXPECT_TRUE(form->picQSL->framePreview()[Top].isEmpty());
    const QImage composite = ComposeFullSize(form->composition());
    EXPECT_EQ(composite, request.picture.picture.convertToFormat(QImage::Format_RGB32));
}

TEST_F(Form3Test, FrameInForceFromAnEarlierOpeningIsPreviewed) {
    request.frames.width = 6;
    setCurrent(QStringLiteral("a.png"), filled(320, 256, qRgb(0, 0, 0)));
    open();
    EXPECT_EQ(form->frame.Slider1->value(), 6);
    EXPECT_EQ(form->picQSL->framePreview()[Left].size(), 7);
    EXPECT_TRUE(t.state.transmit.composerEdited) << "the transmit files get it too";
}

TEST_F(Form3Test, FrameStyleAndColourChangesAreEdits) {
    setCurrent(QStringLiteral("a.png"), filled(320, 256, qRgb(0, 0, 0)));
    open();
    bool& edited = t.state.transmit.composerEdited;
    form->frame.Option2->click();
    EXPECT_TRUE(std::exchange(edited, false));
    t.prompts.answerColour(QColor(1, 2, 3));
    form->cmdColor_Click();
    EXPECT_TRUE(edited);
}

struct ControlPlace {
    const char* name;
    QRectF units;
};

class Form3Places : public Form3Test, public ::testing::WithParamInterface<ControlPlace> {};

TEST_P(Form3Places, AtTheirPlaceAtTheGuiScale) {
    t.state.settings.guiScale = 1.5;
    setCurrent(QStringLiteral("a.png"), filled(320, 256, qRgb(0, 0, 0)));
    open();
    auto* w = form->findChild<QWidget*>(QString::fromLatin1(GetParam().name));
    ASSERT_TRUE(w && w->isVisible());
    const QRectF u = GetParam().units;
    const auto px = [](double v) { return int(std::lround(v * 1.5)); };
    EXPECT_EQ(w->geometry(), QRect(QPoint(px(u.left()), px(u.top())),
                                   QPoint(px(u.right()) - 1, px(u.bottom()) - 1)));
}

INSTANTIATE_TEST_SUITE_P(Controls, Form3Places,
                         ::testing::Values(ControlPlace{"lblJP2", {149, 428, 61, 50}},
                                           ControlPlace{"P_Bar", {565, 370, 140, 15}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form3Test, SlidersTellTheMainWindowWhileTheyMove) {
    setCurrent(QStringLiteral("a.png"), filled(320, 256, qRgb(0, 0, 0)));
    open();
    QSignalSpy stale(form.data(), &Form3::sizesChanged);
    form->sizeControls->sliSize->setSliderDown(true); // dragged, not yet let go
    form->sizeControls->sliSize->setValue(37);
    EXPECT_EQ(stale.count(), 1);
    form->sizeControls->sliResize->setValue(3);
    ASSERT_EQ(stale.count(), 2);
    const SizeResult last = stale.last()[0].value<SizeResult>();
    EXPECT_EQ(last.jp2TargetSize, 37000);
    EXPECT_EQ(last.resizeSetting, QStringLiteral("640x480"));
}

TEST_F(Form3Test, TextLayerTakesTheMouseOnlyOnItsGlyphs) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    open();
    QImage text = filled(60, 30, qRgb(255, 255, 255));
    for (int y = 10; y < 20; ++y)
        for (int x = 5; x < 25; ++x)
            text.setPixel(x, y, qRgb(0, 0, 0));
    TextEffectsResult r{text, glyphMask(text, 16777215), {}, {}};
    r.settings.effectText = QStringLiteral("Hi");
    r.settings.depth = 3;
    t.windows.textEffectsAnswer = r;
    form->cmdText_Click();
    EXPECT_EQ(t.windows.opened, QList<WindowKind>{WindowKind::TextEffects});
    EXPECT_TRUE(form->picTxt->isVisible());
    EXPECT_EQ(form->picTxt->size(), QSize(60, 30));
    EXPECT_TRUE(form->picTxt->mask().contains(QPoint(10, 15)));
    EXPECT_FALSE(form->picTxt->mask().contains(QPoint(40, 5)));
    ASSERT_TRUE(form->composition().text.has_value());
    EXPECT_EQ(form->composition().text->settings.depth, 3) << "drawn as the dialog returned it";
    EXPECT_TRUE(t.state.textEffects.effectText.isEmpty());
}

TEST_F(Form3Test, EveryNewTextLandsAtTheLeftHundredDownWithItsNoteAbove) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 0)));
    open();
    const QImage text = filled(60, 30, qRgb(0, 0, 0));
    TextEffectSettings hi;
    hi.effectText = QStringLiteral("Hi");
    for (int round = 0; round < 2; ++round) {
        t.windows.textEffectsAnswer = TextEffectsResult{text, glyphMask(text, 16777215), hi, {}};
        form->cmdText_Click();
        EXPECT_EQ(form->layerRect(Form3::Txt).topLeft(), QPointF(0, 100));
        EXPECT_EQ(form->picTxt->pos(), QPoint(0, 100));
        EXPECT_EQ(form->txtInfo->geometry(), QRect(10, 55, 330, 45));
        EXPECT_EQ(form->txtInfo->isVisible(), round == 0) << "the note after the first text only";
        form->setLayerRect(Form3::Txt, QRectF(300, 20, 60, 30)); // dragged away
    }
}

TEST_F(Form3Test, CloseDuringTheOpeningHandOffWaitsForItWithoutHanging) {
    setCurrent(QStringLiteral("a.png"), filled(640, 480, qRgb(0, 0, 255)));
    open();
    QSignalSpy closed(form.data(), &Form3::closed);
    // Close is pressed while the hand-off of the click that opened the
    // composer waits in an event loop of its own.
    QTimer::singleShot(0, form.data(), [this] { form->cmdClose_Click(); });
    t.state.transmit.handOffRunning = true;
    QEventLoop handOff;
    QTimer::singleShot(100, &handOff, &QEventLoop::quit);
    handOff.exec();
    t.state.transmit.handOffRunning = false;
    EXPECT_EQ(closed.count(), 0);
    ASSERT_TRUE(closed.wait());
}

} // namespace
} // namespace quiverel
