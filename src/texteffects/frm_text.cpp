#include "texteffects/frm_text.h"

#include "app/unit_scale.h"
#include "texteffects/colour_palette.h"
#include "texteffects/text_colours.h"
#include "texteffects/text_dialog_state.h"
#include "texteffects/text_layout.h"
#include "texteffects/text_renderer.h"
#include "texteffects/transparent_region.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <cmath>

namespace quiverel {

namespace {

constexpr QSizeF kTwips(8700, 5000);
constexpr QSizeF kUnits(580, 5000.0 * 580 / 8700);
constexpr int kFirstDepth = 5;

// Design colours of the swatches, by picker target.
constexpr std::array<ColourCode, 6> kDesignSwatches{0, 255, 0, 65280, 49152, 32768};

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* makeSwatch(QWidget* parent, const QString& name, const QString& accessible) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAccessibleName(accessible);
    l->setAutoFillBackground(true);
    l->setFrameShape(QFrame::Box);
    return l;
}

} // namespace

frmText::frmText(Context& ctx, ColourChooser chooseColour, QWidget* opener)
    // Not a child of the opener: the opener is disabled while this is open.
    : QDialog(nullptr), ctx_(ctx), chooseColour_(std::move(chooseColour)), opener_(opener) {
    setObjectName(QStringLiteral("frmText"));
    setWindowTitle(QStringLiteral("Quiverel Text Effects"));
    setWindowModality(Qt::ApplicationModal);
    swatches_ = kDesignSwatches;
    buildControls();
    for (int target = 1; target <= 5; ++target)
        setSwatch(target, swatches_[size_t(target)]);
}

