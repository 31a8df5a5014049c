#pragma once
// A desktop for tests: a fixed screen, a pointer that stays where it is put,
// and a log of everything asked of it.

#include "system/desktop.h"

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

    void setScreenSize(QSize s) { screen_ = s; }
    QStringList log;

private:
    QSize screen_;
    QPoint cursor_;
};

} // namespace quiverel
