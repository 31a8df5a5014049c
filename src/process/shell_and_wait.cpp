#include "process/shell_and_wait.h"

#include "desktop/prompts.h"
#include "process/process_wait.h"
#include "util/error_text.h"

#include <QProcess>

namespace quiverel {

namespace {

void tell(Prompts& prompts, QWidget* owner, const QString& text) {
    prompts.message(owner, QString(), text, PromptIcon::None, PromptButtons::Ok);
}

void tellFailure(Prompts& prompts, QWidget* owner, const QString& what, int code) {
    tell(prompts, owner,
         what + u'\n' + QStringLiteral("System Error Number: ") + QString::number(code) + u'\n' +
             QStringLiteral("Error Description:   ") + ErrorText(code));
}

void tellBlank(Prompts& prompts, QWidget* owner) {
    tell(prompts, owner,
         QStringLiteral("The command line to F_7_AB_1_ShellAndWaitSimple is blank."));
}

void endWait(ShellWaitState& state) {
    state.running = false;
    state.commandLine.clear();
    state.abort = false;
}

// `text` is the command line as the messages show it.
bool shellAndWait(const QString& program, const QStringList& arguments, const QString& text,
                  Prompts& prompts, QWidget* owner) {
    if (text.trimmed().isEmpty()) {
        tellBlank(prompts, owner);
        return false;
    }
    ShellWaitState& state = shellWaitState();
    state.commandLine = text;
    const StartedProcess started = startProgram(program, arguments, WindowStyle::NormalFocus);
    if (started.pid == 0) {
        tell(prompts, owner,
             QStringLiteral("An error occurred with the Shell command: ") + u'\n' + u'"' + text +
                 u'"' + u'\n' + QStringLiteral("Error: ") + QString::number(started.error) + u'\n' +
                 ErrorText(started.error));
        endWait(state);
        return false;
    }
    state.running = true;

    int openError = 0, waitError = 0;
    const ProcessWaitResult r =
        waitForProcessEnd(started.pid, &state.abort, &openError, &waitError);
    if (r == ProcessWaitResult::Failed && openError != 0) {
        tellFailure(prompts, owner, QStringLiteral("An error occurred with OpenProcess."),
                    openError);
    } else if (r == ProcessWaitResult::Failed) {
        tellFailure(prompts, owner,
                    QStringLiteral("An error occurred with the WaitForSingleObject function call: "
                                   "WAIT_FAILED"),
                    waitError);
    }
    endWait(state);
    return r == ProcessWaitResult::Ended;
}

} // namespace

ShellWaitState& shellWaitState() {
    static ShellWaitState state;
    return state;
}

QString commandLineText(const QString& program, const QStringList& arguments) {
    QStringList words;
    for (const QString& w : QStringList{program} + arguments) {
        const bool quote = w.contains(u' ') || w.contains(u'\t') || w.contains(u'"');
        words.append(quote ? u'"' + w + u'"' : w);
    }
    return words.join(u' ');
}

bool F_7_AB_1_ShellAndWaitSimple(const QString& program, const QStringList& arguments,
                                 Prompts& prompts, QWidget* owner) {
    return shellAndWait(program, arguments, commandLineText(program, arguments), prompts, owner);
}

bool F_7_AB_1_ShellAndWaitSimple(QString& commandLine, Prompts& prompts, QWidget* owner) {
    const QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) {
        tellBlank(prompts, owner);
        return false;
    }
    return shellAndWait(words.first(), words.mid(1), commandLine, prompts, owner);
}

} // namespace quiverel
