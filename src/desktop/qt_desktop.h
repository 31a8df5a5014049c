#pragma once
// The desktop as Qt sees it: the primary screen, the pointer, the
// clipboard, the freedesktop trash and the default text editor. Other
// programs' windows are out of its reach: finding one fails, as for a
// missing window.

#include "desktop/desktop.h"

namespace quiverel {

class QtDesktop : public Desktop {
public:
    QSize screenSize() const override;
    QPoint cursorPos() const override;
    bool setCursorPos(QPoint screen) override;

    bool findWindowByTitle(const QString&) override { return false; }
    bool activateWindowByTitle(const QString&) override { return false; }
    void sendKeys(const QString&) override {}

    void setClipboard(const ClipboardContent& content) override;
    bool recycleFile(const QString& path) override;
    bool openTextFile(const QString& path) override;
};

} // namespace quiverel
