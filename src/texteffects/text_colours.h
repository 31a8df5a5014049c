#pragma once
// Colours as the program holds them: red + 256 x green + 65536 x blue.

#include "app/state.h"

#include <QColor>
#include <QRgb>

namespace quiverel {

inline constexpr ColourCode kWhite = 16777215;

// Red, green and blue of a colour code, each 0..255.
int codeRed(ColourCode c);
int codeGreen(ColourCode c);
int codeBlue(ColourCode c);
ColourCode colourCode(int red, int green, int blue);
ColourCode colourCode(const QColor& c);
QColor toQColor(ColourCode c);
QRgb toRgb(ColourCode c);

// 1 red, 2 blue, 3 green, read from the colour's six hexadecimal digits; any
// other `which` gives 0.
int ColorComponent(ColourCode colour, int which);

// Step t of n from c1 towards c2, each channel rounded halves to even.
ColourCode BlendColor(ColourCode c1, ColourCode c2, int t, int n);

} // namespace quiverel
