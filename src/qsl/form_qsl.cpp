#include "qsl/form_qsl.h"

#include "app/unit_scale.h"
#include "qsl/qsl_fields.h"
#include "qsl/qsl_sample.h"
#include "texteffects/text_colours.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace quiverel {

namespace {

constexpr QSizeF kTwips(8550, 3750);
constexpr QSizeF kUnits(570, 250);
constexpr QRectF kSample(10, 128, 160, 110);

template <typename W>
W* control(QWidget* parent, const char* name, const QString& accessible = {}) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    if (!accessible.isEmpty()) w->setAccessibleName(accessible); // a label says its caption
    return w;
}

QComboBox* list(QWidget* parent, const char* name, const QString& accessible,
                const QStringList& items) {
    auto* combo = control<QComboBox>(parent, name, accessible);
    combo->setEditable(true);
    combo->lineEdit()->setAccessibleName(accessible);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    return combo;
}

// A list showing `text`: its item when it has one, else the text as typed.
void showInList(QComboBox* combo, const QString& text) {
    const int i = combo->findText(text);
    if (i >= 0) combo->setCurrentIndex(i);
    combo->setEditText(text);
}

} // namespace

formQSL::formQSL(Context& ctx, const QslRequest& request, QWidget* opener)
    // Not a child of the composer, which it disables while open.
    : QDialog(nullptr), ctx_(ctx), request_(request), opener_(opener) {
    setObjectName(QStringLiteral("formQSL"));
    setWindowTitle(QStringLiteral("Input QSL info"));
    setWindowModality(Qt::ApplicationModal);
    units_ = new UnitScale(this, kUnits);
    createControls();
}

void formQSL::createControls() {
    const auto& text = ctx_.state.text;
    const auto entry = [&text](int n, const char* fallback) {
        return text[size_t(n)].isEmpty() ? QString::fromLatin1(fallback) : text[size_t(n)];
    };
    frmQSL = control<QGroupBox>(this, "frmQSL");
    lblCall = control<QLabel>(this, "lblCall");
    lblCall->setText(entry(63, "Station worked"));
    txtCall = control<QLineEdit>(this, "txtCall", lblCall->text());
    lblNoSave = control<QLabel>(this, "lblNoSave");
    lblNoSave->setText(entry(64, "Type a call sign to save the card"));
    lblNoSave->setStyleSheet(QStringLiteral("color: #c00000;"));
    lblDate = control<QLabel>(this, "lblDate");
    lblDate->setText(entry(61, "Date"));
    txtDate = control<QLineEdit>(this, "txtDate", lblDate->text());
    lblTime = control<QLabel>(this, "lblTime");
    lblTime->setText(QStringLiteral("UTC"));
    txtTime = control<QLineEdit>(this, "txtTime", lblTime->text());
    lblFreq = control<QLabel>(this, "lblFreq");
    lblFreq->setText(QStringLiteral("Mhz"));
    cboFreq = list(this, "cboFreq", lblFreq->text(), qslFrequencies());
    lblMode = control<QLabel>(this, "lblMode");
    lblMode->setText(entry(62, "Mode"));
    cboMode = list(this, "cboMode", lblMode->text(), qslModes());
    lblRSV = control<QLabel>(this, "lblRSV");
    lblRSV->setText(QStringLiteral("RSV"));
    cboRSV = list(this, "cboRSV", lblRSV->text(), qslReports());
    picColors = control<QLabel>(this, "picColors", QStringLiteral("Colour sample"));
    picColors->setFrameShape(QFrame::Box);
    cmdBcolor = control<QPushButton>(this, "cmdBcolor", QStringLiteral("Change Bk Color"));
    cmdBcolor->setText(cmdBcolor->accessibleName());
    cmdLColor = control<QPushButton>(this, "cmdLColor", QStringLiteral("Change Line Color"));
    cmdLColor->setText(cmdLColor->accessibleName());
    cmdTColor = control<QPushButton>(this, "cmdTColor", QStringLiteral("Change Text Color"));
    cmdTColor->setText(cmdTColor->accessibleName());
    cmdOk = control<QPushButton>(this, "cmdOk", entry(36, "Ok"));
    cmdOk->setText(cmdOk->accessibleName());
    cmdOk->setDefault(true);
    placeControls();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &formQSL::Timer1_Timer);
    connect(txtCall, &QLineEdit::textChanged, this, &formQSL::txtCall_Change);
    connect(cmdBcolor, &QPushButton::clicked, this, [this] { colourButton_Click(1); });
    connect(cmdLColor, &QPushButton::clicked, this, [this] { colourButton_Click(2); });
    connect(cmdTColor, &QPushButton::clicked, this, [this] { colourButton_Click(3); });
    connect(cmdOk, &QPushButton::clicked, this, &formQSL::cmdOk_Click);
}