void frmText::buildControls() {
    units_ = new UnitScale(this, kUnits);

    lblText = new QLabel(QStringLiteral("Enter text"), this);
    lblText->setObjectName(QStringLiteral("lblText"));
    units_->place(lblText, QRectF(8, 4, 200, 16));

    txtText = new QPlainTextEdit(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    txtText->setAccessibleName(QStringLiteral("Enter text"));
    txtText->setFont(QFont(QStringLiteral("Arial"), 10));
    txtText->setTabChangesFocus(true);
    txtText->installEventFilter(this);
    units_->place(txtText, QRectF(8, 20, 262, 50));
    connect(txtText, &QPlainTextEdit::textChanged, this, &frmText::txtText_Change);

    cmdFont = button(this, QStringLiteral("cmdFont"), QStringLiteral("Font"));
    units_->place(cmdFont, QRectF(278, 20, 64, 26));
    connect(cmdFont, &QPushButton::clicked, this, &frmText::cmdFont_Click);

    Label4 = new QLabel(QStringLiteral("Depth"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    units_->place(Label4, QRectF(352, 20, 46, 24));
    Slider1 = new QSlider(Qt::Horizontal, this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setAccessibleName(QStringLiteral("Depth"));
    Slider1->setRange(0, kDefaultDepthMaximum);
    Slider1->setValue(kFirstDepth);
    Slider1->setTickPosition(QSlider::TicksBelow);
    units_->place(Slider1, QRectF(398, 20, 174, 28));
    connect(Slider1, &QSlider::valueChanged, this, &frmText::Slider1_Scroll);

    // Font / Style: the eight styles.
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Font / Style"));
    units_->place(Frame1, QRectF(8, 76, 158, 140));
    auto* frame1Units = new UnitScale(Frame1, QSizeF(158, 140));
    auto* styles = new QButtonGroup(this);
    for (int i = 0; i < kTextStyles; ++i) {
        opt[size_t(i)] = new QRadioButton(styleCaption(TextStyle(i)), Frame1);
        opt[size_t(i)]->setObjectName(QStringLiteral("opt%1").arg(i));
        styles->addButton(opt[size_t(i)], i);
        frame1Units->place(opt[size_t(i)], QRectF(8, 17 + i * 15, 146, 15));
    }
    connect(styles, &QButtonGroup::idClicked, this, &frmText::opt_Click);

    // The style's colours and the gradient kinds.
    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Plain text"));
    units_->place(Frame3, QRectF(172, 76, 186, 140));
    auto* frame3Units = new UnitScale(Frame3, QSizeF(186, 140));
    cmdFcol = button(Frame3, QStringLiteral("cmdFcol"), QStringLiteral("Font color"));
    lblFcol = makeSwatch(Frame3, QStringLiteral("lblFcol"), QStringLiteral("Font color"));
    cmdSHcol = button(Frame3, QStringLiteral("cmdSHcol"), QStringLiteral("Color"));
    lblSHcol = makeSwatch(Frame3, QStringLiteral("lblSHcol"), QStringLiteral("Color"));
    frame3Units->place(cmdFcol, QRectF(8, 18, 100, 24));
    frame3Units->place(lblFcol, QRectF(116, 20, 40, 20));
    frame3Units->place(cmdSHcol, QRectF(8, 46, 100, 24));
    frame3Units->place(lblSHcol, QRectF(116, 48, 40, 20));
    auto* gradients = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        optGradient[size_t(i)] = new QRadioButton(gradientCaption(GradientKind(i + 1)), Frame3);
        optGradient[size_t(i)]->setObjectName(QStringLiteral("optGradient%1").arg(i));
        gradients->addButton(optGradient[size_t(i)], i);
        frame3Units->place(optGradient[size_t(i)], QRectF(8, 76 + i * 15, 174, 15));
    }
    connect(gradients, &QButtonGroup::idClicked, this, &frmText::optGradient_Click);

    // 3D text: face and extrusion colours, the direction.
    Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("3D text"));
    units_->place(Frame2, QRectF(364, 76, 208, 140));
    auto* frame2Units = new UnitScale(Frame2, QSizeF(208, 140));
    cmdColor = button(Frame2, QStringLiteral("cmdColor"), QStringLiteral("Font color"));
    Label2 = makeSwatch(Frame2, QStringLiteral("Label2"), QStringLiteral("3d face color"));
    color3d = button(Frame2, QStringLiteral("color3d"), QStringLiteral("3d color 1"));
    Label3[0] = makeSwatch(Frame2, QStringLiteral("Label3_0"), QStringLiteral("3d color 1"));
    color3d2 = button(Frame2, QStringLiteral("color3d2"), QStringLiteral("3d color 2"));
    Label3[1] = makeSwatch(Frame2, QStringLiteral("Label3_1"), QStringLiteral("3d color 2"));
    frame2Units->place(cmdColor, QRectF(8, 18, 100, 24));
    frame2Units->place(Label2, QRectF(116, 20, 40, 20));
    frame2Units->place(color3d, QRectF(8, 46, 100, 24));
    frame2Units->place(Label3[0], QRectF(116, 48, 40, 20));
    frame2Units->place(color3d2, QRectF(8, 74, 100, 24));
    frame2Units->place(Label3[1], QRectF(116, 76, 40, 20));
    auto* directions = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        Option2[size_t(i)] = new QRadioButton(directionCaption(i), Frame2);
        Option2[size_t(i)]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        directions->addButton(Option2[size_t(i)], i);
        frame2Units->place(Option2[size_t(i)],
                           QRectF(8 + (i % 2) * 98, 100 + (i / 2) * 18, 98, 16));
    }
    Option2[0]->setChecked(true);
    connect(directions, &QButtonGroup::idClicked, this, &frmText::Option2_Click);

    const std::array<QPushButton*, 6> colourButtons{nullptr,  cmdFcol, cmdSHcol,
                                                    cmdColor, color3d, color3d2};
    for (int target = 1; target <= 5; ++target)
        connect(colourButtons[size_t(target)], &QPushButton::clicked, this,
                [this, target] { colourButton_Click(target); });

    // The preview: white, scrolled when the text outgrows it.
    P2 = new QScrollArea(this);
    P2->setObjectName(QStringLiteral("P2"));
    P2->setBackgroundRole(QPalette::Base);
    QPalette white = P2->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Window, Qt::white);
    P2->setPalette(white);
    P = new QLabel;
    P->setObjectName(QStringLiteral("P"));
    P->setAccessibleName(QStringLiteral("Preview"));
    P2->setWidget(P);
    units_->place(P2, QRectF(8, 222, 480, 104));

    cmdOk = button(this, QStringLiteral("cmdOk"), QStringLiteral("Ok"));
    units_->place(cmdOk, QRectF(496, 294, 76, 32));
    connect(cmdOk, &QPushButton::clicked, this, &frmText::cmdOk_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmText::Timer1_Timer);
}

std::optional<TextEffectsResult> frmText::run() {
    Form_Load();
    exec();
    return result_;
}

