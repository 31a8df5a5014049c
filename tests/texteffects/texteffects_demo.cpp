// Opens the text effects dialog on a real display, to look at it:
//   texteffects_demo [--text-style N] [--gradient K] [--depth D] [--direction I]
//                    [--size POINTS] [--bold] [--text "LINE|LINE"] [--picker]
// --text-style 0..7 and --gradient 1..4 as the dialog numbers them; --picker opens
// the colour picker over the dialog as its "Font color" button does.

#include "app/text_table.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "support/demo_state.h"
#include "support/null_converter.h"
#include "support/recording_windows.h"
#include "support/temp_app.h"
#include "texteffects/frm_color.h"
#include "texteffects/frm_text.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

using namespace quiverel;

namespace {

QString option(const QStringList& args, const QString& name, const QString& fallback) {
    const qsizetype i = args.indexOf(name);
    return i > 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();

    test::TempApp app;
    AppState state;
    test::prepareDemoState(state, app);
    TextDefaults& label = state.settings.textDefaults;
    label.fontName = QStringLiteral("Arial");
    label.fontSize = option(args, QStringLiteral("--size"), QStringLiteral("28")).toDouble();
    label.bold = args.contains(QStringLiteral("--bold"));
    label.text = option(args, QStringLiteral("--text"), QStringLiteral("CQ CQ|de DLØABC"))
                     .replace(u'|', QStringLiteral("\r\n"));
    state.flags.textFirstUse = false;
    TextEffectSettings& te = state.textEffects;
    te.style = option(args, QStringLiteral("--text-style"), QStringLiteral("0")).toInt();
    te.gradientKind = option(args, QStringLiteral("--gradient"), QStringLiteral("1")).toInt();
    te.depth = option(args, QStringLiteral("--depth"), QStringLiteral("6")).toInt();
    const QPoint step =
        directionStep(option(args, QStringLiteral("--direction"), QStringLiteral("0")).toInt());
    te.directionX = step.x();
    te.directionY = step.y();
    te.fontColour = 255;        // red
    te.secondColour = 16711680; // blue
    te.colour3d1 = 49152;
    te.colour3d2 = 16384;
    state.textLabel.backColour = 65535; // yellow face

    QtPrompts prompts;
    test::NullConverter converter;
    QtDesktop desktop;
    SystemClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    QWidget composer;
    composer.setWindowTitle(QStringLiteral("Composer"));
    composer.setGeometry(20, 20, 720, 512);
    composer.show();

    frmText* dialog = nullptr;
    frmText form(
        ctx,
        [&ctx, &dialog](int target, QColor current, ColourPicked picked) -> QWidget* {
            return frmColor::openModeless(ctx, {ColourPicker::TextEffects, target, current}, dialog,
                                          std::move(picked));
        },
        &composer);
    dialog = &form;
    if (args.contains(QStringLiteral("--picker")))
        QTimer::singleShot(1000, &form, [&form] { form.cmdFcol->click(); });
    form.run();
    return 0;
}
