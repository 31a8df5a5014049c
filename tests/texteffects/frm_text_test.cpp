#include "texteffects/frm_text.h"

#include "texteffects/frm_color.h"
#include "texteffects/text_colours.h"
#include "texteffects/text_dialog_state.h"
#include "texteffects/text_layout.h"
#include "texteffects/transparent_region.h"
#include "texteffects_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct Pick {
    int target;
    QColor current;
};

struct TextDialogTest : ::testing::Test {
    test::TextEffectsContext t;
    QWidget composer;
    std::deque<std::optional<QColor>> answers; // the picker's answers, in turn
    QList<Pick> picks;                         // what the dialog asked the picker

    TextDialogTest() {
        composer.setGeometry(40, 30, 720, 512);
        t.state.settings.textDefaults.fontName = QStringLiteral("Arial");
        t.state.settings.textDefaults.fontSize = 24;
        t.state.settings.textDefaults.text = QStringLiteral("CQ de");
    }

    std::unique_ptr<frmText> open() {
        auto form = std::make_unique<frmText>(
            t.ctx,
            [this](int target, QColor current, ColourPicked picked) -> QWidget* {
                picks.append({target, current});
                if (answers.empty()) return nullptr; // closed without "Ok"
                auto a = answers.front();
                answers.pop_front();
                if (a) picked(*a);
                return nullptr;
            },
            &composer);
        form->Form_Load();
        form->show();
        return form;
    }

    static void type(frmText& form, const QString& keys) { QTest::keyClicks(form.txtText, keys); }
    static void enter(frmText& form) { QTest::keyClick(form.txtText, Qt::Key_Return); }
};

