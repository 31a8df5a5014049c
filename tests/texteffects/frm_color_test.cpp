#include "texteffects/frm_color.h"

#include "texteffects_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct PickerTest : ::testing::Test {
    test::TextEffectsContext t;
    QWidget opener;

    PickerTest() {
        opener.setGeometry(100, 80, 580, 333);
        t.state.settings.qslColours = {65280, 16777215, 65535};
    }

    std::unique_ptr<frmColor> open(ColourPicker picker, int target, QColor current = Qt::red) {
        auto form =
            std::make_unique<frmColor>(t.ctx, ColourPickRequest{picker, target, current}, &opener);
        form->Form_Load();
        form->show();
        return form;
    }
    // The pixel of the palette at a point of its 480 x 256 units.
    static QPoint at(const frmColor& form, QPointF unit) {
        return QPoint(int(unit.x() * form.p->width() / 480.0),
                      int(unit.y() * form.p->height() / 256.0));
    }
};

TEST_F(PickerTest, OpensWithItsCaptionSizeAndSampleCentredOverTheOpener) {
    auto form = open(ColourPicker::TextEffects, 1, QColor(12, 34, 56));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quiverel Color Picker"));
    EXPECT_EQ(form->size(), QSize(400, 287)); // 6000 x 4300 twips
    // Within the platform's frame of a few pixels, the middle of the opener.
    EXPECT_NEAR(form->frameGeometry().center().x(), opener.geometry().center().x(), 3);
    EXPECT_NEAR(form->frameGeometry().center().y(), opener.geometry().center().y(), 3);
    EXPECT_EQ(form->sample(), QColor(12, 34, 56));
    EXPECT_EQ(form->Label1->palette().color(QPalette::Window), QColor(12, 34, 56));
    EXPECT_EQ(form->cmdOk->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(opener.isEnabled()) << "the text effects dialog stays enabled";
}

TEST_F(PickerTest, APressOnThePaletteTakesThePixelsColourAndOkGivesIt) {
    auto form = open(ColourPicker::TextEffects, 2);
    QTest::mouseClick(form->p, Qt::LeftButton, {}, at(*form, {112, 80}));
    EXPECT_EQ(form->sample(), QColor(128, 128, 0));
    EXPECT_EQ(form->Label1->palette().color(QPalette::Window), QColor(128, 128, 0));
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(form->chosen(), QColor(128, 128, 0));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PickerTest, AGridLinePicksItsGrey) {
    auto form = open(ColourPicker::TextEffects, 1);
    QTest::mouseClick(form->p, Qt::LeftButton, {}, at(*form, {32, 16}));
    EXPECT_EQ(form->sample(), QColor(170, 170, 170));
}

TEST_F(PickerTest, ClosingWithoutOkGivesNothingAndChangesNoColour) {
    for (ColourPicker picker : {ColourPicker::TextEffects, ColourPicker::Qsl}) {
        auto form = open(picker, 1);
        QTest::mouseClick(form->p, Qt::LeftButton, {}, at(*form, {16, 16}));
        form->close();
        EXPECT_FALSE(form->chosen().has_value());
        EXPECT_TRUE(opener.isEnabled());
        EXPECT_EQ(t.state.settings.qslColours[0], 65280);
    }
}

TEST_F(PickerTest, TheQslPickerDisablesItsOpenerUntilItClosesEitherWay) {
    auto form = open(ColourPicker::Qsl, 3);
    EXPECT_FALSE(opener.isEnabled());
    EXPECT_TRUE(form->isEnabled()) << "the picker itself is not the opener's child";
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(opener.isEnabled());

    form = open(ColourPicker::Qsl, 3);
    EXPECT_FALSE(opener.isEnabled());
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    EXPECT_TRUE(opener.isEnabled());
}

struct QslTarget {
    int target;
    std::array<ColourCode, 3> expected;
};

class QslPickerTest : public PickerTest, public ::testing::WithParamInterface<QslTarget> {};

TEST_P(QslPickerTest, OkStoresTheColourInItsQslColourOnly) {
    auto form = open(ColourPicker::Qsl, GetParam().target);
    QTest::mouseClick(form->p, Qt::LeftButton, {}, at(*form, {240, 144})); // pure blue
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    EXPECT_EQ(form->chosen(), QColor(0, 0, 255));
    EXPECT_EQ(t.state.settings.qslColours, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Targets, QslPickerTest,
                         ::testing::Values(QslTarget{1, {16711680, 16777215, 65535}},
                                           QslTarget{2, {65280, 16711680, 65535}},
                                           QslTarget{3, {65280, 16777215, 16711680}},
                                           // Only frmColor knows targets 4 and 5.
                                           QslTarget{4, {65280, 16777215, 65535}},
                                           QslTarget{5, {65280, 16777215, 65535}}));

TEST_F(PickerTest, RunIsModalAndGivesTheColourOfOk) {
    frmColor form(t.ctx, {ColourPicker::TextEffects, 1, QColor(1, 2, 3)}, &opener);
    QTimer::singleShot(0, &form, [&form] { QTest::mouseClick(form.cmdOk, Qt::LeftButton); });
    EXPECT_EQ(form.run(), QColor(1, 2, 3));
}

} // namespace
