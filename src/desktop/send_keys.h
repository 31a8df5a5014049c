#pragma once
// The SendKeys notation ("{F7}", "%{E}", "1t1p") read once into the keys it
// types, as X keysyms with the modifiers held around each. Pure text work: the
// desktop that types them lives elsewhere.

#include <QList>
#include <QString>

#include <optional>

namespace quiverel {

// Modifier bits held down while a key is pressed.
enum KeyModifier : unsigned {
    KeyShift = 1,
    KeyControl = 2,
    KeyAlt = 4,
};

struct SentKey {
    quint32 keysym = 0;     // X keysym value; letters are the lower-case key
    unsigned modifiers = 0; // KeyModifier bits

    friend bool operator==(const SentKey&, const SentKey&) = default;
};

// X keysym values of the named keys (the same numbers as X's keysymdef.h,
// kept here so that this file needs no X header).
namespace keysym {
inline constexpr quint32 BackSpace = 0xff08;
inline constexpr quint32 Tab = 0xff09;
inline constexpr quint32 Return = 0xff0d;
inline constexpr quint32 Pause = 0xff13;
inline constexpr quint32 ScrollLock = 0xff14;
inline constexpr quint32 Escape = 0xff1b;
inline constexpr quint32 Home = 0xff50;
inline constexpr quint32 Left = 0xff51;
inline constexpr quint32 Up = 0xff52;
inline constexpr quint32 Right = 0xff53;
inline constexpr quint32 Down = 0xff54;
inline constexpr quint32 PageUp = 0xff55;   // Prior
inline constexpr quint32 PageDown = 0xff56; // Next
inline constexpr quint32 End = 0xff57;
inline constexpr quint32 Print = 0xff61;
inline constexpr quint32 Insert = 0xff63;
inline constexpr quint32 Help = 0xff6a;
inline constexpr quint32 Break = 0xff6b;
inline constexpr quint32 NumLock = 0xff7f;
inline constexpr quint32 KeypadMultiply = 0xffaa;
inline constexpr quint32 KeypadAdd = 0xffab;
inline constexpr quint32 KeypadSubtract = 0xffad;
inline constexpr quint32 KeypadDivide = 0xffaf;
inline constexpr quint32 F1 = 0xffbe; // F1 + n - 1 is Fn, up to F16
inline constexpr quint32 CapsLock = 0xffe5;
inline constexpr quint32 Delete = 0xffff;
} // namespace keysym

// The keys `notation` types, in order: "+", "^" and "%" hold Shift, Ctrl and
// Alt for the next key or the next "( )" group; "{NAME}" or "{NAME n}" is a
// named key (n times) and "{x}" the key x itself ("{E}" is the e key, no
// Shift); "~" is Enter; any other character is typed as itself, an
// upper-case letter with Shift. Nothing when the notation is malformed (an
// unclosed brace or group, an unknown name, a modifier with no key after it,
// a repeat count above 255): typing part of it into another program's window
// would be worse than typing nothing.
std::optional<QList<SentKey>> parseSendKeys(const QString& notation);

} // namespace quiverel
