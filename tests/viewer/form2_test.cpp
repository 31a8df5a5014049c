#include "viewer/form2.h"

#include "viewer_fixture.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct ViewerTest : ::testing::Test {
    test::ViewerContext t;
    QPointer<Form2> form;
    std::unique_ptr<QSignalSpy> closed;

    ~ViewerTest() override { delete form.data(); }

    void open(const QString& name) {
        t.setCurrent(name);
        form = new Form2(t.ctx, ViewerRequest{t.rx(), name});
        closed = std::make_unique<QSignalSpy>(form.data(), &Form2::closed);
        form->Form_Load();
    }
    void openPicture(const QString& name, QSize size) {
        t.writePicture(name, test::tellTalePicture(size.width(), size.height()));
        open(name);
    }
    // The user moves the pointer over the picture.
    void pointerTo(QPoint screen) {
        t.desktop.setCursorPos(screen);
        QMouseEvent move(QEvent::MouseMove, form->imgInner->mapFromGlobal(QPointF(screen)),
                         QPointF(screen), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form->imgInner, &move);
    }
    // What the client area shows at a point: the picture's pixel there.
    QPoint pictureAt(QPoint client) const { return client - form->imgInner->pos(); }
    bool closedAndGone() {
        return QTest::qWaitFor([this] { return form.isNull(); }) && closed->count() == 1;
    }
    // The frame the platform puts around a window.
    static QSize platformBorder() {
        QWidget w(nullptr, Qt::Window);
        w.winId();
        return w.frameGeometry().size() - w.geometry().size();
    }
    QString bytesOf(const QString& path) const {
        return QLocale(QLocale::English).toString(QFileInfo(path).size());
    }
};

TEST_F(ViewerTest, ASmallPictureGetsAWindowItsSizeCentredOnTheScreen) {
    openPicture(QStringLiteral("small.jpg"), {320, 256});
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->size(), QSize(320, 256));
    EXPECT_EQ(form->geometry(), QRect(352, 256, 320, 256));
    EXPECT_EQ(form->picOuter->geometry(), QRect(0, 0, 320, 256));
    EXPECT_EQ(form->imgInner->geometry(), QRect(0, 0, 320, 256));
    EXPECT_FALSE(form->panHorizontal());
    EXPECT_FALSE(form->panVertical());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Original    small.jpg   320 x 256 pixels   ") +
                                       bytesOf(t.rx() + QStringLiteral("small.jpg")) +
                                       QStringLiteral(" bytes"));
    EXPECT_EQ(t.state.current.fileSizeText, bytesOf(t.rx() + QStringLiteral("small.jpg")));
    EXPECT_EQ(t.state.current.height, 256);
    // The pointer waits in the middle, and moving it moves nothing.
    EXPECT_EQ(t.desktop.cursorPos(), QPoint(512, 384));
    pointerTo({360, 260});
    EXPECT_EQ(form->imgInner->pos(), QPoint(0, 0));
}

TEST_F(ViewerTest, APictureAsWideAsTheRoomBesideTheFrameTakesTheScreensWidthWithThePictureCentred) {
    const QSize b = platformBorder();
    openPicture(QStringLiteral("wide.png"), {1024 - b.width(), 300});
    EXPECT_EQ(form->border(), b);
    EXPECT_EQ(form->frameGeometry(),
              QRect(0, (768 - 300 - b.height()) / 2, 1024, 300 + b.height()));
    EXPECT_EQ(form->size(), QSize(1024 - b.width(), 300));
    EXPECT_EQ(form->imgInner->pos(), QPoint(0, 0));
    EXPECT_FALSE(form->panHorizontal());
    EXPECT_TRUE(t.app.exists(QStringLiteral("Temp.bmp"))) << "a PNG goes through the converter";
}

