// Opens the help window on a real display, to look at it:
//   help_demo [help|setup|languages|about] [--language NAME]
// with the shipped texts, Help.txt and about picture, a drawn mug shot and a
// small folder list.

#include "app/text_table.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "support/null_converter.h"
#include "support/recording_windows.h"
#include "support/temp_app.h"
#include "tools/frm_help.h"

#include <QApplication>
#include <QFile>
#include <QPainter>

using namespace quiverel;

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype lang = args.indexOf(QStringLiteral("--language"));
    const QString language =
        lang > 0 && lang + 1 < args.size() ? args[lang + 1] : QStringLiteral("English");

    test::TempApp app;
    app.write(QStringLiteral("ini/Language.ini"), test::shippedLanguageIni());
    QFile::copy(QStringLiteral(QUIVEREL_SOURCE_DIR "/data/Help.txt"),
                app.path() + QStringLiteral("/Help.txt"));
    QFile::copy(QStringLiteral(QUIVEREL_APP_DIR "/About.png"),
                app.path() + QStringLiteral("/About.png"));
    QImage mug(300, 240, QImage::Format_RGB32);
    mug.fill(QColor(60, 110, 170));
    {
        QPainter p(&mug);
        p.setBrush(QColor(240, 200, 160));
        p.drawEllipse(QPoint(150, 110), 70, 85);
    }
    mug.save(app.path() + QStringLiteral("/Mug.jpg"), "JPG");

    AppState state;
    state.appFolder = app.path();
    Settings& s = state.settings;
    s.languageName = language;
    loadTextTableFile(state.text, language, app.ini(QStringLiteral("Language.ini")),
                      HeaderMatch::Startup);
    s.guiScale = 768.0 / 770.0;
    s.callSign = QStringLiteral("QVØDEV");
    s.callSignPrefix = QStringLiteral("Y");
    s.thumbsPerPage = 20;
    s.winDrmFolder = QStringLiteral("/home/op/WinDRM");
    state.folders.rows = {{QStringLiteral("EasyPal"), QStringLiteral("/home/op/easypal/")},
                          {QStringLiteral("MMSSTV"), QStringLiteral("/home/op/mmsstv/")},
                          {QStringLiteral("Samples"), QStringLiteral("/home/op/samples/")}};
    s.startupFolder = QStringLiteral("/home/op/mmsstv/");

    QtPrompts prompts;
    test::NullConverter converter;
    QtDesktop desktop;
    SystemClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    frmHelp help(ctx, HelpHost{});
    help.Form_Load();
    const QString page = args.size() > 1 ? args[1] : QStringLiteral("help");
    if (page == u"setup") help.showPage(HelpPage::Setup);
    if (page == u"languages") help.showPage(HelpPage::Languages);
    if (page == u"about") help.showPage(HelpPage::About);
    QObject::connect(&help, &QDialog::finished, &qapp, &QCoreApplication::quit);
    return qapp.exec();
}
