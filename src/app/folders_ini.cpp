#include "app/folders_ini.h"

#include "util/text_file.h"

#include <algorithm>

namespace quiverel {

QList<FolderRow> parseFolderLines(const QStringList& lines, const QString& appFolder) {
    QList<FolderRow> rows;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        const QString& caption = lines[i];
        if (caption.isEmpty()) continue;
        QString path = i + 1 < lines.size() ? lines[i + 1] : QString();
        // A hand-edited line may lack the trailing "/"; a caption may end in one.
        path = withTrailingSlash(path.isEmpty() ? appFolder + u'/' + caption : path);
        rows.append({caption, path});
    }
    return rows;
}

QList<FolderRow> readFoldersIni(const QString& path, const QString& appFolder) {
    return parseFolderLines(readTextLines(path), appFolder);
}

bool writeFoldersIni(const QString& path, const QList<FolderRow>& rows) {
    QStringList lines;
    for (const FolderRow& r : rows)
        lines << r.caption << r.path;
    return writeTextLines(path, lines);
}

void sortFolderList(QList<FolderRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const FolderRow& a, const FolderRow& b) {
        return a.caption.toUpper() < b.caption.toUpper();
    });
}

QString withTrailingSlash(const QString& folder) {
    QString f = folder;
    while (f.endsWith(u'/') && f.size() > 1)
        f.chop(1);
    return f == u"/" ? f : f + u'/';
}

} // namespace quiverel
