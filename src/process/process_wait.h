#pragma once
// Waiting for another process to end while this program's events go on.

#include <QtGlobal>

namespace quiverel {

enum class ProcessWaitResult {
    Ended,   // the process has ended (or was already gone)
    Aborted, // the abort flag was set while waiting
    Failed,  // the process could not be watched; see the error number
};

// Waits for process `pid` (any process, not only a child) to end, letting
// pending events run meanwhile; a child started by startProgram is reaped. Stops early when
// `*abort` becomes true. `openError` receives the system error number when the process cannot be
// opened for waiting, `waitError` when the wait itself fails.
ProcessWaitResult waitForProcessEnd(qint64 pid, const bool* abort = nullptr,
                                    int* openError = nullptr, int* waitError = nullptr);

// The plain wait after a converter start: returns when process `pid` has
// ended, at once for 0 or a process that is already gone; the interface stays
// alive meanwhile. Reports nothing.
void WaitForProcess(qint64 pid);

} // namespace quiverel
