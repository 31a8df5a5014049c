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

// Starts `program` (a path, or a name looked up in PATH) with `arguments`.
// The program runs detached: it is not this process's child, so it never
// lingers as a zombie whether or not anyone waits for it.
StartedProcess startProgram(const QString& program, const QStringList& arguments,
                            WindowStyle style);

} // namespace quiverel