TEST_F(ViewerTest, ALargePictureFillsTheScreenShowsItsMiddleAndPansToEachEdgeAndNoFurther) {
    openPicture(QStringLiteral("large.jpg"), {2000, 1500});
    EXPECT_EQ(form->frameGeometry(), QRect(0, 0, 1024, 768));
    const int w = form->width();
    const int h = form->height();
    EXPECT_EQ(QSize(w, h), QSize(1024, 768) - form->border());
    EXPECT_TRUE(form->panHorizontal());
    EXPECT_TRUE(form->panVertical());
    EXPECT_EQ(pictureAt({w / 2, h / 2}), QPoint(1000, 750)) << "the middle shows";
    EXPECT_EQ(form->panReference(), QPoint(512, 384));
    const int top = form->imgInner->y();

    // Sweep left: the left edge comes into view and stays at the window's edge.
    for (int x = 500; x >= 0; x -= 20) {
        pointerTo({x, 384});
        EXPECT_LE(form->imgInner->x(), 0);
    }
    pointerTo({0, 384});
    EXPECT_EQ(form->imgInner->x(), 0);
    EXPECT_EQ(form->imgInner->y(), top) << "a level sweep leaves the top alone";
    // Down to the bottom edge.
    for (int y = 400; y <= 767; y += 20)
        pointerTo({0, y});
    pointerTo({0, 767});
    EXPECT_EQ(form->imgInner->y(), h - 1500);
    EXPECT_EQ(pictureAt({0, h - 1}), QPoint(0, 1499)) << "the bottom left corner";
    // Across to the right edge, and up to the top.
    for (int x = 0; x <= 1023; x += 20) {
        pointerTo({x, 767});
        EXPECT_GE(form->imgInner->x(), w - 2000);
    }
    pointerTo({1023, 767});
    EXPECT_EQ(form->imgInner->x(), w - 2000);
    for (int y = 767; y >= 0; y -= 20)
        pointerTo({1023, y});
    pointerTo({1023, 0});
    EXPECT_EQ(pictureAt({w - 1, 0}), QPoint(1999, 0)) << "the top right corner";
    pointerTo({1023, 0});
    EXPECT_EQ(form->imgInner->pos(), QPoint(w - 2000, 0)) << "never further";
}

TEST_F(ViewerTest, WherePointerWarpingIsRefusedPanningFollowsThePointerFromWhereItIs) {
    test::RefusingDesktop desktop;
    desktop.userMoves({100, 100});
    test::ViewerContext refusing(&desktop);
    refusing.setCurrent(QStringLiteral("large.jpg"));
    refusing.writePicture(QStringLiteral("large.jpg"), test::tellTalePicture(2048, 1536));
    QPointer<Form2> f =
        new Form2(refusing.ctx, ViewerRequest{refusing.rx(), QStringLiteral("large.jpg")});
    f->Form_Load();
    EXPECT_EQ(f->panReference(), QPoint(100, 100));
    const QPoint start = f->imgInner->pos();
    desktop.userMoves({90, 95});
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 95), QPointF(90, 95), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f->imgInner, &move);
    EXPECT_EQ(f->imgInner->pos(), start + QPoint(20, 10));
    delete f.data();
}

TEST_F(ViewerTest, CompressedModeShowsTheTransmitVersionWithItsTimeAndSwitchesBack) {
    openPicture(QStringLiteral("pic.jpg"), {320, 256});
    const QString original = form->windowTitle();
    const QByteArray jp2 = test::jp2OfLength(test::tellTalePicture(160, 128), 12000);
    ASSERT_EQ(jp2.size(), 12000);
    t.writeBytes(t.state.transmit.txFolder + QStringLiteral("/pic.jp2"), jp2);

    form->mnuPopup->popup(QPoint(400, 300));
    form->mnuDisplay[1]->trigger();
    form->mnuPopup->close();
    EXPECT_TRUE(form->Timer1->isActive()) << "redisplayed after the menu has closed";
    QTRY_VERIFY(form->windowTitle().endsWith(QStringLiteral("68 seconds")));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Compressed   pic.jpg   160 x 128 pixels   "
                                                  "12,000 bytes   68 seconds"));
    EXPECT_EQ(form->size(), QSize(160, 128));
    const QRgb shown = form->imgInner->pixmap().toImage().pixel(80, 64);
    const QRgb made = test::tellTalePicture(160, 128).pixel(80, 64);
    EXPECT_NEAR(qRed(shown), qRed(made), 8) << "the transmit version is what shows";
    EXPECT_NEAR(qGreen(shown), qGreen(made), 8);
    EXPECT_EQ(t.state.current.height, 256) << "the transmit version is not the picture";

    form->mnuDisplay[0]->trigger();
    QTRY_COMPARE(form->windowTitle(), original);
    EXPECT_EQ(form->size(), QSize(320, 256));
}

