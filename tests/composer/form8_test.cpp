// The size window: its place over the main window, its time label, and the
// main window it disables and brings up to date.

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

    void SetUp() override {
        t.readTextTable();
        Settings& s = t.state.settings;
        s.jp2TargetSize = 15000;
        s.resizeSetting = QStringLiteral("640x480");
        deriveResize(s);
        s.guiScale = 1.0;
        opener.setGeometry(100, 50, 666, 500);
        form = new Form8(t.ctx, &opener);
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

TEST_F(Form8Test, TheTimeFollowsTheThumbAndTheHighlightGoesWhenTheSizeSettles) {
    form->Form_Load();
    QSignalSpy cleared(form.data(), &Form8::thumbnailHighlightCleared);
    QSignalSpy stale(form.data(), &Form8::mainSizeLabelStale);
    QSlider* slider = form->sizes->sliSize;
    slider->setSliderDown(true);
    slider->setValue(1);
    EXPECT_EQ(form->lblTxTime->text(), QStringLiteral("Tx time = approx. 24 seconds"));
    slider->setValue(120);
    EXPECT_EQ(form->lblTxTime->text(), QStringLiteral("Tx time = approx. 500 seconds"));
    EXPECT_EQ(cleared.count(), 0);
    EXPECT_EQ(stale.count(), 2);
    slider->setSliderDown(false);
    EXPECT_EQ(cleared.count(), 1);
    // The resize slider has no say in the time.
    form->sizes->sliResize->setValue(9);
    EXPECT_EQ(form->lblTxTime->text(), QStringLiteral("Tx time = approx. 500 seconds"));
}

TEST_F(Form8Test, ClosingEnablesTheMainWindowAndBringsItsSizeLabelUpToDate) {
    Form1 main(t.ctx);
    QPointer<Form8> sizes = new Form8(t.ctx, &main);
    QObject::connect(sizes.data(), &Form8::mainSizeLabelStale, &main, &Form1::refreshSizeLabel);
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