void frmText::Form_Load() {
    AppState& state = ctx_.state;
    const double scale = state.settings.guiScale > 0 ? state.settings.guiScale : 1.0;
    const QSize size(int(std::lround(kTwips.width() / 15 * scale)),
                     int(std::lround(kTwips.height() / 15 * scale)));
    resize(size);
    if (opener_) {
        const QRect composer = opener_->window()->geometry();
        move(composer.left(), composer.top());
        opener_->setEnabled(false);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
    units_->relayout();

    font_ = labelFont(state);
    {
        const QSignalBlocker quiet(txtText);
        txtText->setPlainText(editorTextOf(state.settings.textDefaults.text));
    }
    if (!withinLineLimit(txtText->toPlainText())) {
        const QSignalBlocker quiet(txtText);
        txtText->setPlainText(textLines(txtText->toPlainText()).mid(0, kMaxTextLines).join(u'\n'));
    }
    txtText->moveCursor(QTextCursor::End);
    lastAccepted_ = txtText->toPlainText();
    lastCursor_ = txtText->textCursor().position();

    restoreChoices();
    state.flags.textFirstUse = false;
    loaded_ = true;
    Timer1->start();
    txtText->setFocus();
}

void frmText::restoreChoices() {
    AppState& state = ctx_.state;
    TextEffectSettings& te = state.textEffects;
    if (state.flags.textFirstUse) {
        optGradient[0]->setChecked(true);
        te.gradientKind = 1;
        opt_Click(int(TextStyle::Plain));
        return;
    }
    setSwatch(1, te.fontColour);
    setSwatch(3, state.textLabel.backColour);
    setSwatch(2, te.secondColour);
    setSwatch(5, te.colour3d2);
    setSwatch(4, te.colour3d1);
    {
        const QSignalBlocker quiet(Slider1);
        Slider1->setValue(te.depth);
    }
    Option2[size_t(directionIndex(QPoint(te.directionX, te.directionY)))]->setChecked(true);
    opt_Click(int(textStyleFromIndex(te.style)));
    if (te.gradientKind >= 1 && te.gradientKind <= 4) optGradient_Click(te.gradientKind - 1);
}

TextStyle frmText::style() const {
    return textStyleFromIndex(ctx_.state.textEffects.style);
}

int frmText::directionOption() const {
    for (int i = 0; i < 4; ++i)
        if (Option2[size_t(i)]->isChecked()) return i;
    return 0;
}

void frmText::RedrawTextPreview() {
    if (redrawing_) return;
    redrawing_ = true;
    AppState& state = ctx_.state;
    const TextStyle s = style();
    const double points = font_.pointSizeF() > 0 ? font_.pointSizeF() : font_.pixelSize() * 0.75;

    TextJob job;
    job.text = effectTextOf(txtText->toPlainText());
    job.font = font_;
    job.style = s;
    job.gradient = gradientKindFromIndex(state.textEffects.gradientKind);
    job.box = PreviewSize(job.text, font_, s, Slider1->value());
    state.textEffects.effectText = job.text;

    // The styles that need another depth range set it again; a value outside
    // it is brought in, and that is the depth drawn.
    Slider1->setMaximum(kDefaultDepthMaximum);
    if (const auto range = styleSliderRange(s, points))
        Slider1->setRange(range->minimum, range->maximum);
    job.depth = Slider1->value();
    job.outlineWidth = outlineWidth(s, points, Slider1->maximum(), job.depth);
    job.direction = directionStep(directionOption());
    if (s == TextStyle::ThreeD) {
        state.textEffects.directionX = job.direction.x();
        state.textEffects.directionY = job.direction.y();
    }
    job.fontColour = swatch(1);
    job.secondColour = swatch(2);
    job.faceColour = swatch(3);
    job.colour3d1 = swatch(4);
    job.colour3d2 = swatch(5);

    preview_ = whiteSurface(job.box);
    DrawStyledText(preview_, job);
    P->setPixmap(QPixmap::fromImage(preview_));
    P->resize(preview_.size());
    showStyleControls(s);
    redrawing_ = false;
}

void frmText::showStyleControls(TextStyle s) {
    const StyleControls shown = styleControls(s);
    Slider1->setVisible(shown.depth);
    Label4->setVisible(shown.depth);
    Frame2->setVisible(shown.threeD);
    Frame3->setVisible(shown.styleFrame);
    Frame3->setTitle(styleCaption(s) + QStringLiteral(" text"));
    cmdSHcol->setVisible(shown.secondColour);
    lblSHcol->setVisible(shown.secondColour);
    for (QRadioButton* o : optGradient)
        o->setVisible(shown.gradients);
}

void frmText::opt_Click(int index) {
    ctx_.state.textEffects.style = int(textStyleFromIndex(index));
    opt[size_t(ctx_.state.textEffects.style)]->setChecked(true);
    RedrawTextPreview();
    txtText->setFocus();
}

void frmText::optGradient_Click(int index) {
    if (index < 0 || index > 3) return;
    ctx_.state.textEffects.gradientKind = index + 1;
    optGradient[size_t(index)]->setChecked(true);
    RedrawTextPreview();
    txtText->setFocus();
}

void frmText::Option2_Click(int index) {
    if (index < 0 || index > 3) return;
    Option2[size_t(index)]->setChecked(true);
    RedrawTextPreview();
    txtText->setFocus();
}

void frmText::Slider1_Scroll() {
    if (redrawing_) return; // the range of a style moving the value
    RedrawTextPreview();
    txtText->setFocus();
}

void frmText::Timer1_Timer() {
    RedrawTextPreview();
    Timer1->stop();
    txtText->setFocus();
}

void frmText::txtText_Change() {
    if (restoringText_) return;
    if (withinLineLimit(txtText->toPlainText())) {
        lastAccepted_ = txtText->toPlainText();
        lastCursor_ = txtText->textCursor().position();
    } else {
        restoringText_ = true;
        txtText->setPlainText(lastAccepted_);
        QTextCursor cursor = txtText->textCursor();
        cursor.setPosition(std::min(lastCursor_, int(lastAccepted_.size())));
        txtText->setTextCursor(cursor);
        restoringText_ = false;
    }
    if (loaded_) RedrawTextPreview();
}

void frmText::cmdFont_Click() {
    if (const std::optional<QFont> chosen = ctx_.prompts.font(this, font_)) {
        font_.setBold(chosen->bold());
        font_.setItalic(chosen->italic());
        font_.setFamily(chosen->family());
        if (chosen->pointSizeF() > 0)
            font_.setPointSizeF(chosen->pointSizeF());
        else if (chosen->pixelSize() > 0)
            font_.setPointSizeF(chosen->pixelSize() * 0.75);
        font_.setStrikeOut(chosen->strikeOut());
        font_.setUnderline(chosen->underline());
    }
    RedrawTextPreview();
    txtText->setFocus();
}

void frmText::colourButton_Click(int target) {
    if (!chooseColour_) return;
    // One picker at a time: the last button pressed says what it picks for.
    if (picker_) picker_->close();
    const QPointer<frmText> self(this);
    picker_ = chooseColour_(target, toQColor(swatch(target)), [self, target](QColor colour) {
        if (self) self->colourPicked(target, colour);
    });
}

void frmText::colourPicked(int target, const QColor& colour) {
    if (!colour.isValid()) return;
    if (colourDestination(ColourPicker::TextEffects, target) == ColourDestination::None) return;
    setSwatch(target, colourCode(colour));
    Timer1->start();
}

void frmText::cmdOk_Click() {
    accept();
}

ColourCode frmText::swatch(int target) const {
    return target >= 1 && target <= 5 ? swatches_[size_t(target)] : 0;
}

QLabel* frmText::swatchLabel(int target) const {
    switch (colourDestination(ColourPicker::TextEffects, target)) {
    case ColourDestination::FontColour:
        return lblFcol;
    case ColourDestination::SecondColour:
        return lblSHcol;
    case ColourDestination::FaceColour3d:
        return Label2;
    case ColourDestination::Colour3d1:
        return Label3[0];
    case ColourDestination::Colour3d2:
        return Label3[1];
    default:
        return nullptr;
    }
}

void frmText::setSwatch(int target, ColourCode colour) {
    QLabel* label = swatchLabel(target);
    if (!label) return;
    swatches_[size_t(target)] = colour;
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    label->setPalette(pal);
}

void frmText::handOff() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // A colour picked just before closing is in the picture too.
    if (Timer1->isActive()) {
        Timer1->stop();
        RedrawTextPreview();
    }
    AppState& state = ctx_.state;
    TextEffectSettings& te = state.textEffects;
    te.effectText = effectTextOf(txtText->toPlainText());
    te.faceColour3d = swatch(3);
    te.fontColour = swatch(1);
    te.secondColour = swatch(2);
    te.colour3d2 = swatch(5);
    te.colour3d1 = swatch(4);
    te.depth = Slider1->value();
    // Kept whatever the style, so the next opening shows the same direction.
    const QPoint step = directionStep(directionOption());
    te.directionX = step.x();
    te.directionY = step.y();
    storeLabel(state, te.effectText, font_, swatch(1), swatch(3));
    result_ = TextEffectsResult{preview_, glyphMask(preview_, kWhite), te, labelFont(state)};
    QGuiApplication::restoreOverrideCursor();
}

void frmText::done(int result) {
    // A picker still open picks for nothing any more.
    if (picker_) picker_->close();
    // Every way of closing hands the text over, as "Ok" does.
    if (!result_ && loaded_) handOff();
    if (opener_) opener_->setEnabled(true);
    QDialog::done(result);
}

bool frmText::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtText && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral("0") &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            txtText->insertPlainText(QString(kSlashedZero));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quiverel
