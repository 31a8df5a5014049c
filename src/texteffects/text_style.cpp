#include "texteffects/text_style.h"

#include <algorithm>
#include <cmath>

namespace quiverel {

TextStyle textStyleFromIndex(int index) {
    return index >= 0 && index < kTextStyles ? TextStyle(index) : TextStyle::Plain;
}

GradientKind gradientKindFromIndex(int kind) {
    return kind >= 1 && kind <= 4 ? GradientKind(kind) : GradientKind::Horizontal;
}

QString styleCaption(TextStyle style) {
    switch (style) {
    case TextStyle::Plain:
        return QStringLiteral("Plain");
    case TextStyle::ThreeD:
        return QStringLiteral("3d");
    case TextStyle::Shadow:
        return QStringLiteral("Shadow");
    case TextStyle::Outline:
        return QStringLiteral("Outline");
    case TextStyle::Gradient:
        return QStringLiteral("Gradient");
    case TextStyle::GradientShadow:
        return QStringLiteral("Gradient + shadow");
    case TextStyle::GradientOutline:
        return QStringLiteral("Gradient + outline");
    case TextStyle::Hollow:
        return QStringLiteral("Hollow");
    }
    return {};
}

QString gradientCaption(GradientKind kind) {
    switch (kind) {
    case GradientKind::Horizontal:
        return QStringLiteral("Horizontal gradient");
    case GradientKind::Rectangular:
        return QStringLiteral("Rectangular gradient");
    case GradientKind::Spherical:
        return QStringLiteral("Spherical gradient");
    case GradientKind::Vertical:
        return QStringLiteral("Vertical gradient");
    }
    return {};
}

QString directionCaption(int index) {
    static const char* const captions[] = {"Top Left", "Top Right", "Bottom Left", "Bottom Right"};
    return index >= 0 && index < 4 ? QString::fromLatin1(captions[index]) : QString();
}

QPoint directionStep(int index) {
    switch (index) {
    case 1:
        return {-1, 1};
    case 2:
        return {1, -1};
    case 3:
        return {-1, -1};
    default:
        return {1, 1};
    }
}

int directionIndex(QPoint step) {
    for (int i = 0; i < 4; ++i)
        if (directionStep(i) == step) return i;
    return 0;
}

StyleControls styleControls(TextStyle style) {
    switch (style) {
    case TextStyle::Plain:
        return {.styleFrame = true};
    case TextStyle::ThreeD:
        return {.depth = true, .threeD = true};
    case TextStyle::Shadow:
    case TextStyle::Outline:
        return {.depth = true, .styleFrame = true, .secondColour = true};
    case TextStyle::Gradient:
        return {.styleFrame = true, .secondColour = true, .gradients = true};
    case TextStyle::GradientShadow:
    case TextStyle::GradientOutline:
        return {.depth = true, .styleFrame = true, .secondColour = true, .gradients = true};
    case TextStyle::Hollow:
        return {.depth = true, .styleFrame = true};
    }
    return {};
}

int fontSizeForRanges(double points) {
    // Text is never drawn larger than 375 points (500 pixels).
    if (!std::isfinite(points)) return 0;
    return int(std::nearbyint(std::clamp(points, 0.0, 375.0)));
}

std::optional<SliderRange> styleSliderRange(TextStyle style, double points) {
    const int size = std::max(fontSizeForRanges(points), 0);
    switch (style) {
    case TextStyle::Outline:
        return SliderRange{0, size / 9};
    case TextStyle::GradientOutline:
        return SliderRange{0, size / 8};
    case TextStyle::Hollow:
        // A font under 5 points would give 1..0; the slider keeps 1.
        return SliderRange{1, std::max(size / 5, 1)};
    default:
        return std::nullopt;
    }
}

int outlineWidth(TextStyle style, double points, int maximum, int value) {
    if (style != TextStyle::Outline && style != TextStyle::GradientOutline) return 0;
    const int size = std::max(fontSizeForRanges(points), 0);
    // For large fonts size / 8 outgrows size / 9 by more than one, which
    // would make w negative at the low end and shift the face off the picture.
    return std::max(size / 9 - (maximum - value - 1), 0);
}

} // namespace quiverel
