#pragma once
// What the program needs of the desktop it runs on: the screen, the pointer,
// other programs' windows and keys, the clipboard, the trash. Nothing outside
// an implementation of this class knows which desktop that is.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace quiverel {

class Desktop {
public:
    virtual ~Desktop() = default;

    // The whole screen in pixels (the desktop window's rectangle).
    virtual QSize screenSize() const = 0;

    // The pointer in screen pixels, and moving it. False when the platform refuses.
    virtual QPoint cursorPos() const = 0;
    virtual bool setCursorPos(QPoint screen) = 0;
};

} // namespace quiverel
