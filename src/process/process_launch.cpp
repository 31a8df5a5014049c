#include "process/process_launch.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <cerrno>
#include <mutex>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace quiverel {

namespace {

const char* styleName(WindowStyle style) {
    switch (style) {
    case WindowStyle::NormalFocus:
        return "normal";
    case WindowStyle::MinimizedFocus:
        return "minimized-focus";
    case WindowStyle::MinimizedNoFocus:
        break;
    }
    return "minimized";
}

// The children started here and not yet reaped.
std::mutex childrenLock;
std::set<pid_t> children;

void reapEnded() {
    std::lock_guard lock(childrenLock);
    for (auto it = children.begin(); it != children.end();) {
        const pid_t r = ::waitpid(*it, nullptr, WNOHANG);
        it = (r == *it || (r < 0 && errno == ECHILD)) ? children.erase(it) : std::next(it);
    }
}

} // namespace

void reapStartedChild(qint64 pid) {
    std::lock_guard lock(childrenLock);
    const auto it = children.find(pid_t(pid));
    if (it == children.end()) return;
    const pid_t r = ::waitpid(*it, nullptr, WNOHANG);
    if (r == *it || (r < 0 && errno == ECHILD)) children.erase(it);
}

StartedProcess startProgram(const QString& program, const QStringList& arguments,
                            WindowStyle style) {
    reapEnded();
    if (program.trimmed().isEmpty()) return {0, ENOENT};
    const QString path = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return {0, ENOENT};

    std::vector<QByteArray> argBytes{QFile::encodeName(path)};
    for (const QString& a : arguments)
        argBytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& a : argBytes)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUIVEREL_WINDOW_STYLE"), QString::fromLatin1(styleName(style)));
    std::vector<QByteArray> envBytes;
    for (const QString& e : env.toStringList())
        envBytes.push_back(e.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& e : envBytes)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    // posix_spawn reports a failed exec as its result, and is safe in a
    // threaded program where fork() followed by allocation is not.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
#ifdef POSIX_SPAWN_SETSID
    // Its own session: a terminal's Ctrl+C aimed at us does not reach it.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
#endif
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, argv[0], nullptr, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    if (error != 0) return {0, error};
    std::lock_guard lock(childrenLock);
    children.insert(pid);
    return {pid, 0};
}

} // namespace quiverel
