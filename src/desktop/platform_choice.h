#pragma once
// The windowing platform the program asks Qt for. The SSTV programs, native
// or under Wine, are X11 windows: only through X (XWayland in a Wayland
// session) can they be found, raised and typed into.

#include <QByteArray>
#include <QString>

namespace quiverel {

// The value for QT_QPA_PLATFORM given the environment's DISPLAY and
// QT_QPA_PLATFORM: X first, Wayland should X fail, when a display is there
// and the user chose no platform; empty to leave Qt its own choice.
QByteArray platformChoice(const QByteArray& display, const QByteArray& qpaPlatform);

// Held while Qt connects to the window system: where none can be reached Qt
// would abort after several lines of its own; instead `failure` alone goes to
// standard error and the program ends with status 1. Qt's other messages of
// that time are held back and let through when the guard ends.
class PlatformStartGuard {
public:
    explicit PlatformStartGuard(const QString& failure);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
};

} // namespace quiverel
