#pragma once
// What the text effects dialog and the colour pickers give back to whoever
// opened them.

#include "app/state.h"

#include <QColor>
#include <QImage>

namespace quiverel {

struct TextEffectsResult {
    QImage picture; // rendered text on white
    QImage mask;    // Format_Mono, 1 where a glyph pixel (non-white)
    TextEffectSettings settings;
};

enum class ColourPicker { TextEffects, Qsl };

struct ColourPickRequest {
    ColourPicker picker;
    int target;
    QColor current;
};

} // namespace quiverel
