#include "process/process_wait.h"

#include "process/process_launch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quiverel {

namespace {

constexpr int kAbortCheckMs = 50;

int openPidFd(qint64 pid) {
#ifdef SYS_pidfd_open
    return int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
#else
    errno = ENOSYS;
    return -1;
#endif
}

bool canRunEvents() {
    return QCoreApplication::instance() && QThread::currentThread()->eventDispatcher();
}

// Without pidfd (kernels before 5.3): look every few milliseconds whether the
// process still exists.
ProcessWaitResult waitByProbing(qint64 pid, const bool* abort) {
    reapStartedChild(pid);
    while (::kill(pid_t(pid), 0) == 0 || errno == EPERM) {
        if (abort && *abort) return ProcessWaitResult::Aborted;
        if (canRunEvents()) {
            QEventLoop loop;
            QTimer::singleShot(kAbortCheckMs, &loop, &QEventLoop::quit);
            loop.exec();
        } else {
            ::usleep(kAbortCheckMs * 1000);
        }
        reapStartedChild(pid);
    }
    return ProcessWaitResult::Ended;
}

} // namespace

ProcessWaitResult waitForProcessEnd(qint64 pid, const bool* abort, int* openError, int* waitError) {
    if (pid <= 0) return ProcessWaitResult::Ended;
    const int fd = openPidFd(pid);
    if (fd < 0) {
        const int e = errno;
        // Gone before we looked: it has ended, which is what the caller waits for.
        if (e == ESRCH) return ProcessWaitResult::Ended;
        if (e == ENOSYS) return waitByProbing(pid, abort);
        if (openError) *openError = e;
        return ProcessWaitResult::Failed;
    }

    ProcessWaitResult result = ProcessWaitResult::Ended;
    pollfd p{fd, POLLIN, 0};
    int ready = ::poll(&p, 1, 0);
    if (ready == 0 && canRunEvents()) {
        // The pidfd becomes readable when the process ends.
        QEventLoop loop;
        QSocketNotifier notifier(qintptr(fd), QSocketNotifier::Read);
        QObject::connect(&notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
        QTimer abortCheck;
        if (abort) {
            QObject::connect(&abortCheck, &QTimer::timeout, &loop, [&] {
                if (*abort) loop.quit();
            });
            abortCheck.start(kAbortCheckMs);
        }
        while (ready == 0 && !(abort && *abort)) {
            loop.exec();
            ready = ::poll(&p, 1, 0);
        }
        if (ready == 0) result = ProcessWaitResult::Aborted;
    } else if (ready == 0) {
        while ((ready = ::poll(&p, 1, abort ? kAbortCheckMs : -1)) == 0) {
            if (abort && *abort) {
                result = ProcessWaitResult::Aborted;
                break;
            }
        }
    }
    if (ready < 0 || (ready > 0 && (p.revents & (POLLERR | POLLNVAL)))) {
        if (waitError) *waitError = ready < 0 ? errno : EIO;
        result = ProcessWaitResult::Failed;
    }
    ::close(fd);
    if (result == ProcessWaitResult::Ended) reapStartedChild(pid);
    return result;
}

void WaitForProcess(qint64 pid) {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
    waitForProcessEnd(pid);
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

} // namespace quiverel
