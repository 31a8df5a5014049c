#include "process/program_run.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>

namespace quiverel {

namespace {

constexpr qsizetype kMaxErrorOutput = 600;

} // namespace

ProgramExit runProgram(const QString& program, const QStringList& arguments) {
    ProgramExit result;
    if (program.trimmed().isEmpty()) {
        result.startError = ENOENT;
        return result;
    }
    const QString path = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists()) {
        result.startError = ENOENT;
        return result;
    }
    if (!file.isExecutable() || file.isDir()) {
        result.startError = EACCES;
        return result;
    }

    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    QByteArray errors;
    QObject::connect(&process, &QProcess::readyReadStandardError, &process, [&] {
        const QByteArray more = process.readAllStandardError();
        // Kept short: only its start is shown.
        if (errors.size() < 4 * kMaxErrorOutput) errors += more;
    });
    process.start(path, arguments);
    const bool running = process.waitForStarted(-1);
    if (!running) {
        result.startError = EACCES;
        return result;
    }
    const QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread()) {
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning) loop.exec();
    } else {
        process.waitForFinished(-1);
    }
    errors += process.readAllStandardError();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.errorOutput = QString::fromLocal8Bit(errors).trimmed().left(kMaxErrorOutput);
    return result;
}

} // namespace quiverel
