// Opens the size window on a real display, for looking at it:
//   form8_demo [TARGET_BYTES [RESIZE_SETTING]]

#include "app/setup_ini.h"
#include "app/text_table.h"
#include "composer/form8.h"
#include "convert/in_process_converter.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "support/demo_state.h"
#include "support/recording_windows.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

using namespace quiverel;

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();

    test::TempApp app;
    AppState state;
    test::prepareDemoState(state, app);
    state.settings.jp2TargetSize = args.size() > 1 ? args[1].toInt() : 15000;
    state.settings.resizeSetting = args.size() > 2 ? args[2] : QStringLiteral("640x480");
    deriveResize(state.settings);

    QtPrompts prompts;
    InProcessConverter converter(app.path(), prompts);
    QtDesktop desktop;
    SystemClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    auto* form = new Form8(ctx, sizeRequestOf(state.settings), nullptr);
    QObject::connect(form, &Form8::closed, &qapp, &QCoreApplication::quit);
    form->Form_Load();
    return qapp.exec();
}