void formQSL::placeControls() {
    struct Place {
        QWidget* widget;
        QRectF units;
    };
    const Place places[] = {
        {frmQSL, {10, 0, 550, 120}},
        {lblCall, {20, 16, 120, 24}},
        {txtCall, {140, 14, 160, 28}},
        {lblNoSave, {310, 16, 245, 24}},
        {lblDate, {20, 52, 45, 24}},
        {txtDate, {65, 50, 95, 26}},
        {lblTime, {170, 52, 35, 24}},
        {txtTime, {205, 50, 65, 26}},
        {lblFreq, {285, 52, 40, 24}},
        {cboFreq, {325, 50, 95, 26}},
        {lblMode, {20, 86, 45, 24}},
        {cboMode, {65, 84, 95, 26}},
        {lblRSV, {170, 86, 35, 24}},
        {cboRSV, {205, 84, 65, 26}},
        {picColors, kSample},
        {cmdBcolor, {185, 130, 170, 30}},
        {cmdLColor, {185, 168, 170, 30}},
        {cmdTColor, {185, 206, 170, 30}},
        {cmdOk, {450, 206, 100, 30}},
    };
    for (const Place& p : places) {
        units_->place(p.widget, p.units);
        units_->setFontPoints(p.widget, p.widget == txtCall ? 12 : 9);
    }
    frmQSL->lower();
}

std::optional<QslResult> formQSL::run() {
    Form_Load();
    exec();
    return result_;
}

void formQSL::Form_Load() {
    const AppState& state = ctx_.state;
    const Settings& s = state.settings;
    showInList(cboFreq, qslListStart(s.qslFrequency, qslFrequencies(), 4));
    showInList(cboRSV, qslReports().first());
    showInList(cboMode, qslListStart(s.qslMode, qslModes(), 0));

    const double scale = s.guiScale > 0 ? s.guiScale : 1.0;
    const QSize size(int(std::lround(kTwips.width() / 15 * scale)),
                     int(std::lround(kTwips.height() / 15 * scale)));
    resize(size);
    if (opener_) {
        // At the composer's left edge, half way down it.
        const QRect composer = opener_->window()->geometry();
        move(composer.left(), composer.top() + (composer.height() - size.height()) / 2);
        opener_->setEnabled(false);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
    units_->relayout();

    const QDateTime utc = ctx_.clock.utcNow();
    txtDate->setText(qslDateText(utc));
    txtTime->setText(qslTimeText(utc));
    txtCall_Change();
    DrawQslSample();
    txtCall->setFocus();
}

void formQSL::txtCall_Change() {
    const QString shown = qslCallText(txtCall->text());
    if (shown != txtCall->text()) {
        const QSignalBlocker quiet(txtCall);
        txtCall->setText(shown);
    }
    txtCall->end(false);
    lblNoSave->setVisible(shown.isEmpty());
}

void formQSL::colourButton_Click(int target) {
    auto& colours = ctx_.state.settings.qslColours;
    const auto picked = ctx_.windows.showColourPicker(
        this, {ColourPicker::Qsl, target, toQColor(colours[size_t(target - 1)])});
    // The picker keeps the colour itself; its answer is what counts here.
    if (picked && picked->isValid()) colours[size_t(target - 1)] = colourCode(*picked);
    Timer1->start();
}

void formQSL::Timer1_Timer() {
    Timer1->stop();
    DrawQslSample();
}

void formQSL::DrawQslSample() {
    const double k = units_->factorX();
    QslSampleInput in;
    in.size = kSample.size();
    in.pixelsPerUnit = k;
    in.canvas = request_.picture;
    in.canvasUnits = request_.canvasUnits;
    in.colours = ctx_.state.settings.qslColours;
    in.date = txtDate->text();
    sample_ = quiverel::DrawQslSample(in);
    picColors->setPixmap(QPixmap::fromImage(sample_));
}

QslCardText formQSL::cardText() const {
    const AppState& state = ctx_.state;
    QslCardText t;
    t.ownCall = state.settings.callSign;
    t.connector = state.text[60];
    t.workedCall = txtCall->text();
    t.dateHeader = state.text[61];
    t.modeHeader = state.text[62];
    t.date = txtDate->text();
    t.time = txtTime->text();
    t.frequency = cboFreq->currentText();
    t.mode = cboMode->currentText();
    t.report = cboRSV->currentText();
    t.colours = state.settings.qslColours;
    return t;
}

void formQSL::cmdOk_Click() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QslCardText text = cardText();
    const QSize full = request_.picture.size();
    QslResult result;
    result.card = DrawQslCard(request_.picture, {QSizeF(full), 320, 1}, text);

    const QSizeF canvas = request_.canvasUnits;
    const double k = canvas.width() > 0 ? request_.canvasPixels.width() / canvas.width() : 1.0;
    // The table spans 320 pixels of the picture on the canvas too.
    result.canvasCard = DrawQslCard(request_.picture,
                                    {canvas, qslCanvasUnit(canvas.width(), full.width()), k}, text);
    result.workedCall = text.workedCall;
    result_ = std::move(result);
    QGuiApplication::restoreOverrideCursor();
    accept();
}

void formQSL::done(int result) {
    Settings& s = ctx_.state.settings;
    s.qslFrequency = cboFreq->currentText();
    s.qslMode = cboMode->currentText();
    if (result != Accepted) result_.reset();
    if (opener_) opener_->setEnabled(true);
    QDialog::done(result);
}

} // namespace quiverel
