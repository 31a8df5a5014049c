// Shows the QSL card on a real display, to look at it:
//   qsl_demo PICTURE [--call CALL] [--form]
// opens the composer on PICTURE and stamps a card for CALL as "Ok" in the
// QSL dialog would; --form leaves the dialog open over the composer instead.

#include "composer/form3.h"
#include "convert/in_process_converter.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "qsl/form_qsl.h"
#include "support/demo_state.h"
#include "support/recording_windows.h"

#include <QApplication>
#include <QLineEdit>

using namespace quiverel;

namespace {

class DemoWindows : public test::RecordingWindows {
public:
    std::optional<QslResult> showQslDialog(QWidget* opener, const QslRequest& request) override {
        formQSL dialog(*ctx, request, opener);
        dialog.txtCall->setText(call);
        if (leaveOpen) return dialog.run();
        dialog.Form_Load();
        dialog.cmdOk_Click();
        return dialog.result();
    }
    Context* ctx = nullptr;
    QString call;
    bool leaveOpen = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) return 2;

    test::TempApp app;
    AppState state;
    test::prepareDemoState(state, app);
    state.settings.jp2TargetSize = 12000; // the sizes of a started program
    state.settings.callSign = QStringLiteral("G4XYZ");
    state.settings.qslColours = {13434879, 8388608, 128}; // pale yellow, navy, maroon
    test::setDemoPicture(state, args[1]);

    QtPrompts prompts;
    InProcessConverter converter(app.path(), prompts);
    QtDesktop desktop;
    SystemClock clock;
    DemoWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};
    windows.ctx = &ctx;
    const qsizetype call = args.indexOf(QStringLiteral("--call"));
    windows.call = call > 0 && call + 1 < args.size() ? args[call + 1] : QStringLiteral("dl0abc");
    windows.leaveOpen = args.contains(QStringLiteral("--form"));

    Form3* form = Form3::open(ctx, {.picture = currentPictureRef(state)}, nullptr);
    if (!form) return 1;
    QObject::connect(form, &Form3::closed, &qapp, &QCoreApplication::quit);
    form->cmdQSL_Click();
    return qapp.exec();
}
