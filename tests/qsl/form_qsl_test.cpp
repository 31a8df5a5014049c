#include "qsl/form_qsl.h"
#include "support/test_context.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace quiverel {
namespace {

class FormQslTest : public ::testing::Test {
protected:
    FormQslTest() {
        t.readTextTable();
        t.state.settings.guiScale = 1.0;
        t.state.settings.callSign = QStringLiteral("G4XYZ");
        t.state.settings.qslColours = {16777215, 0, 16711680};
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(9, 57, 12), QTimeZone::utc()));
        QImage picture(320, 256, QImage::Format_RGB32);
        picture.fill(Qt::white);
        request = QslRequest{picture, QSizeF(497.5, 398), QSize(498, 398)};
    }

    formQSL& open() {
        dialog = std::make_unique<formQSL>(t.ctx, request, &opener);
        dialog->Form_Load();
        return *dialog;
    }

    test::TestContext t;
    QslRequest request;
    QWidget opener;
    std::unique_ptr<formQSL> dialog;
};

TEST_F(FormQslTest, FirstUseSelectsTheDefaults) {
    formQSL& d = open();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Input QSL info"));
    EXPECT_EQ(d.cboFreq->currentText(), QStringLiteral("14.230"));
    EXPECT_EQ(d.cboFreq->currentIndex(), 4);
    EXPECT_EQ(d.cboMode->currentText(), QStringLiteral("SSTV"));
    EXPECT_EQ(d.cboRSV->currentText(), QStringLiteral("595"));
    EXPECT_EQ(d.cboFreq->count(), 8);
    EXPECT_EQ(d.lblCall->text(), t.state.text[63]);
    EXPECT_EQ(d.lblNoSave->text(), t.state.text[64]);
    EXPECT_EQ(d.cmdOk->text(), t.state.text[36]);
    EXPECT_FALSE(d.lblNoSave->isHidden()) << "no call typed yet";
    EXPECT_FALSE(opener.isEnabled()) << "the composer waits for the dialog";
}

TEST_F(FormQslTest, TypedFrequencyIsKeptForTheNextOpening) {
    t.state.settings.qslMode = QStringLiteral("Digital");
    formQSL& d = open();
    EXPECT_EQ(d.cboMode->currentText(), QStringLiteral("Digital"));
    d.cboFreq->setEditText(QStringLiteral("3.733"));
    d.reject();
    EXPECT_EQ(t.state.settings.qslFrequency, QStringLiteral("3.733"));
    EXPECT_EQ(t.state.settings.qslMode, QStringLiteral("Digital"));
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_FALSE(d.result()) << "closed without Ok: no card";

    formQSL& again = open();
    EXPECT_EQ(again.cboFreq->currentText(), QStringLiteral("3.733"));
}

TEST_F(FormQslTest, CallIsTypedInCapitalsWithSlashedZero) {
    formQSL& d = open();
    QTest::keyClicks(d.txtCall, QStringLiteral("dl0abc"));
    EXPECT_EQ(d.txtCall->text(), QStringLiteral("DL\u00D8ABC"));
    EXPECT_EQ(d.txtCall->cursorPosition(), 6);
    EXPECT_TRUE(d.lblNoSave->isHidden());
    d.txtCall->clear();
    EXPECT_FALSE(d.lblNoSave->isHidden());
}

TEST_F(FormQslTest, DateAndTimeComeFromTheClockInUtc) {
    // 04:59 on 7 December in UTC is still the 6th five hours west.
    t.clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59), QTimeZone(-5 * 3600)));
    formQSL& d = open();
    EXPECT_EQ(d.txtTime->text(), QStringLiteral("04:59"));
    EXPECT_EQ(d.txtDate->text(),
              QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
}

TEST_F(FormQslTest, ColourButtonsOpenTheQslPickerAndRedrawTheSample) {
    formQSL& d = open();
    // White picture, white band: the top of the sample is white.
    EXPECT_EQ(d.sample().pixel(3, 3) & 0xffffff, 0xffffffu);
    t.windows.colourAnswer = QColor(0, 255, 0);
    QSignalSpy redrawn(d.Timer1, &QTimer::timeout);
    d.cmdBcolor->click();
    ASSERT_EQ(t.windows.calls.size(), 1);
    EXPECT_EQ(t.windows.calls[0].kind, WindowKind::ColourPicker);
    EXPECT_EQ(t.windows.calls[0].colour.picker, ColourPicker::Qsl);
    EXPECT_EQ(t.windows.calls[0].colour.target, 1);
    EXPECT_EQ(t.state.settings.qslColours[0], 65280);
    ASSERT_TRUE(redrawn.wait());
    EXPECT_EQ(d.sample().pixel(3, 3) & 0xffffff, 0x00ff00u);

    d.cmdTColor->click(); // cancelled: the colour stays
    EXPECT_EQ(t.windows.calls[1].colour.target, 3);
    EXPECT_EQ(t.state.settings.qslColours[2], 16711680);
}

TEST_F(FormQslTest, OkStampsTheCardAtFullAndCanvasSize) {
    formQSL& d = open();
    QTest::keyClicks(d.txtCall, QStringLiteral("k1abc"));
    d.cmdOk->click();
    ASSERT_TRUE(d.result());
    const QslResult& r = *d.result();
    EXPECT_EQ(r.workedCall, QStringLiteral("K1ABC"));
    EXPECT_EQ(r.card.size(), QSize(320, 256));
    EXPECT_EQ(r.canvasCard.size(), QSize(498, 398));
    // White band pixels become the band colour: white here, lines black.
    EXPECT_EQ(r.card.pixel(100, 193) & 0xffffff, 0u);
    EXPECT_EQ(t.state.settings.qslFrequency, QStringLiteral("14.230"));
    EXPECT_TRUE(opener.isEnabled());
}

TEST_F(FormQslTest, EmptyCallStillStampsTheCard) {
    formQSL& d = open();
    d.cmdOk->click();
    ASSERT_TRUE(d.result());
    EXPECT_TRUE(d.result()->workedCall.isEmpty());
    EXPECT_FALSE(d.result()->card.isNull());
}

} // namespace
} // namespace quiverel