TEST_F(ViewerTest, TheEstimateOfAHugeTransmitFileIsItsTrueNumber) {
    t.state.transmit.namePrefix = QStringLiteral("QV1DEV_");
    openPicture(QStringLiteral("big.jpg"), {320, 256});
    // Shown: the first .jp2 by name; estimated: the picture's own transmit file.
    const QByteArray shown = test::jp2OfLength(test::tellTalePicture(64, 48), 5000);
    t.writeBytes(t.state.transmit.txFolder + QStringLiteral("/AAA.jp2"), shown);
    QFile huge(t.state.transmit.txFolder + QStringLiteral("/QV1DEV_big.jp2"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(8186875));
    huge.close();
    form->mnuDisplay_Click(1);
    QTRY_VERIFY(form->windowTitle().startsWith(QStringLiteral("Compressed")));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Compressed   big.jpg   64 x 48 pixels   "
                                                  "5,000 bytes   32768 seconds"));
}

TEST_F(ViewerTest, CompressedModeWithoutATransmitFileWarnsAndCloses) {
    openPicture(QStringLiteral("pic.jpg"), {320, 256});
    // A Temp.bmp of an earlier picture is not shown in its place.
    ASSERT_TRUE(test::tellTalePicture(50, 50).save(t.app.path() + QStringLiteral("/Temp.bmp")));
    form->mnuDisplay_Click(1);
    ASSERT_TRUE(closedAndGone());
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].text, QStringLiteral("Can't display this image"));
}

TEST_F(ViewerTest, ATwoImageGifPlaysInTheAnimationArea) {
    t.writeBytes(t.rx() + QStringLiteral("anim.gif"), test::gifBytes(300, 200, 2));
    open(QStringLiteral("anim.gif"));
    ASSERT_TRUE(form->isVisible());
    // 500 x GUI scale high would be too wide: 666 x GUI scale wide instead.
    const double g = 768.0 / 770.0;
    const QSize area(qRound(666 * g), qRound(666 * g * 200 / 300));
    EXPECT_EQ(form->AniGIF->geometry(), QRect(QPoint(0, 0), area));
    EXPECT_EQ(form->size(), area);
    EXPECT_TRUE(form->AniGIF->isVisible());
    EXPECT_FALSE(form->imgInner->isVisible());
    EXPECT_EQ(form->movie->frameCount(), 2);
    EXPECT_EQ(form->movie->state(), QMovie::Running);
    QTRY_VERIFY(form->movie->currentFrameNumber() == 1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("anim.gif   300 x 200 pixels   ") +
                                       bytesOf(t.rx() + QStringLiteral("anim.gif")) +
                                       QStringLiteral(" bytes"));
    EXPECT_EQ(t.state.current.height, 200);
    EXPECT_DOUBLE_EQ(t.state.current.aspectRatio, 200.0 / 300.0);
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    // A left click on the animation closes the viewer.
    QTest::mouseClick(form->AniGIF, Qt::LeftButton);
    EXPECT_TRUE(closedAndGone());
}

TEST_F(ViewerTest, AnAnimationThatWillNotPlayWarnsAndTheViewerStaysOpen) {
    // A header and two graphic-control blocks, and no picture after them.
    QByteArray bytes = test::gifBytes(300, 200, 2).left(13);
    bytes.append(QByteArray::fromHex("21f904040a000000"
                                     "21f904040a000000"));
    t.writeBytes(t.rx() + QStringLiteral("odd.gif"), bytes);
    open(QStringLiteral("odd.gif"));
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].title, QStringLiteral("Brisendale"));
    EXPECT_EQ(t.prompts.shown()[0].text, QStringLiteral("Can't display this image"));
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(closed->count(), 0);
    EXPECT_TRUE(form->AniGIF->isVisible()) << "its empty area";
    QTest::mouseClick(form->AniGIF, Qt::RightButton);
    EXPECT_TRUE(form->mnuPopup->isVisible());
    form->mnuPopup->close();
}

TEST_F(ViewerTest, AOneImageGifIsShownLikeAnyPicture) {
    t.writeBytes(t.rx() + QStringLiteral("still.gif"), test::gifBytes(40, 30, 1));
    open(QStringLiteral("still.gif"));
    EXPECT_FALSE(form->AniGIF->isVisible());
    EXPECT_EQ(form->size(), QSize(40, 30));
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Original    still.gif   40 x 30")));
}

struct Unshowable {
    const char* name;
    QByteArray bytes;
};

class UnshowableTest : public ViewerTest, public ::testing::WithParamInterface<Unshowable> {};

