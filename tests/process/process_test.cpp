#include "process/process_launch.h"
#include "process/process_wait.h"
#include "process/program_run.h"
#include "process/shell_and_wait.h"
#include "support/scripted_prompts.h"
#include "util/error_text.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace quiverel;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ErrorText, SystemTextsWithinTheirLimits) {
    EXPECT_EQ(ErrorText(0), QString());
    EXPECT_FALSE(ErrorText(ENOENT).isEmpty());
    EXPECT_NE(ErrorText(ENOENT), u"NO ERROR DESCRIPTION AVAILABLE");
    EXPECT_EQ(ErrorText(987654), u"NO ERROR DESCRIPTION AVAILABLE");
    EXPECT_EQ(ErrorText(-5), u"NO ERROR DESCRIPTION AVAILABLE");
    for (int code = 1; code < 140; ++code)
        EXPECT_LE(ErrorText(code).size(), 160);
}

TEST(ShellAndWait, BlankCommandLineStartsNothing) {
    ScriptedPrompts prompts;
    QString blank = QStringLiteral("   ");
    EXPECT_FALSE(F_7_AB_1_ShellAndWaitSimple(blank, prompts));
    EXPECT_FALSE(F_7_AB_1_ShellAndWaitSimple(QString(), {}, prompts));
    ASSERT_EQ(prompts.shown().size(), 2);
    for (const ShownPrompt& p : prompts.shown()) {
        EXPECT_EQ(p.text, u"The command line to F_7_AB_1_ShellAndWaitSimple is blank.");
        EXPECT_TRUE(p.title.isEmpty()); // the default title
        EXPECT_EQ(p.buttons, PromptButtons::Ok);
    }
    EXPECT_FALSE(shellWaitState().running);
}

TEST(ShellAndWait, MissingProgramIsToldWithTheCommandLineInQuotes) {
    ScriptedPrompts prompts;
    const QString missing = QStringLiteral("/no/such/i__view32.exe");
    EXPECT_FALSE(F_7_AB_1_ShellAndWaitSimple(
        missing, {QStringLiteral("pic.jpg"), QStringLiteral("/one")}, prompts));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages().first(), u"An error occurred with the Shell command: "
                                          u"\n\"/no/such/i__view32.exe pic.jpg /one\"\nError: " +
                                              QString::number(ENOENT) + u'\n' + ErrorText(ENOENT));

    prompts.clear();
    QString text = QStringLiteral("no-such-program-anywhere \"a b\"");
    EXPECT_FALSE(F_7_AB_1_ShellAndWaitSimple(text, prompts));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().first().contains(u"\n\"no-such-program-anywhere \"a b\"\"\n"));
    EXPECT_FALSE(shellWaitState().running);
    EXPECT_TRUE(shellWaitState().commandLine.isEmpty());
}

TEST(ShellAndWait, AProcessThatEndsAtOnceIsTrueWithoutMessage) {
    ScriptedPrompts prompts;
    QString line = QStringLiteral("true");
    EXPECT_TRUE(F_7_AB_1_ShellAndWaitSimple(line, prompts));
    EXPECT_TRUE(prompts.shown().isEmpty());
    EXPECT_FALSE(shellWaitState().running);
}

TEST(ShellAndWait, EventsRunWhileWaiting) {
    ScriptedPrompts prompts;
    bool sawRunning = false;
    QTimer::singleShot(0, [&] { sawRunning = shellWaitState().running; });
    EXPECT_TRUE(
        F_7_AB_1_ShellAndWaitSimple(QStringLiteral("sleep"), {QStringLiteral("0.3")}, prompts));
    EXPECT_TRUE(sawRunning);
    EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST(ProcessLaunch, ArgumentsArriveVerbatimWithTheWindowStyle) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("args"));
    const QStringList odd = {QStringLiteral("a b"), QStringLiteral("\"q\""), QStringLiteral("-x"),
                             QStringLiteral("Grüße $HOME;`id`"), QString()};
    const StartedProcess p = startProgram(
        QStringLiteral("/bin/sh"),
        QStringList{QStringLiteral("-c"),
                    QStringLiteral("printf '%s|' \"$QUIVEREL_WINDOW_STYLE\" \"$@\" > \"$0\""),
                    out} +
            odd,
        WindowStyle::MinimizedNoFocus);
    ASSERT_GT(p.pid, 0);
    EXPECT_EQ(p.error, 0);
    WaitForProcess(p.pid);
    EXPECT_EQ(QString::fromUtf8(readFile(out)), u"minimized|a b|\"q\"|-x|Grüße $HOME;`id`||");
    // The wait reaped it: no zombie stays behind.
    EXPECT_EQ(::waitpid(pid_t(p.pid), nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(ProcessLaunch, FailedStartsGiveTheSystemError) {
    EXPECT_EQ(startProgram(QStringLiteral("/no/such/program"), {}, WindowStyle::NormalFocus).error,
              ENOENT);
    EXPECT_EQ(startProgram(QStringLiteral("  "), {}, WindowStyle::NormalFocus).pid, 0);

    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("just text"));
    QFile f(plain);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("just text");
    f.close();
    const StartedProcess p = startProgram(plain, {}, WindowStyle::NormalFocus);
    EXPECT_EQ(p.pid, 0);
    // Which of the two depends on the file system's modes.
    EXPECT_TRUE(p.error == EACCES || p.error == ENOEXEC) << p.error;
}

TEST(ProcessWait, AbortStopsTheWaitAndGoneProcessesEndAtOnce) {
    const StartedProcess p = startProgram(QStringLiteral("sleep"), {QStringLiteral("30")},
                                          WindowStyle::MinimizedNoFocus);
    ASSERT_GT(p.pid, 0);
    bool abort = false;
    QTimer::singleShot(0, [&] { abort = true; });
    EXPECT_EQ(waitForProcessEnd(p.pid, &abort), ProcessWaitResult::Aborted);
    ::kill(pid_t(p.pid), SIGKILL);
    EXPECT_EQ(waitForProcessEnd(p.pid), ProcessWaitResult::Ended);
    EXPECT_EQ(waitForProcessEnd(0), ProcessWaitResult::Ended);
    WaitForProcess(0);
}

// A tool that runs and fails must say so: its exit code and its own error text.
TEST(RunProgram, HandsBackTheExitCodeAndTheErrorTextWhileEventsRun) {
    bool eventRan = false;
    QTimer::singleShot(0, [&] { eventRan = true; });
    const ProgramExit failed = runProgram(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("echo ignored; echo '  failed to commit changes to "
                                              "dconf  ' >&2; sleep 0.2; exit 3")});
    EXPECT_TRUE(eventRan);
    EXPECT_TRUE(failed.started());
    EXPECT_FALSE(failed.succeeded());
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_EQ(failed.errorOutput, u"failed to commit changes to dconf");

    EXPECT_TRUE(runProgram(QStringLiteral("true"), {}).succeeded());
    EXPECT_EQ(runProgram(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("kill -9 $$")})
                  .exitCode,
              -1);
    const ProgramExit missing = runProgram(QStringLiteral("/no/such/gsettings"), {});
    EXPECT_FALSE(missing.started());
    EXPECT_EQ(missing.startError, ENOENT);
}
