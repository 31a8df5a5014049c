#pragma once
// Starting another program with an argument list (no shell in between).

#include <QString>
#include <QStringList>

namespace quiverel {

// How the started program should show its window. On Linux this is a hint:
// it reaches the program as QUIVEREL_WINDOW_STYLE ("normal", "minimized",
// "minimized-focus"), which i__view32.exe honours.
enum class WindowStyle { MinimizedNoFocus, NormalFocus, MinimizedFocus };

struct StartedProcess {
    qint64 pid = 0; // 0 when the start failed
    int error = 0;  // the system error number of a failed start
};

// Starts `program` (a path, or a name looked up in PATH) with `arguments`,
// in a session of its own. The program is this process's child; waiting for
// it (process_wait.h) reaps it, and children nobody waited for are reaped at
// the next start, so none lingers as a zombie.
StartedProcess startProgram(const QString& program, const QStringList& arguments,
                            WindowStyle style);

// Collects the exit of `pid` when it is a child started here and has ended.
// Other processes are left alone (they may belong to QProcess).
void reapStartedChild(qint64 pid);

} // namespace quiverel
