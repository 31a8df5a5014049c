#pragma once
// A colour code split into red, green and blue.

#include "app/state.h"

namespace quiverel {

struct Rgb16 {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Remainders and divisions keep the sign of the code, as the settings store
// it; a code from a colour dialog gives 0..255 each.
bool ColorCodeToRGB(ColourCode lColorCode, int& iRed, int& iGreen, int& iBlue);
Rgb16 ColorCodeToRGB(ColourCode code);

} // namespace quiverel
