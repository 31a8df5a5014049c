#include "composer/colour_split.h"

namespace quiverel {

bool ColorCodeToRGB(ColourCode lColorCode, int& iRed, int& iGreen, int& iBlue) {
    iRed = lColorCode % 256;
    iGreen = (lColorCode / 256) % 256;
    iBlue = (lColorCode / 65536) % 256;
    return true;
}

Rgb16 ColorCodeToRGB(ColourCode code) {
    Rgb16 c;
    ColorCodeToRGB(code, c.red, c.green, c.blue);
    return c;
}

} // namespace quiverel
