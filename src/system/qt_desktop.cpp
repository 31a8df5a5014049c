#include "system/qt_desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace quiverel {

QSize QtDesktop::screenSize() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

QPoint QtDesktop::cursorPos() const { return QCursor::pos(); }

bool QtDesktop::setCursorPos(QPoint screen) {
    QCursor::setPos(screen);
    return QCursor::pos() == screen;
}

} // namespace quiverel
