#pragma once
// A desktop for tests: a fixed screen, a pointer that stays where it is put,
// the windows the test says exist, and a log of everything asked of it
// ("activate EasyPal", "keys {F7}", "clipboard ...", "trash ...").

#include "desktop/desktop.h"

#include <QFile>
#include <QStringList>

namespace quiverel {

class RecordingDesktop : public Desktop {
public:
    explicit RecordingDesktop(QSize screen = QSize(1024, 768)) : screen_(screen) {}

    QSize screenSize() const override { return screen_; }
    QPoint cursorPos() const override { return cursor_; }
    bool setCursorPos(QPoint p) override {
        cursor_ = p;
        log.append(QStringLiteral("cursor %1,%2").arg(p.x()).arg(p.y()));
        return true;
    }

    bool findWindowByTitle(const QString& part) override {
        for (const QString& t : std::as_const(windowTitles))
            if (t.contains(part, Qt::CaseInsensitive)) return true;
        return false;
    }
    bool activateWindowByTitle(const QString& part) override {
        if (!findWindowByTitle(part)) return false;
        log.append(QStringLiteral("activate ") + part);
        return true;
    }
    void sendKeys(const QString& keys) override { log.append(QStringLiteral("keys ") + keys); }

    void setClipboard(const ClipboardContent& c) override {
        clipboard = c;
        log.append(QStringLiteral("clipboard %1x%2 %3 %4")
                       .arg(c.picture.width())
                       .arg(c.picture.height())
                       .arg(c.filePath, c.text));
    }

    bool recycleFile(const QString& path) override {
        log.append(QStringLiteral("trash ") + path);
        return refuseTrash ? false : QFile::remove(path);
    }
    bool openTextFile(const QString& path) override {
        log.append(QStringLiteral("edit ") + path);
        return true;
    }

    void setScreenSize(QSize s) { screen_ = s; }

    QStringList log;
    QStringList windowTitles;
    ClipboardContent clipboard;
    bool refuseTrash = false;

private:
    QSize screen_;
    QPoint cursor_;
};

} // namespace quiverel
