#include "composer/size_controls.h"

#include "app/unit_scale.h"
#include "composer/size_settings.h"
#include "convert/iview_ini.h"
#include "desktop/prompts.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

namespace quiverel {

SizeControlsPlaces SizeControlsPlaces::composer() {
    return {QRectF(10, 430, 139, 25), QRectF(210, 430, 129, 25), QRectF(10, 447, 140, 27),
            QRectF(210, 447, 130, 27), 9};
}

SizeControlsPlaces SizeControlsPlaces::form8() {
    // The sliders keep a gap between them: grooves drawn edge to edge would
    // read as one slider with two thumbs.
    return {QRectF(6, 45, 149, 35), QRectF(149, 45, 137, 35), QRectF(6, 80, 134, 45),
            QRectF(158, 80, 129, 45), 10};
}

namespace {

QSlider* makeSlider(const QString& name, int minimum, int maximum, int tickInterval,
                    QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(minimum, maximum);
    s->setSingleStep(1);
    s->setPageStep(5);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(tickInterval);
    return s;
}

QLabel* makeLabel(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

} // namespace

SizeControls::SizeControls(Context& ctx, const SizeControlsPlaces& places, QWidget* parent)
    : QWidget(parent), ctx_(ctx), places_(places) {
    setObjectName(QStringLiteral("SizeControls"));
    const QRectF box = places_.box();
    units_ = new UnitScale(this, box.size());
    lblSize = makeLabel(QStringLiteral("lblSize"), this);
    lblResize = makeLabel(QStringLiteral("lblResize"), this);
    sliSize = makeSlider(QStringLiteral("sliSize"), kSizeSliderMin, kSizeSliderMax, 10, this);
    sliResize =
        makeSlider(QStringLiteral("sliResize"), kResizeSliderMin, kResizeSliderMax, 1, this);
    sliSize->setAccessibleName(QStringLiteral("File size"));
    sliResize->setAccessibleName(QStringLiteral("Resolution"));
    const QPointF origin = box.topLeft();
    units_->place(lblSize, places_.lblSize.translated(-origin));
    units_->place(lblResize, places_.lblResize.translated(-origin));
    units_->place(sliSize, places_.sliSize.translated(-origin));
    units_->place(sliResize, places_.sliResize.translated(-origin));

    connect(sliSize, &QSlider::valueChanged, this, &SizeControls::sizeValueChanged);
    connect(sliSize, &QSlider::sliderReleased, this, &SizeControls::sizeReleased);
    connect(sliResize, &QSlider::valueChanged, this, &SizeControls::sliResize_Scroll);
}

void SizeControls::placeIn(UnitScale& hostUnits) {
    hostUnits.place(this, places_.box());
    // One unit here is one unit of the host, so the fonts follow its scale.
    units_->relayout();
    units_->setFontPoints(lblSize, places_.fontPoints);
    units_->setFontPoints(lblResize, places_.fontPoints);
}

void SizeControls::load(const SizeResult& sizes) {
    values_ = sizes;
    const QSignalBlocker quietSize(sliSize);
    const QSignalBlocker quietResize(sliResize);
    lblResize->setText(resizeLabelForSetting(values_.resizeSetting, ctx_.state.text[8]));
    // A setting outside the list leaves the slider at its end and the setting as it is.
    sliResize->setValue(values_.resizeIndex);
    const int value = sizeSliderValue(values_.jp2TargetSize);
    sliSize->setValue(value);
    values_.jp2TargetSize = targetBytesFromSlider(value);
    lblSize->setText(sizeLabelText(values_.jp2TargetSize, ctx_.state.text[9]));
    written_ = value;
    if (values_.jp2TargetSize != sizes.jp2TargetSize) {
        // i_view32.ini is to aim at the size the slider shows.
        writeSettingsFile();
        Q_EMIT sizesChanged(values_);
    }
}

void SizeControls::sliSize_Scroll() {
    values_.jp2TargetSize = targetBytesFromSlider(sliSize->value());
    lblSize->setText(sizeLabelText(values_.jp2TargetSize, ctx_.state.text[9]));
    Q_EMIT sizesChanged(values_);
    Q_EMIT sizeScrolled();
}

void SizeControls::sliSize_Change() {
    values_.jp2TargetSize = targetBytesFromSlider(sliSize->value());
    Q_EMIT sizeChanged();
    Q_EMIT sizesChanged(values_);
    written_ = sliSize->value();
    writeSettingsFile();
}

void SizeControls::sliResize_Scroll() {
    const int value = sliResize->value();
    lblResize->setText(resizeLabelText(value, ctx_.state.text[8]));
    // The resize rule works on settings.
    Settings s;
    applySizes(s, values_);
    applyResizeSlider(s, value);
    values_ = sizesOf(s);
    Q_EMIT sizesChanged(values_);
}

void SizeControls::sizeValueChanged() {
    sliSize_Scroll();
    // While the thumb is dragged, the value settles when it is let go.
    if (!sliSize->isSliderDown()) sliSize_Change();
}

void SizeControls::sizeReleased() {
    if (sliSize->value() != written_) sliSize_Change();
}

void SizeControls::writeSettingsFile() {
    const QString path = ctx_.state.iniFile(QString::fromLatin1(kIviewIniName));
    if (writeIviewIni(path, values_.jp2TargetSize) || warned_) return;
    warned_ = true;
    ctx_.prompts.tell(this,
                      path + QStringLiteral("\ncould not be written. Transmit files keep the size "
                                            "it holds until it can be written again."),
                      {}, PromptIcon::Warning);
}

} // namespace quiverel
