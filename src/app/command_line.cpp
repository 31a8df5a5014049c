#include "app/command_line.h"

#include <QCommandLineParser>

namespace quiverel {

namespace {

// What QGuiApplication, QApplication and the xcb platform take from the
// command line, so that they reach Qt instead of being refused.
const char* const kQtValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme",   "plugin",     "display",
    "name",     "geometry",           "qwindowgeometry", "title",      "qwindowtitle",
    "icon",     "qwindowicon",        "style",           "stylesheet", "session",
    "visual",   "qmljsdebugger",
};
const char* const kQtFlags[] = {"reverse", "sync",        "nograb",
                                "dograb",  "widgetcount", "testability"};

QString firstLine(QString text) {
    return text.left(text.indexOf(u'\n')).trimmed();
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Shows the folders SSTV programs receive pictures into as pages of\n"
                       "thumbnails and hands a picture over for transmission with one click.\n"
                       "Qt's options (-platform, -display, -style, ...) are passed to Qt."));
    // Not addHelpOption: its --help-all would promise Qt's options, which
    // only QCoreApplication's own processing lists.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays these options."));
    parser.addOption(help);
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(helpAll);
    const QCommandLineOption versionOption = parser.addVersionOption();
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine line;
    const QString program = QStringLiteral("quiverel");
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Error;
        line.text = program + QStringLiteral(": ") + firstLine(parser.errorText()) +
                    QStringLiteral(" (--help lists the options)\n");
        return line;
    }
    if (parser.isSet(help) || parser.isSet(helpAll)) {
        line.action = CommandLine::Action::Help;
        QString text = parser.helpText();
        // Without an application object the parser knows no program name.
        const qsizetype end = text.indexOf(u'\n');
        const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
        if (options >= 0 && options < end)
            text.replace(0, options, QStringLiteral("Usage: ") + program);
        line.text = text;
        return line;
    }
    if (parser.isSet(versionOption)) {
        line.action = CommandLine::Action::Version;
        line.text = program + u' ' + version + u'\n';
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.action = CommandLine::Action::Error;
        line.text = program + QStringLiteral(": unexpected argument '") +
                    parser.positionalArguments().constFirst() +
                    QStringLiteral("' (--help lists the options)\n");
        return line;
    }
    const auto last = [&parser](const QString& name) {
        const QStringList values = parser.values(name);
        return values.isEmpty() ? QString() : values.constLast();
    };
    line.platform = last(QStringLiteral("platform"));
    line.display = last(QStringLiteral("display"));
    return line;
}

QString noDisplayText(const QString& display, const QString& platform) {
    const QString chosen = platform.trimmed();
    if (!chosen.isEmpty() && !chosen.startsWith(QStringLiteral("xcb")))
        return QStringLiteral("quiverel: cannot open a window: the platform \"%1\" could not be "
                              "started\n")
            .arg(chosen);
    if (display.trimmed().isEmpty())
        return QStringLiteral("quiverel: cannot open a window: no display (DISPLAY is not set)\n");
    return QStringLiteral("quiverel: cannot open a window: the display \"%1\" cannot be "
                          "reached\n")
        .arg(display);
}

} // namespace quiverel
