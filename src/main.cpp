// Quiverel: thumbnails of received SSTV pictures and one-click hand-off to
// the SSTV programs.

#include "app/app_folder.h"
#include "app/command_line.h"
#include "app/context.h"
#include "convert/in_process_converter.h"
#include "desktop/platform_choice.h"
#include "desktop/qt_prompts.h"
#include "desktop/quit_signals.h"
#include "desktop/single_instance.h"
#include "desktop/x11_desktop.h"
#include "mainwindow/form1.h"
#include "program_windows.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <optional>

int main(int argc, char** argv) {
    using namespace quiverel;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Answered before Qt looks for a display.
    const CommandLine line = readCommandLine(arguments, QStringLiteral(QUIVEREL_VERSION));
    switch (line.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        std::fputs(qPrintable(line.text), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fputs(qPrintable(line.text), stderr);
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    const QString failure = noDisplayText(
        line.display.isEmpty() ? qEnvironmentVariable("DISPLAY") : line.display,
        line.platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : line.platform);
    // Inside a Wayland session too, as long as XWayland gives a display.
    const QByteArray platform = platformChoice(qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"));
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
    std::optional<PlatformStartGuard> guard(std::in_place, failure);
    QApplication app(argc, argv);
    guard.reset();
    QApplication::setApplicationName(QStringLiteral("Quiverel"));
    QtPrompts prompts;

    // The converter stays beside the executable; an installed program keeps
    // its settings and pictures in the user's data folder.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const ApplicationFolder place = findApplicationFolder(programFolder);
    const QString appFolder = place.folder;
    // The lock file lives there.
    if (!QDir().mkpath(appFolder)) {
        prompts.tell(nullptr, QStringLiteral("Cannot create the application folder ") + appFolder);
        return 1;
    }
    SingleInstance instance(appFolder);
    if (!instance.acquire()) {
        prompts.tell(nullptr, QStringLiteral("Another instance of Quiverel is running"));
        return 0;
    }

    const QStringList notMade = layOutApplicationFolder(place.layoutFrom, appFolder);
    if (!notMade.isEmpty())
        prompts.tell(nullptr,
                     QStringLiteral("Could not lay out the application folder; missing:\n") +
                         notMade.join(u'\n'));

    AppState state;
    state.appFolder = appFolder;
    InProcessConverter converter(programFolder, prompts);
    X11Desktop desktop; // on a platform other than xcb its window steps find nothing
    SystemClock clock;
    ProgramWindows windows(state, converter, desktop, prompts, clock, appFolder);
    Form1& form = windows.mainWindow();
    onQuitSignals(&form, [&form] { form.close(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, &Form1::Form_Unload);
    // Start-up runs inside the event loop, so a close or a signal while the
    // first folder is scanned ends the program like any other close.
    QTimer::singleShot(0, &form, &Form1::Form_Load);
    return app.exec();
}
