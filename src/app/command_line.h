#pragma once
// The program's own command line: --help and --version answer without a
// window; Qt's options (-platform, -display, -style, ...) pass through to Qt.

#include <QString>
#include <QStringList>

namespace quiverel {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString text;     // Help, Version: for standard output; Error: one line for standard error
    QString platform; // the values of -platform and -display, empty when not given
    QString display;
};

// Reads the arguments (the program name first) without an application
// object, so that no display is needed for an answer.
CommandLine readCommandLine(const QStringList& arguments, const QString& version);

// The one line for a start that found no window system: which display or
// platform could not be reached. `platform` is the one the user chose, by
// -platform or QT_QPA_PLATFORM; `display` the X display asked for.
QString noDisplayText(const QString& display, const QString& platform);

} // namespace quiverel
