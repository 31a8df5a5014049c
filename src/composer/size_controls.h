#pragma once
// The size and resize sliders with their labels, as the composer and the
// size window both show them.

#include "app/context.h"
#include "app/windows.h"

#include <QRectF>
#include <QWidget>

class QLabel;
class QSlider;

namespace quiverel {

class UnitScale;

// Where the four controls sit, in the units of the window that holds them.
struct SizeControlsPlaces {
    QRectF lblSize;
    QRectF lblResize;
    QRectF sliSize;
    QRectF sliResize;
    double fontPoints = 9;

    QRectF box() const { return lblSize | lblResize | sliSize | sliResize; }

    static SizeControlsPlaces composer();
    static SizeControlsPlaces form8();
};

class SizeControls : public QWidget {
    Q_OBJECT
public:
    SizeControls(Context& ctx, const SizeControlsPlaces& places, QWidget* parent);

    // Puts the controls where `places` says in the host's units.
    void placeIn(UnitScale& hostUnits);
    // Labels and sliders from `sizes`. The size is read back from the slider,
    // so an odd or out-of-range size becomes what the slider shows (and is
    // handed back as a change).
    void load(const SizeResult& sizes);
    // The sizes as the sliders set them.
    const SizeResult& values() const { return values_; }

    // The slider is moving: the size and the labels follow it.
    void sliSize_Scroll();
    // The slider settled on a value: the size, and i_view32.ini for the next
    // JPEG 2000 file.
    void sliSize_Change();
    void sliResize_Scroll();

    QLabel* lblSize = nullptr;
    QLabel* lblResize = nullptr;
    QSlider* sliSize = nullptr;
    QSlider* sliResize = nullptr;

Q_SIGNALS:
    void sizeScrolled();
    void sizeChanged();
    // The sizes changed; the owner keeps them (the main window's lblSize
    // and the next hand-off use them while the sliders are still shown).
    void sizesChanged(const SizeResult& sizes);

private:
    void sizeValueChanged();
    void sizeReleased();
    void writeSettingsFile();

    Context& ctx_;
    SizeControlsPlaces places_;
    UnitScale* units_ = nullptr;
    SizeResult values_;
    int written_ = 0;     // the slider value i_view32.ini holds
    bool warned_ = false; // a file that cannot be written is told once
};

} // namespace quiverel
