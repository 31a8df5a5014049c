#include "viewer/form4.h"

#include "viewer_fixture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct ZoomTest : ::testing::Test {
    test::ViewerContext t;
    QPointer<Form4> form;
    std::unique_ptr<QSignalSpy> closed;

    ZoomTest() { t.state.settings.guiScale = 1.0; }
    ~ZoomTest() override { delete form.data(); }

    void open(QSize picture, const QString& caption = QStringLiteral("Original   1 x 1")) {
        form = new Form4(t.ctx);
        closed = std::make_unique<QSignalSpy>(form.data(), &Form4::closed);
        form->setCaption(caption);
        form->setPicture(test::tellTalePicture(picture.width(), picture.height()));
        form->move(100, 50);
        form->show();
    }
    // The pointer over the picture, in picture pixels.
    void pointerOnPicture(QPointF p) {
        QMouseEvent move(QEvent::MouseMove, p, form->imgInner->mapToGlobal(p), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form->imgInner, &move);
    }
    bool closedAndGone() {
        return QTest::qWaitFor([this] { return form.isNull(); }) && closed->count() == 1;
    }
};

TEST_F(ZoomTest, OpensAt312By206WithTheCallersCaptionAndASmallPictureCentredAndStill) {
    open({100, 80}, QStringLiteral("Original   100 x 80    1,234 bytes"));
    EXPECT_EQ(form->size(), QSize(312, 206));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Original   100 x 80    1,234 bytes"));
    EXPECT_EQ(form->picOuter->geometry(), QRect(0, 0, 312, 206));
    EXPECT_EQ(form->imgInner->geometry(), QRect(106, 63, 100, 80));
    EXPECT_FALSE(form->panHorizontal());
    EXPECT_FALSE(form->panVertical());
    EXPECT_EQ(t.desktop.cursorPos(), form->mapToGlobal(QPoint(156, 103)))
        << "pointer in the middle";
    pointerOnPicture({90, 70});
    EXPECT_EQ(form->imgInner->pos(), QPoint(106, 63));
}

TEST_F(ZoomTest, ResizingReCentresAndRecomputesThePannedAxes) {
    open({500, 300});
    EXPECT_TRUE(form->panHorizontal());
    EXPECT_TRUE(form->panVertical());
    EXPECT_EQ(form->imgInner->pos(), QPoint(-94, -47));
    EXPECT_EQ(form->panReference(), QPointF(250 * 15, 150 * 15));

    form->resize(800, 600);
    EXPECT_EQ(form->picOuter->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(form->imgInner->pos(), QPoint(150, 150));
    EXPECT_FALSE(form->panHorizontal());
    EXPECT_FALSE(form->panVertical());
    EXPECT_EQ(t.desktop.cursorPos(), form->mapToGlobal(QPoint(400, 300)));

    form->resize(600, 250);
    EXPECT_EQ(form->imgInner->pos(), QPoint(50, -25));
    EXPECT_FALSE(form->panHorizontal());
    EXPECT_TRUE(form->panVertical());
}

TEST_F(ZoomTest, PansAgainstThePointerAndNeverShowsAGap) {
    open({1600, 1200});
    EXPECT_EQ(form->divisor(), 4);
    const QPoint start = form->imgInner->pos();
    EXPECT_EQ(start, QPoint((312 - 1600) / 2, (206 - 1200) / 2));
    // From the reference (the picture's middle) two pixels right and down.
    pointerOnPicture({802, 602});
    EXPECT_EQ(form->imgInner->pos(), start - QPoint(2, 2));
    EXPECT_EQ(form->panReference(), QPointF(802 * 15 + 30 / 4.0, 602 * 15 + 30 / 4.0));
    // A long move right and down: the picture's corner stops at the window's corner.
    pointerOnPicture({1599, 1199});
    EXPECT_EQ(form->imgInner->pos(), QPoint(312 - 1600, 206 - 1200));
    pointerOnPicture({1598, 1198});
    EXPECT_LE(form->imgInner->x(), 0);
    EXPECT_GE(form->imgInner->x(), 312 - 1600);
    // And from the middle again, a long move left and up stops at the top left.
    form->Form_Resize();
    EXPECT_EQ(form->imgInner->pos(), start);
    pointerOnPicture({0, 0});
    EXPECT_EQ(form->imgInner->pos(), QPoint(0, 0));
}

TEST_F(ZoomTest, ASmallPictureInASmallerWindowPansWithoutDividingByZero) {
    open({150, 150});
    form->resize(120, 100);
    ASSERT_TRUE(form->panHorizontal());
    ASSERT_TRUE(form->panVertical());
    EXPECT_EQ(form->divisor(), 1);
    pointerOnPicture({80, 80}); // 5 pixels past the middle on both axes
    EXPECT_EQ(form->imgInner->pos(), QPoint(-15 - 5, -25 - 5));
    EXPECT_EQ(form->panReference(), QPointF(80 * 15 + 75, 80 * 15 + 75));
}

TEST_F(ZoomTest, ThePanFollowsTheGuiScale) {
    t.state.settings.guiScale = 2.0;
    open({1600, 1200});
    const QPoint start = form->imgInner->pos();
    pointerOnPicture({804, 600});
    EXPECT_EQ(form->imgInner->pos(), start - QPoint(2, 0));
}

struct Press {
    const char* what;
    bool onPicture;
    Qt::MouseButton button;
};

class ZoomClose : public ZoomTest, public ::testing::WithParamInterface<Press> {};

TEST_P(ZoomClose, AnyButtonClosesTheWindow) {
    open({100, 80});
    QTest::mouseClick(GetParam().onPicture ? static_cast<QWidget*>(form->imgInner) : form->picOuter,
                      GetParam().button, {}, QPoint(2, 2));
    EXPECT_TRUE(closedAndGone());
}

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomClose,
                         ::testing::Values(Press{"LeftOnPicture", true, Qt::LeftButton},
                                           Press{"RightOnPicture", true, Qt::RightButton},
                                           Press{"MiddleOnPicture", true, Qt::MiddleButton},
                                           Press{"LeftOnBackground", false, Qt::LeftButton},
                                           Press{"RightOnBackground", false, Qt::RightButton},
                                           Press{"MiddleOnBackground", false, Qt::MiddleButton}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(ZoomTest, EscClosesOtherKeysDoNot) {
    open({100, 80});
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_EQ(closed->count(), 0);
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_TRUE(closedAndGone());
}

} // namespace