TEST_P(UnshowableTest, WarnsUnderThePictureTitleAndCloses) {
    t.desktop.setCursorPos({7, 9});
    t.writeBytes(t.rx() + QString::fromLatin1(GetParam().name), GetParam().bytes);
    open(QString::fromLatin1(GetParam().name));
    ASSERT_EQ(t.prompts.shown().size(), 1);
    const ShownPrompt& p = t.prompts.shown()[0];
    EXPECT_EQ(p.title, QStringLiteral("Brisendale"));
    EXPECT_EQ(p.text, QStringLiteral("Can't display this image"));
    EXPECT_EQ(p.icon, PromptIcon::Warning);
    EXPECT_EQ(p.buttons, PromptButtons::Ok);
    EXPECT_TRUE(closedAndGone());
    EXPECT_EQ(t.desktop.cursorPos(), QPoint(7, 9));
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, UnshowableTest,
    ::testing::Values(Unshowable{"broken.jpg", QByteArray("\xff\xd8\xff not a picture")},
                      Unshowable{"empty.bmp", QByteArray()},
                      Unshowable{"broken.png", QByteArray("\x89PNG\r\n\x1a\n broken")},
                      Unshowable{"broken.jp2", QByteArray("\0\0\0\x0cjP  \r\n\x87\n", 12)},
                      Unshowable{"zero.gif", test::gifBytes(0, 0, 2)}),
    [](const auto& info) {
        return QString::fromLatin1(info.param.name).replace(u'.', u'_').toStdString();
    });

struct CloseAction {
    const char* what;
    std::function<void(Form2&)> act;
};

class CloseTest : public ViewerTest, public ::testing::WithParamInterface<CloseAction> {};

TEST_P(CloseTest, ClosesAndPutsThePointerBack) {
    t.desktop.setCursorPos({33, 44});
    openPicture(QStringLiteral("pic.jpg"), {320, 256});
    EXPECT_NE(t.desktop.cursorPos(), QPoint(33, 44));
    GetParam().act(*form);
    EXPECT_TRUE(closedAndGone());
    EXPECT_EQ(t.desktop.cursorPos(), QPoint(33, 44));
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, CloseTest,
    ::testing::Values(CloseAction{"LeftClickOnThePicture",
                                  [](Form2& f) { QTest::mouseClick(f.imgInner, Qt::LeftButton); }},
                      CloseAction{"LeftClickOnTheBackground",
                                  [](Form2& f) { QTest::mouseClick(f.picOuter, Qt::LeftButton); }},
                      CloseAction{"ClickOnTheForm",
                                  [](Form2& f) { QTest::mouseClick(&f, Qt::LeftButton); }},
                      CloseAction{"Esc", [](Form2& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
                      CloseAction{"WindowManager", [](Form2& f) { f.close(); }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ViewerTest, ARightClickOpensThePopupAndOtherKeysDoNothing) {
    openPicture(QStringLiteral("pic.jpg"), {320, 256});
    QTest::mouseClick(form->imgInner, Qt::RightButton);
    EXPECT_TRUE(form->mnuPopup->isVisible());
    EXPECT_EQ(form->mnuDisplay[0]->text(), QStringLiteral("No compression"));
    EXPECT_EQ(form->mnuDisplay[1]->text(), QStringLiteral("Compressed"));
    form->mnuPopup->close();
    QTest::keyClick(form, Qt::Key_A);
    QTest::keyClick(form, Qt::Key_Return);
    EXPECT_EQ(closed->count(), 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ViewerTest, KeepsItsPictureWhenTheMainWindowClearsTheCurrentName) {
    openPicture(QStringLiteral("pic.jpg"), {320, 256});
    t.state.current.fileName.clear();
    form->mnuDisplay_Click(0);
    QTRY_VERIFY(!form->Timer1->isActive());
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_TRUE(form->windowTitle().contains(QStringLiteral("pic.jpg")));
}

TEST_F(ViewerTest, MoveMouseTakesClientPixelsRounded) {
    openPicture(QStringLiteral("pic.jpg"), {320, 256});
    EXPECT_TRUE(form->MoveMouse(10.5, 20.4));
    EXPECT_EQ(t.desktop.cursorPos(), QPoint(352 + 10, 256 + 20));
    EXPECT_TRUE(form->MoveMouse(11.5, 0));
    EXPECT_EQ(t.desktop.cursorPos(), QPoint(352 + 12, 256));
}

} // namespace
