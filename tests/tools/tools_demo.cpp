// Opens a window of the tools on a real display, to look at it:
//   tools_demo --search [KEYWORD]   the keyword search window, the keyword typed
//   tools_demo --text [TEXT]        the text file creator holding the text
//   tools_demo --remove             the folder removal dialog over three folders

#include "app/text_table.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "support/demo_state.h"
#include "support/null_converter.h"
#include "support/recording_windows.h"
#include "support/temp_app.h"
#include "tools/form10.h"
#include "tools/form9.h"
#include "tools/frm_search.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace quiverel;

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString value = args.size() > 2 ? args[2] : QString();

    test::TempApp app;
    AppState state;
    test::prepareDemoState(state, app);
    state.folders.rows = {{QStringLiteral("EasyPal RX"), QStringLiteral("/home/op/easypal/rx/")},
                          {QStringLiteral("MMSSTV"), QStringLiteral("/home/op/mmsstv/history/")},
                          {QStringLiteral("Samples"), app.path() + QStringLiteral("/Samples/")}};
    test::NullConverter converter;
    QtDesktop desktop;
    QtPrompts prompts;
    SystemClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    if (args.contains(QStringLiteral("--text"))) {
        auto* w = new Form10(ctx, nullptr);
        w->Form_Load();
        w->Text1->setPlainText(value.isEmpty() ? QStringLiteral("CQ CQ de DLØABC\nPSE K") : value);
    } else if (args.contains(QStringLiteral("--remove"))) {
        auto* w = new Form9(ctx, nullptr);
        w->Form_Load();
        w->List1->setCurrentRow(1);
        w->show();
    } else {
        auto* w = new frmSearch(ctx, nullptr);
        w->Form_Load();
        w->Text1->setText(value.isEmpty() ? QStringLiteral("dl0") : value);
        w->show();
    }
    return qapp.exec();
}