TEST_F(TextDialogTest, OpensAtTheComposersLeftDisablingItWithEveryCaption) {
    auto form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quiverel Text Effects"));
    EXPECT_EQ(form->size(), QSize(580, 333)); // 8700 x 5000 twips
    EXPECT_NEAR(form->frameGeometry().left(), composer.geometry().left(), 3);
    EXPECT_FALSE(composer.isEnabled());
    EXPECT_TRUE(form->isEnabled());

    EXPECT_EQ(form->lblText->text(), QStringLiteral("Enter text"));
    EXPECT_EQ(form->cmdFont->text(), QStringLiteral("Font"));
    EXPECT_EQ(form->Frame1->title(), QStringLiteral("Font / Style"));
    const QStringList styles{
        "Plain", "3d", "Shadow", "Outline", "Gradient", "Gradient + shadow", "Gradient + outline",
        "Hollow"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(form->opt[size_t(i)]->text(), styles[i]);
    const QStringList gradients{"Horizontal gradient", "Rectangular gradient", "Spherical gradient",
                                "Vertical gradient"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->optGradient[size_t(i)]->text(), gradients[i]);
    const QStringList directions{"Top Left", "Top Right", "Bottom Left", "Bottom Right"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->Option2[size_t(i)]->text(), directions[i]);
    EXPECT_EQ(form->cmdFcol->text(), QStringLiteral("Font color"));
    EXPECT_EQ(form->cmdSHcol->text(), QStringLiteral("Color"));
    EXPECT_EQ(form->Frame2->title(), QStringLiteral("3D text"));
    EXPECT_EQ(form->cmdColor->text(), QStringLiteral("Font color"));
    EXPECT_EQ(form->color3d->text(), QStringLiteral("3d color 1"));
    EXPECT_EQ(form->color3d2->text(), QStringLiteral("3d color 2"));
    EXPECT_EQ(form->Label4->text(), QStringLiteral("Depth"));
    EXPECT_EQ(form->cmdOk->text(), QStringLiteral("Ok"));
}

TEST_F(TextDialogTest, TheFirstOpeningShowsPlainWithTheLabelsTextAndFontThenRedrawsOnce) {
    auto form = open();
    EXPECT_TRUE(form->opt[0]->isChecked());
    EXPECT_TRUE(form->optGradient[0]->isChecked());
    EXPECT_EQ(t.state.textEffects.gradientKind, 1);
    EXPECT_FALSE(t.state.flags.textFirstUse);
    EXPECT_EQ(form->txtText->toPlainText(), QStringLiteral("CQ de"));
    EXPECT_EQ(form->txtText->textCursor().position(), 5) << "the cursor at the end";
    EXPECT_EQ(form->previewFont().family(), QStringLiteral("Arial"));
    EXPECT_EQ(form->previewFont().pointSizeF(), 24.0);
    EXPECT_EQ(form->swatch(3), 65280);
    EXPECT_EQ(form->swatch(4), 49152);
    EXPECT_EQ(form->swatch(5), 32768);
    EXPECT_EQ(form->P->size(), form->preview().size());
    EXPECT_EQ(t.state.textEffects.effectText, QStringLiteral("CQ de"));
    QSignalSpy timer(form->Timer1, &QTimer::timeout);
    EXPECT_TRUE(form->Timer1->isActive());
    ASSERT_TRUE(timer.wait());
    EXPECT_FALSE(form->Timer1->isActive());
}

class StyleVisibilityTest : public TextDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(StyleVisibilityTest, EachStyleShowsItsControlsAndNamesItsFrame) {
    auto form = open();
    form->opt[size_t(GetParam())]->click();
    const TextStyle style = TextStyle(GetParam());
    EXPECT_EQ(t.state.textEffects.style, GetParam());
    const StyleControls shown = styleControls(style);
    EXPECT_EQ(form->Slider1->isVisibleTo(form.get()), shown.depth);
    EXPECT_EQ(form->Label4->isVisibleTo(form.get()), shown.depth);
    EXPECT_EQ(form->Frame2->isVisibleTo(form.get()), shown.threeD);
    EXPECT_EQ(form->Frame3->isVisibleTo(form.get()), shown.styleFrame);
    EXPECT_EQ(form->cmdSHcol->isVisibleTo(form->Frame3), shown.secondColour);
    EXPECT_EQ(form->lblSHcol->isVisibleTo(form->Frame3), shown.secondColour);
    for (QRadioButton* o : form->optGradient)
        EXPECT_EQ(o->isVisibleTo(form->Frame3), shown.gradients);
    EXPECT_EQ(form->Frame3->title(), styleCaption(style) + QStringLiteral(" text"));
    EXPECT_EQ(form->focusWidget(), form->txtText);
}

INSTANTIATE_TEST_SUITE_P(Styles, StyleVisibilityTest, ::testing::Range(0, kTextStyles));

TEST_F(TextDialogTest, EachStyleSetsTheSliderRangeForTheFontAndTheDepthFollows) {
    t.state.settings.textDefaults.fontSize = 48;
    auto form = open();
    form->opt[int(TextStyle::Outline)]->click();
    EXPECT_EQ(form->Slider1->minimum(), 0);
    EXPECT_EQ(form->Slider1->maximum(), 5);
    EXPECT_EQ(form->Slider1->value(), 5);
    form->opt[int(TextStyle::GradientOutline)]->click();
    EXPECT_EQ(form->Slider1->maximum(), 6);
    form->opt[int(TextStyle::Hollow)]->click();
    EXPECT_EQ(form->Slider1->minimum(), 1);
    EXPECT_EQ(form->Slider1->maximum(), 9);
    form->opt[int(TextStyle::ThreeD)]->click();
    EXPECT_EQ(form->Slider1->maximum(), 25);

    // Moving the slider redraws at the new depth.
    const QSize before = form->preview().size();
    form->Slider1->setValue(9);
    EXPECT_EQ(form->preview().width(), before.width() + 3 * (9 - 5));
}

TEST_F(TextDialogTest, AFourthLineIsUndoneAtOnce) {
    t.state.settings.textDefaults.text.clear();
    auto form = open();
    type(*form, QStringLiteral("AB"));
    enter(*form);
    type(*form, QStringLiteral("CD"));
    enter(*form);
    type(*form, QStringLiteral("EF"));
    const QString three = QStringLiteral("AB\nCD\nEF");
    ASSERT_EQ(form->txtText->toPlainText(), three);
    const QSize preview = form->preview().size();
    enter(*form);
    EXPECT_EQ(form->txtText->toPlainText(), three);
    EXPECT_EQ(form->preview().size(), preview);
    EXPECT_EQ(t.state.textEffects.effectText, QStringLiteral("AB\r\nCD\r\nEF"));
    // Typing goes on where it was.
    type(*form, QStringLiteral("G"));
    EXPECT_EQ(form->txtText->toPlainText(), three + u'G');
}

TEST_F(TextDialogTest, TypedZerosAreSlashed) {
    t.state.settings.textDefaults.text.clear();
    auto form = open();
    type(*form, QStringLiteral("DL0AB 100"));
    EXPECT_EQ(form->txtText->toPlainText(), QStringLiteral("DLØAB 1ØØ"));
}

TEST_F(TextDialogTest, TheFontDialogSetsThePreviewFontAndACancelKeepsIt) {
    auto form = open();
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSizeF(30);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    t.prompts.answerFont(chosen);
    const QSize before = form->preview().size();
    QTest::mouseClick(form->cmdFont, Qt::LeftButton);
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].kind, QStringLiteral("font"));
    EXPECT_EQ(t.prompts.shown()[0].text, QStringLiteral("Arial")) << "preset from the preview";
    const QFont& f = form->previewFont();
    EXPECT_EQ(f.family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(f.pointSizeF(), 30.0);
    EXPECT_TRUE(f.bold() && f.italic() && f.underline() && f.strikeOut());
    EXPECT_NE(form->preview().size(), before);

    QTest::mouseClick(form->cmdFont, Qt::LeftButton); // no answer: cancelled
    EXPECT_EQ(form->previewFont(), f);
}

