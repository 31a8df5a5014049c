#pragma once
// The checked start-and-wait used to open a picture for editing: every
// failure is told in a message box, the interface stays alive while waiting.

#include "process/process_launch.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace quiverel {

class Prompts;

// What F_7_AB_1_ShellAndWaitSimple is doing, shared with the rest of the
// program: setting `abort` stops a running wait.
struct ShellWaitState {
    QString commandLine;
    bool running = false;
    bool abort = false;
};

// The one wait state of the program.
ShellWaitState& shellWaitState();

// The command line as shown in messages: the program and its arguments
// separated by blanks, those holding blanks or quotes in double quotes.
QString commandLineText(const QString& program, const QStringList& arguments);

// Starts `program` with `arguments` (normal window with focus) and waits
// until it ends. True when it was started and ended; otherwise false after a
// message through `prompts`.
bool F_7_AB_1_ShellAndWaitSimple(const QString& program, const QStringList& arguments,
                                 Prompts& prompts, QWidget* owner = nullptr);

// The same for a command line text, split into program and arguments as a
// shell would split words (quotes group, no shell runs). The text is left as it is.
bool F_7_AB_1_ShellAndWaitSimple(QString& commandLine, Prompts& prompts, QWidget* owner = nullptr);

} // namespace quiverel
