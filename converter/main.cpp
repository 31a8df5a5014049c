// i__view32.exe: the stand-in image converter. It takes the converter's
// command lines as argument lists, writes the target or leaves none, and
// says why in one line on standard error.
#include "convert/converter_command_line.h"
#include "convert/converter_job.h"
#include "converter/editor_window.h"
#include "imaging/picture_file.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>

using namespace quiverel;

namespace {

// Qt's own warnings (a damaged JPEG, a missing runtime folder) would add
// lines to the one line the caller reads.
void quietMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

QStringList argumentsOf(int argc, char** argv) {
    QStringList out;
    for (int i = 1; i < argc; ++i)
        out.append(QString::fromLocal8Bit(argv[i]));
    return out;
}

void complain(const QString& why) {
    std::fprintf(stderr, "i__view32.exe: %s\n", qPrintable(QString(why).replace(u'\n', u' ')));
}

int edit(int argc, char** argv, const ConverterCommand& command) {
    qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    QString error;
    const QImage picture = loadPicture(command.editFile, {}, &error);
    if (picture.isNull()) {
        complain(error);
        if (!command.silent) QMessageBox::warning(nullptr, QStringLiteral("i__view32"), error);
        return 1;
    }
    EditorWindow window(command.editFile, picture);
    const QByteArray style = qgetenv("QUIVEREL_WINDOW_STYLE");
    if (style.startsWith("minimized")) {
        window.showMinimized();
    } else {
        window.show();
        window.raise();
        window.activateWindow();
    }
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QString error;
    const QStringList arguments = argumentsOf(argc, argv);
    const std::optional<ConverterCommand> command = parseConverterArguments(arguments, &error);
    if (!command) {
        complain(error + QStringLiteral(" (--help shows the forms)"));
        return 2;
    }
    switch (command->action) {
    case ConverterCommand::Action::Help:
        std::fputs(qPrintable(converterUsage()), stdout);
        return 0;
    case ConverterCommand::Action::Edit:
        return edit(argc, argv, *command);
    case ConverterCommand::Action::Run:
        break;
    }
    qInstallMessageHandler(quietMessages);
    QCoreApplication app(argc, argv);
    if (!runConverterJob(command->job, &error)) {
        complain(error);
        return 1;
    }
    return 0;
}
