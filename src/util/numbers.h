#pragma once
// Number conversions and number texts in the program's own manner.

#include <QString>
#include <QStringView>

namespace quiverel {

// The number at the start of the text, after leading blanks: an optional sign,
// digits, an optional decimal point and digits, an optional exponent. Anything
// that is not a number reads as 0 ("770 px" is 770, "abc" is 0).
double leadingNumber(QStringView text);

// Rounds to the nearest integer, halves to even.
long long roundHalfEven(double value);

// numerator / denominator (above 0) rounded like roundHalfEven, but exact in
// integers, so a half is a true half however large the numerator.
qint64 divideHalfEven(qint64 numerator, qint64 denominator);

// The transmit time of a JPEG 2000 file of `bytes`: 250 bytes a second,
// halves to even, plus a fixed 20 seconds for the mode's header and sync.
// 64 bits wide, so any file size gives its true estimate.
qint64 EstimateTxSeconds(qint64 bytes);

// leadingNumber clamped into the range of a 16-bit or 32-bit integer, rounded
// halves to even, as a settings value of that width.
int leadingInt16(QStringView text);
int leadingInt32(QStringView text);

// "###,###": thousands separated by commas; 0 gives an empty text.
QString thousands(qint64 value);

} // namespace quiverel
