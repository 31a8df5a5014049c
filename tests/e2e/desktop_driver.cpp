// Drives X11Desktop on its own for the end-to-end tests, on the display in
// $DISPLAY (or on whatever platform QT_QPA_PLATFORM names):
//
//   desktop_driver paste             the SSTV programs' paste sequence
//   desktop_driver find <part>       "found" (status 0) or "missing" (1)
//   desktop_driver activate <part>   "active" (0) or "not active" (1)
//   desktop_driver keys <notation>   types into the active window
//   desktop_driver warp <x> <y>      moves the pointer; prints where it is
//   desktop_driver clipboard <file>  puts the picture, the file and its path
//                                    on the clipboard, prints "ready" and
//                                    keeps them there until ended

#include "desktop/x11_desktop.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QTimer>

#include <cstdio>

using namespace quiverel;

namespace {

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void paste(X11Desktop& desktop) {
    const auto step = [&](const char* title, auto keys) {
        const bool active = desktop.activateWindowByTitle(QString::fromLatin1(title));
        say(QStringLiteral("%1 %2").arg(QLatin1String(title), active
                                                                  ? QStringLiteral("active")
                                                                  : QStringLiteral("not active")));
        if (active) {
            wait(500);
            keys();
        }
    };
    step("EasyPal", [&] { desktop.sendKeys(QStringLiteral("{F7}")); });
    step("KG-STV", [&] { desktop.sendKeys(QStringLiteral("1t1p")); });
    step("MMSSTV", [&] {
        desktop.sendKeys(QStringLiteral("%{E}"));
        wait(500);
        desktop.sendKeys(QStringLiteral("p"));
    });
    wait(500);
}

int usage() {
    std::fprintf(stderr, "usage: desktop_driver paste | find <part> | activate <part> | "
                         "keys <notation> | warp <x> <y> | clipboard <file>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) return usage();
    X11Desktop desktop;
    // Off X11 the commands still run: every window step must then fail quietly.
    if (!desktop.onX11())
        std::fprintf(stderr, "desktop_driver: not on an X11 display (platform %s)\n",
                     qPrintable(QGuiApplication::platformName()));
    const QString command = args[0];

    if (command == QLatin1String("paste") && args.size() == 1) {
        paste(desktop);
        return 0;
    }
    if (command == QLatin1String("find") && args.size() == 2) {
        const bool found = desktop.findWindowByTitle(args[1]);
        say(found ? QStringLiteral("found") : QStringLiteral("missing"));
        return found ? 0 : 1;
    }
    if (command == QLatin1String("activate") && args.size() == 2) {
        const bool active = desktop.activateWindowByTitle(args[1]);
        say(active ? QStringLiteral("active") : QStringLiteral("not active"));
        return active ? 0 : 1;
    }
    if (command == QLatin1String("keys") && args.size() == 2) {
        desktop.sendKeys(args[1]);
        return 0;
    }
    if (command == QLatin1String("warp") && args.size() == 3) {
        const bool moved = desktop.setCursorPos({args[1].toInt(), args[2].toInt()});
        const QPoint at = desktop.cursorPos();
        say(QStringLiteral("%1 %2 %3").arg(moved ? "moved" : "not moved").arg(at.x()).arg(at.y()));
        return moved ? 0 : 1;
    }
    if (command == QLatin1String("clipboard") && args.size() == 2) {
        ClipboardContent content;
        content.picture = QImage(args[1]);
        content.filePath = args[1];
        content.text = args[1];
        if (content.picture.isNull()) {
            std::fprintf(stderr, "desktop_driver: cannot read %s\n", qPrintable(args[1]));
            return 1;
        }
        desktop.setClipboard(content);
        say(QStringLiteral("ready"));
        return app.exec();
    }
    return usage();
}
