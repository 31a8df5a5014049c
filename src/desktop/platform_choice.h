#pragma once
// The windowing platform the program asks Qt for. The SSTV programs, native
// or under Wine, are X11 windows: only through X (XWayland in a Wayland
// session) can they be found, raised and typed into.

#include <QByteArray>

namespace quiverel {

// The value for QT_QPA_PLATFORM given the environment's DISPLAY and
// QT_QPA_PLATFORM: X first, Wayland should X fail, when a display is there
// and the user chose no platform; empty to leave Qt its own choice.
QByteArray platformChoice(const QByteArray& display, const QByteArray& qpaPlatform);

} // namespace quiverel
