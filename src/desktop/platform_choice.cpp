#include "desktop/platform_choice.h"

#include <QList>
#include <QMutex>
#include <cstdio>
#include <cstdlib>

namespace quiverel {

QByteArray platformChoice(const QByteArray& display, const QByteArray& qpaPlatform) {
    if (!qpaPlatform.trimmed().isEmpty() || display.trimmed().isEmpty()) return {};
    return QByteArrayLiteral("xcb;wayland");
}

namespace {

struct HeldMessage {
    QtMsgType type;
    // Qt's file, function and category names are literals that outlive the guard.
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QMutex heldLock;
QList<HeldMessage> held;
QByteArray failureLine;
QtMessageHandler previousHandler = nullptr;

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(failureLine.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1); // Qt is half started: nothing of it is to be run down
    }
    const QMutexLocker lock(&heldLock);
    held.append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

PlatformStartGuard::PlatformStartGuard(const QString& failure) {
    failureLine = failure.toLocal8Bit();
    previousHandler = qInstallMessageHandler(holdOrFail);
}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(previousHandler);
    QList<HeldMessage> messages;
    {
        const QMutexLocker lock(&heldLock);
        messages.swap(held);
    }
    for (const HeldMessage& m : messages) {
        const QMessageLogContext context(m.file, m.line, m.function, m.category);
        previousHandler(m.type, context, m.text);
    }
}

} // namespace quiverel
