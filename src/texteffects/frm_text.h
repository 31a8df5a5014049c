#pragma once
// The text effects dialog "Quiverel Text Effects": up to three lines of text,
// a font, one of eight styles, a gradient kind, a depth and colours, with the
// result at once in the preview P. Modal; every way of closing hands the
// rendered picture, its mask and the settings back, and keeps the choices in
// AppState for the next opening.

#include "app/context.h"
#include "texteffects/text_effects_result.h"
#include "texteffects/text_style.h"

#include <QDialog>
#include <QFont>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QTimer;

namespace quiverel {

class UnitScale;

// Opens the colour picker for a picker target (1..5) preset to the current
// colour of that target's swatch, without waiting for it: `picked` gets the
// colour chosen with "Ok" and is never called when the picker is closed
// otherwise. Gives the picker's window (or none), which the dialog closes
// when it closes itself or opens another picker.
using ColourPicked = std::function<void(QColor)>;
using ColourChooser = std::function<QWidget*(int target, QColor current, ColourPicked picked)>;

class frmText : public QDialog {
    Q_OBJECT
public:
    frmText(Context& ctx, ColourChooser chooseColour, QWidget* opener = nullptr);

    // Form_Load, then modal until closed; the hand-off of the closing.
    std::optional<TextEffectsResult> run();
    const std::optional<TextEffectsResult>& result() const { return result_; }

    // Sizes and places the dialog, restores the last choices and the text and
    // font of lblText, and starts Timer1. Disables the opener until closing.
    void Form_Load();
    void RedrawTextPreview();

    void opt_Click(int index);
    void optGradient_Click(int index);
    void Option2_Click(int index);
    void Slider1_Scroll();
    void Timer1_Timer();
    void txtText_Change();
    void cmdFont_Click();
    // The five colour buttons by picker target: 1 cmdFcol, 2 cmdSHcol,
    // 3 cmdColor, 4 color3d, 5 color3d2. The dialog stays usable while the
    // picker is open.
    void colourButton_Click(int target);
    // The picker's "Ok": the target's swatch takes the colour, the preview follows.
    void colourPicked(int target, const QColor& colour);
    void cmdOk_Click();

    // The preview's picture and font, and the colour of a picker target's swatch.
    const QImage& preview() const { return preview_; }
    const QFont& previewFont() const { return font_; }
    ColourCode swatch(int target) const;
    TextStyle style() const;

    QLabel* lblText = nullptr;
    QPlainTextEdit* txtText = nullptr;
    QPushButton* cmdFont = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kTextStyles> opt{};
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, 4> optGradient{};
    QPushButton* cmdFcol = nullptr;
    QLabel* lblFcol = nullptr;
    QPushButton* cmdSHcol = nullptr;
    QLabel* lblSHcol = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* cmdColor = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* color3d = nullptr;
    QPushButton* color3d2 = nullptr;
    std::array<QLabel*, 2> Label3{};
    std::array<QRadioButton*, 4> Option2{};
    QSlider* Slider1 = nullptr;
    QLabel* Label4 = nullptr;
    QScrollArea* P2 = nullptr;
    QLabel* P = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* cmdOk = nullptr;

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void restoreChoices();
    void showStyleControls(TextStyle style);
    void setSwatch(int target, ColourCode colour);
    QLabel* swatchLabel(int target) const;
    int directionOption() const;
    void handOff();

    Context& ctx_;
    ColourChooser chooseColour_;
    QWidget* opener_;
    UnitScale* units_ = nullptr;
    QFont font_;
    QImage preview_;
    std::array<ColourCode, 6> swatches_{}; // by picker target 1..5
    QString lastAccepted_;
    int lastCursor_ = 0;
    bool redrawing_ = false;
    bool restoringText_ = false;
    bool loaded_ = false;
    std::optional<TextEffectsResult> result_;
    QPointer<QWidget> picker_; // the colour picker while it is open
};

} // namespace quiverel
