#pragma once
// What the program needs of the desktop it runs on: the screen, the pointer,
// other programs' windows and keys, the clipboard, the trash, the text
// editor. Nothing outside an implementation of this class knows which
// desktop that is.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace quiverel {

// What a hand-off leaves on the clipboard. Empty parts are left out.
struct ClipboardContent {
    QImage picture;   // as a picture
    QString filePath; // as a file list (text/uri-list and the file managers' copied-files form)
    QString text;     // as plain text
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // The whole screen in pixels (the desktop window's rectangle).
    virtual QSize screenSize() const = 0;

    // The pointer in screen pixels, and moving it. False when the platform refuses.
    virtual QPoint cursorPos() const = 0;
    virtual bool setCursorPos(QPoint screen) = 0;

    // The first top-level window whose title contains `titlePart` (any letter
    // case): whether there is one, and bringing it to the front in its normal
    // state (true when it is then the active window).
    virtual bool findWindowByTitle(const QString& titlePart) = 0;
    virtual bool activateWindowByTitle(const QString& titlePart) = 0;
    // Types keys into the active window, in the SendKeys notation:
    // "{F7}" a named key, "%" Alt, "^" Ctrl, "+" Shift for the next key;
    // letters and digits as themselves.
    virtual void sendKeys(const QString& keys) = 0;

    // Replaces the clipboard's contents.
    virtual void setClipboard(const ClipboardContent& content) = 0;

    // Moves a file to the trash without asking; false when it stays where it is.
    virtual bool recycleFile(const QString& path) = 0;
    // Opens a text file in the desktop's text editor without waiting.
    virtual bool openTextFile(const QString& path) = 0;
};

} // namespace quiverel
