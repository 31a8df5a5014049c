#pragma once
// Running a small tool to its end and hearing how it went: its exit code and
// what it wrote to its standard error.

#include <QString>
#include <QStringList>

namespace quiverel {

struct ProgramExit {
    int startError = 0;  // the system error number when it could not be started
    int exitCode = 0;    // its exit code; -1 when a signal ended it
    QString errorOutput; // its standard error, trimmed and cut to a message's length

    bool started() const { return startError == 0; }
    bool succeeded() const { return startError == 0 && exitCode == 0; }
};

// Starts `program` (a path, or a name looked up in PATH) with `arguments`, no
// shell in between, and waits for it in a local event loop, so the interface
// stays alive meanwhile.
ProgramExit runProgram(const QString& program, const QStringList& arguments);

} // namespace quiverel
