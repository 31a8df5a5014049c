// The size window: built from a request, its place over the main window, its
// time label, the sizes it hands back, and the main window it disables and
// brings up to date.

#include "app/setup_ini.h"
#include "composer/form8.h"
#include "composer/size_controls.h"
#include "mainwindow/form1.h"
#include "support/test_context.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QSlider>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct Form8Test : ::testing::Test {
    test::TestContext t;
    QWidget opener;
    QPointer<Form8> form;

    SizeRequest request{{15000, QStringLiteral("640x480"), 3, 640, 480, true}, 1.0};

    void SetUp() override {
        t.readTextTable();
        // The window shows the request, whatever the settings hold.
        t.state.settings.jp2TargetSize = 99000;
        t.state.settings.resizeSetting = QStringLiteral("No Resize");
        deriveResize(t.state.settings);
        opener.setGeometry(100, 50, 666, 500);
        form = new Form8(t.ctx, request, &opener);
    }
    void TearDown() override { delete form.data(); }
};

TEST_F(Form8Test, LoadFillsTheWindowOverTheMainWindowAndDisablesIt) {
    form->Form_Load();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("JP2 file size"));
    EXPECT_EQ(form->lblTxTime->text(), QStringLiteral("Tx time = approx. 80 seconds"));
    EXPECT_EQ(form->sizes->lblSize->text(), QStringLiteral("15,000 bytes"));
    EXPECT_EQ(form->sizes->lblResize->text(), QStringLiteral("640x480 pixels"));
    EXPECT_EQ(form->sizes->sliSize->value(), 15);
    EXPECT_EQ(form->sizes->sliResize->value(), 3);
    // 4500 x 2000 twips, centred across and a tenth down the main window.
    EXPECT_EQ(form->size(), QSize(300, 133));
    EXPECT_EQ(form->pos(), QPoint(100 + (666 - 300) / 2, 50 + 37));
    EXPECT_EQ(form->lblTxTime->geometry(), QRect(6, 10, 246, 25));
    EXPECT_EQ(form->sizes->sliResize->geometry().translated(form->sizes->pos()),
              QRect(158, 80, 129, 45));
    EXPECT_FALSE(opener.isEnabled());
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(Form8Test, TheTimeAndTheSizesFollowTheThumbAndTheHighlightGoesWhenTheSizeSettles) {
    form->Form_Load();
    QSignalSpy cleared(form.data(), &Form8::thumbnailHighlightCleared);
    QSignalSpy stale(form.data(), &Form8::sizesChanged);
    QSlider* slider = form->sizes->sliSize;
    slider->setSliderDown(true);
    slider->setValue(1);
    EXPECT_EQ(form->lblTxTime->text(), QStringLiteral("Tx time = approx. 24 seconds"));
    slider->setValue(120);
    EXPECT_EQ(form->lblTxTime->text(), QStringLiteral("Tx time = approx. 500 seconds"));
    EXPECT_EQ(cleared.count(), 0);
    ASSERT_EQ(stale.count(), 2);
    EXPECT_EQ(stale[1][0].value<SizeResult>().jp2TargetSize, 120000);
    slider->setSliderDown(false);
    EXPECT_EQ(cleared.count(), 1);
    // The resize slider has no say in the time.
    form->sizes->sliResize->setValue(9);
    EXPECT_EQ(form->lblTxTime->text(), QStringLiteral("Tx time = approx. 500 seconds"));
    const SizeResult last = stale.last()[0].value<SizeResult>();
    EXPECT_EQ(last.jp2TargetSize, 120000);
    EXPECT_EQ(last.resizeSetting, QStringLiteral("1600x1200"));
    EXPECT_EQ(QSize(last.resizeWidth, last.resizeHeight), QSize(1600, 1200));
    // The window writes no settings; its owner keeps what it hands back.
    EXPECT_EQ(t.state.settings.jp2TargetSize, 99000);
    EXPECT_EQ(t.state.settings.resizeSetting, QStringLiteral("No Resize"));
}

TEST_F(Form8Test, ClosingEnablesTheMainWindowAndBringsItsSizeLabelUpToDate) {
    Form1 main(t.ctx);
    t.state.settings.jp2TargetSize = 15000;
    t.state.settings.resizeSetting = QStringLiteral("640x480");
    deriveResize(t.state.settings);
    QPointer<Form8> sizes = new Form8(t.ctx, sizeRequestOf(t.state.settings), &main);
    // As the program keeps the sizes: at once, and the main window's label with them.
    QObject::connect(sizes.data(), &Form8::sizesChanged, &main, [&](const SizeResult& r) {
        applySizes(t.state.settings, r);
        main.refreshSizeLabel();
    });
    QObject::connect(sizes.data(), &Form8::closed, &main, &Form1::refreshSizeLabel);
    sizes->Form_Load();
    EXPECT_FALSE(main.isEnabled());
    sizes->sizes->sliResize->setValue(10);
    EXPECT_EQ(main.sizeLabel()->text(), QStringLiteral("No Resize  15k"));
    sizes->sizes->sliSize->setValue(30);
    EXPECT_EQ(main.sizeLabel()->text(), QStringLiteral("No Resize  30k"));

    t.state.settings.resizeSetting = QStringLiteral("800x600");
    QSignalSpy closed(sizes.data(), &Form8::closed);
    sizes->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(main.sizeLabel()->text(), QStringLiteral("800x600  30k"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sizes.isNull());
}

} // namespace
