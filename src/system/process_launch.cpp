#include "system/process_launch.h"

#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quiverel {

namespace {

// Messages from the helper processes to the parent, one write each.
struct Report {
    qint32 kind; // 'P': the program's pid; 'E': errno of a failed fork or exec
    qint32 value;
};

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

void sendReport(int fd, qint32 kind, qint32 value) {
    const Report r{kind, value};
    while (::write(fd, &r, sizeof r) < 0 && errno == EINTR) {
    }
}

} // namespace

StartedProcess startProgram(const QString& program, const QStringList& arguments,
                            WindowStyle style) {
    if (program.trimmed().isEmpty()) return {0, ENOENT};
    const QString path = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return {0, ENOENT};

    // Everything the children need is made before forking: after fork() only
    // async-signal-safe calls are allowed in a threaded program.
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

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return {0, errno};
    const pid_t middle = ::fork();
    if (middle < 0) {
        const int e = errno;
        ::close(fds[0]);
        ::close(fds[1]);
        return {0, e};
    }
    if (middle == 0) {
        // The middle process starts the program and ends at once, so the
        // program is adopted by init and never becomes our zombie.
        const pid_t child = ::fork();
        if (child == 0) {
            ::setsid();
            ::execve(argv[0], argv.data(), envp.data());
            sendReport(fds[1], 'E', errno);
            ::_exit(127);
        }
        if (child < 0)
            sendReport(fds[1], 'E', errno);
        else
            sendReport(fds[1], 'P', qint32(child));
        ::_exit(0);
    }
    ::close(fds[1]);
    while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes when the exec succeeded (close-on-exec) or failed.
    StartedProcess result;
    Report r;
    ssize_t n;
    while ((n = ::read(fds[0], &r, sizeof r)) != 0) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (n != sizeof r) break;
        if (r.kind == 'P')
            result.pid = r.value;
        else if (r.kind == 'E')
            result.error = r.value;
    }
    ::close(fds[0]);
    if (result.error != 0)
        result.pid = 0;
    else if (result.pid == 0)
        result.error = ECHILD;
    return result;
}

} // namespace quiverel
