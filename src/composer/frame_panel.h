#pragma once
// The frame panel Frame1 that covers the composer's button column while a
// frame is chosen: gradient or solid, its width, its colour.

#include <QImage>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace quiverel {

class UnitScale;

struct FramePanel {
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr; // "Gradient"
    QRadioButton* Option2 = nullptr; // "Solid"
    QLabel* Label3 = nullptr;        // "Frame width"
    QSlider* Slider1 = nullptr;      // 1..25
    QPushButton* cmdColor = nullptr;
    QPushButton* cmdOkFrame = nullptr;
    QLabel* imgF1 = nullptr; // a gradient sample
    QLabel* imgF2 = nullptr; // a solid sample
};

// The panel, hidden, its controls placed inside it. `units` places the panel
// itself over the button column.
FramePanel makeFramePanel(QWidget* parent, UnitScale& units);

// The samples beside the two options: a small picture with each kind of frame.
QImage frameSample(bool solid);

} // namespace quiverel
