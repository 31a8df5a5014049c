#include "util/file_copy.h"

#include "util/temporary_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>

namespace quiverel {

bool writeWhole(QFileDevice& file, const char* data, qint64 size) {
    while (size > 0) {
        const qint64 n = file.write(data, size);
        if (n <= 0) return false;
        data += n;
        size -= n;
    }
    return true;
}

QString copyFileStaged(const QString& from, const QString& to, const std::atomic<bool>* stop) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return in.errorString();
    const QFileInfo target(to);
    if (target.exists() || target.isSymLink()) return QStringLiteral("File exists");
    QTemporaryFile out(temporaryPatternFor(target.absoluteFilePath()));
    // Removed by its path below: QFile::remove() first closes, and a close
    // that fails to flush on a full disk keeps it from removing anything.
    out.setAutoRemove(false);
    if (!out.open()) return out.errorString();
    const QString temp = out.fileName();
    const auto fail = [&out, &temp](const QString& why) {
        out.close();
        QFile::remove(temp);
        return why;
    };
    // No larger than the file: thousands of small copies each need one.
    QByteArray chunk(std::clamp<qint64>(in.size(), 1, 1 << 20), Qt::Uninitialized);
    for (;;) {
        if (stop && stop->load()) return fail(QStringLiteral("Stopped"));
        const qint64 n = in.read(chunk.data(), chunk.size());
        if (n < 0) return fail(in.errorString());
        if (n == 0) break;
        if (!writeWhole(out, chunk.constData(), n)) return fail(out.errorString());
    }
    if (!out.flush()) return fail(out.errorString());
    out.setPermissions(in.permissions());
    out.close();
    if (out.error() != QFileDevice::NoError) return fail(out.errorString());
    QFile staged(temp);
    if (!staged.rename(to)) {
        const QString why = staged.errorString();
        QFile::remove(temp);
        return why;
    }
    return {};
}

} // namespace quiverel
