#pragma once
// The desktop on an X11 display: other programs' windows found by title and
// brought to the front through the window manager (or, when there is none,
// the input focus and WM_TAKE_FOCUS), keys typed through XTest, the pointer
// moved for real. The rest is Qt's. Works on Qt's own X connection; on any
// other platform the window steps fail as for a missing window.

#include "desktop/qt_desktop.h"

#include <functional>

struct _XDisplay; // Xlib's Display; its header stays out of the program's headers

namespace quiverel {

class X11Desktop : public QtDesktop {
public:
    X11Desktop();

    // Whether the X connection is there (the program runs on xcb).
    bool onX11() const { return display_ != nullptr; }

    QPoint cursorPos() const override;
    bool setCursorPos(QPoint screen) override;

    bool findWindowByTitle(const QString& titlePart) override;
    bool activateWindowByTitle(const QString& titlePart) override;
    void sendKeys(const QString& keys) override;

private:
    // The X window id, or 0.
    unsigned long findWindow(const QString& titlePart) const;
    bool activate(unsigned long window);
    // Whether the keyboard focus is on the window last activated (or none was).
    bool focusOnTarget() const;
    // Runs `type` (XTest key events) while the focus is on that window,
    // giving it back first when a click moved it; false when it cannot.
    bool typeIntoTarget(const std::function<void()>& type);

    _XDisplay* display_ = nullptr;
    unsigned long target_ = 0; // the window the keys are meant for
};

} // namespace quiverel