struct ColourButton {
    const char* name;
    int target;
};

class ColourButtonTest : public TextDialogTest,
                         public ::testing::WithParamInterface<ColourButton> {};

TEST_P(ColourButtonTest, OpensThePickerForItsTargetAndOkRedrawsOnce) {
    t.state.flags.textFirstUse = false;
    t.state.textEffects = {.style = int(TextStyle::ThreeD),
                           .gradientKind = 1,
                           .fontColour = 255,
                           .secondColour = 0,
                           .colour3d1 = 49152,
                           .colour3d2 = 32768,
                           .depth = 4,
                           .effectText = {}};
    auto form = open();
    ASSERT_TRUE(QSignalSpy(form->Timer1, &QTimer::timeout).wait());
    const int target = GetParam().target;
    auto* b = form->findChild<QPushButton*>(QString::fromLatin1(GetParam().name));
    ASSERT_TRUE(b);
    const ColourCode before = form->swatch(target);

    b->click(); // closed without "Ok"
    ASSERT_EQ(picks.size(), 1);
    EXPECT_EQ(picks[0].target, target);
    EXPECT_EQ(picks[0].current, toQColor(before));
    EXPECT_EQ(form->swatch(target), before);
    EXPECT_FALSE(form->Timer1->isActive());

    answers.push_back(QColor(10, 20, 30));
    b->click();
    EXPECT_EQ(form->swatch(target), colourCode(10, 20, 30));
    for (int other = 1; other <= 5; ++other) {
        if (other == target) continue;
        EXPECT_NE(form->swatch(other), colourCode(10, 20, 30));
    }
    QSignalSpy redraw(form->Timer1, &QTimer::timeout);
    ASSERT_TRUE(redraw.wait());
    EXPECT_FALSE(form->Timer1->isActive());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ColourButtonTest,
                         ::testing::Values(ColourButton{"cmdFcol", 1}, ColourButton{"cmdSHcol", 2},
                                           ColourButton{"cmdColor", 3}, ColourButton{"color3d", 4},
                                           ColourButton{"color3d2", 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextDialogTest, ThePickerIsModelessOneAtATimeAndGoesWithTheDialog) {
    frmText* self = nullptr;
    frmText form(
        t.ctx,
        [this, &self](int target, QColor current, ColourPicked picked) -> QWidget* {
            return frmColor::openModeless(t.ctx, {ColourPicker::TextEffects, target, current}, self,
                                          std::move(picked));
        },
        &composer);
    self = &form;
    form.Form_Load();
    form.show(); // application modal, as when it runs
    form.cmdFcol->click();
    QPointer<frmColor> picker = form.findChild<frmColor*>();
    ASSERT_TRUE(picker && QTest::qWaitForWindowExposed(picker));
    // A click through the window system still reaches the dialog.
    QRadioButton* threeD = form.opt[int(TextStyle::ThreeD)];
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                      threeD->mapTo(&form, QPoint(8, threeD->height() / 2))); // on its circle
    EXPECT_TRUE(threeD->isChecked());
    picker->p_MouseDown(QPoint(5, 5));
    const QColor sample = picker->sample();
    picker->cmdOk->click();
    EXPECT_EQ(form.swatch(1), colourCode(sample));
    EXPECT_TRUE(form.Timer1->isActive()) << "the preview follows";

    form.cmdSHcol->click();
    form.color3d->click(); // replaces the picker for the second colour
    const auto shown = [&form] {
        const QList<frmColor*> all = form.findChildren<frmColor*>();
        return std::count_if(all.begin(), all.end(), [](frmColor* p) { return p->isVisible(); });
    };
    EXPECT_EQ(shown(), 1);
    form.close();
    EXPECT_EQ(shown(), 0);
}

TEST_F(TextDialogTest, OkHandsThePictureItsMaskAndTheSettingsBack) {
    auto form = open();
    form->opt[int(TextStyle::Shadow)]->click();
    form->Slider1->setValue(3);
    const QImage picture = form->preview();
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    ASSERT_TRUE(form->result().has_value());
    const TextEffectsResult& r = *form->result();
    EXPECT_EQ(r.picture, picture);
    EXPECT_EQ(r.mask, glyphMask(picture, 16777215));
    EXPECT_EQ(r.mask.format(), QImage::Format_Mono);
    EXPECT_EQ(r.settings.style, int(TextStyle::Shadow));
    EXPECT_EQ(r.settings.depth, 3);
    EXPECT_EQ(r.settings.effectText, QStringLiteral("CQ de"));
    EXPECT_EQ(r.settings.fontColour, 255);
    EXPECT_EQ(r.settings.faceColour3d, 65280);
    EXPECT_TRUE(composer.isEnabled());
    EXPECT_FALSE(form->isVisible());
    // lblText keeps the text, the font and the colours.
    EXPECT_EQ(t.state.settings.textDefaults.text, QStringLiteral("CQ de"));
    EXPECT_EQ(t.state.textLabel.foreColour, 255);
    EXPECT_EQ(t.state.textLabel.backColour, 65280);
}

TEST_F(TextDialogTest, ClosingTheWindowHandsOverAsOkDoes) {
    auto form = open();
    form->close();
    ASSERT_TRUE(form->result().has_value());
    EXPECT_EQ(form->result()->picture, form->preview());
    EXPECT_TRUE(composer.isEnabled());
}

TEST_F(TextDialogTest, ReopeningRestoresEveryChoice) {
    t.state.settings.textDefaults.text.clear();
    auto form = open();
    type(*form, QStringLiteral("CQ"));
    enter(*form);
    type(*form, QStringLiteral("0"));
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSizeF(32);
    chosen.setBold(true);
    chosen.setUnderline(true);
    t.prompts.answerFont(chosen);
    QTest::mouseClick(form->cmdFont, Qt::LeftButton);
    form->opt[int(TextStyle::GradientOutline)]->click();
    form->optGradient[2]->click();
    form->Slider1->setValue(2);
    answers = {QColor(200, 0, 0), QColor(0, 0, 200), QColor(1, 2, 3), QColor(4, 5, 6),
               QColor(7, 8, 9)};
    for (QPushButton* b :
         {form->cmdFcol, form->cmdSHcol, form->cmdColor, form->color3d, form->color3d2})
        b->click();
    form->Option2[3]->click();
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    const QImage picture = form->result()->picture;
    const QFont font = form->previewFont();
    form.reset();

    auto again = open();
    EXPECT_EQ(again->txtText->toPlainText(), QStringLiteral("CQ\nØ"));
    EXPECT_EQ(again->previewFont(), font);
    EXPECT_TRUE(again->opt[int(TextStyle::GradientOutline)]->isChecked());
    EXPECT_TRUE(again->optGradient[2]->isChecked());
    EXPECT_EQ(t.state.textEffects.gradientKind, 3);
    EXPECT_EQ(again->Slider1->value(), 2);
    EXPECT_TRUE(again->Option2[3]->isChecked());
    EXPECT_EQ(again->swatch(1), colourCode(200, 0, 0));
    EXPECT_EQ(again->swatch(2), colourCode(0, 0, 200));
    EXPECT_EQ(again->swatch(3), colourCode(1, 2, 3));
    EXPECT_EQ(again->swatch(4), colourCode(4, 5, 6));
    EXPECT_EQ(again->swatch(5), colourCode(7, 8, 9));
    EXPECT_EQ(again->preview(), picture);
}

TEST_F(TextDialogTest, RunIsModalAndReturnsTheHandOff) {
    frmText form(t.ctx, {}, &composer);
    QTimer::singleShot(0, &form, [&form] { QTest::mouseClick(form.cmdOk, Qt::LeftButton); });
    const std::optional<TextEffectsResult> r = form.run();
    ASSERT_TRUE(r.has_value());
    EXPECT_FALSE(r->picture.isNull());
    EXPECT_EQ(r->settings.effectText, QStringLiteral("CQ de"));
}

TEST_F(TextDialogTest, TheComposersNoteComesFromTheTextTableAndShowsAfterTheFirstTextOnly) {
    EXPECT_EQ(textHint(t.state), QStringLiteral("  Drag the text with the left mouse button.\r\n"
                                                "  Click this note to hide it."));
    EXPECT_TRUE(takeTextHintPending(t.state));
    EXPECT_FALSE(takeTextHintPending(t.state));
}

} // namespace
