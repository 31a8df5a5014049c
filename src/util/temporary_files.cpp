#include "util/temporary_files.h"

#include "util/file_name_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace quiverel {

namespace {

const QLatin1String kMarker(".part-");
const QLatin1String kUnique("XXXXXX");

} // namespace

QString temporaryPatternFor(const QString& path) {
    const QFileInfo info(path);
    // The hidden name has to fit wherever the final one does.
    const qsizetype room = kMaxFileNameBytes - 1 - kMarker.size() - kUnique.size();
    return info.path() + u"/." + cutToFileNameBytes(info.fileName(), room) + kMarker + kUnique;
}

bool isTemporaryName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^\\..+\\.part-[A-Za-z0-9]{6}$"));
    return pattern.match(fileName).hasMatch();
}

int removeTemporaries(const QString& folder) {
    const QDir dir(folder);
    int removed = 0;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (!isTemporaryName(entry.fileName())) continue;
        // removeRecursively deletes links inside without following them.
        const bool gone = entry.isDir() && !entry.isSymLink()
                              ? QDir(entry.filePath()).removeRecursively()
                              : QFile::remove(entry.filePath());
        if (gone) ++removed;
    }
    return removed;
}

} // namespace quiverel
