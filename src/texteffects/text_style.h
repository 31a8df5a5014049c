#pragma once
// The eight text styles, the four gradient kinds, the 3d directions, and what
// each style shows of the dialog and lets the depth slider reach.

#include <QPoint>
#include <QString>
#include <optional>

namespace quiverel {

enum class TextStyle {
    Plain,
    ThreeD,
    Shadow,
    Outline,
    Gradient,
    GradientShadow,
    GradientOutline,
    Hollow,
};
inline constexpr int kTextStyles = 8;

enum class GradientKind { Horizontal = 1, Rectangular, Spherical, Vertical };

// A stored style index (0..7) or gradient kind (1..4); anything else gives Plain
// or Horizontal.
TextStyle textStyleFromIndex(int index);
GradientKind gradientKindFromIndex(int kind);

// The option captions: "Plain", "3d", ..., "Hollow".
QString styleCaption(TextStyle style);
// "Horizontal gradient", ... for kind 1..4.
QString gradientCaption(GradientKind kind);
// "Top Left", "Top Right", "Bottom Left", "Bottom Right" for Option2 index 0..3.
QString directionCaption(int index);

// The step of the 3d extrusion for Option2 index 0..3: (+1, +1), (-1, +1),
// (+1, -1), (-1, -1). The option index back from a step; 0 for anything else.
QPoint directionStep(int index);
int directionIndex(QPoint step);

// Which groups of the dialog a style shows.
struct StyleControls {
    bool depth = false;        // Slider1 and Label4
    bool threeD = false;       // Frame2
    bool styleFrame = false;   // Frame3 with the font colour
    bool secondColour = false; // cmdSHcol and lblSHcol
    bool gradients = false;    // optGradient
    bool operator==(const StyleControls&) const = default;
};
StyleControls styleControls(TextStyle style);

// The point size as the slider ranges count it: rounded, halves to even.
int fontSizeForRanges(double points);

// The depth slider's range for the styles that set their own (Outline,
// Gradient + outline, Hollow); the others keep the range and take maximum 25.
struct SliderRange {
    int minimum = 0;
    int maximum = 0;
    bool operator==(const SliderRange&) const = default;
};
inline constexpr int kDefaultDepthMaximum = 25;
std::optional<SliderRange> styleSliderRange(TextStyle style, double points);

// The outline width w of the outline styles for a slider at `value` with
// `maximum`; never below 0. 0 for the other styles.
int outlineWidth(TextStyle style, double points, int maximum, int value);

} // namespace quiverel
