#include "tools/folder_removal.h"

namespace quiverel {

QString removalInstruction(int folderCount) {
    if (folderCount <= 1) return QStringLiteral("Last menu entry can't be removed.");
    return QStringLiteral("Click on item to be removed from") +
           QStringLiteral(" menus. Folder itself is not deleted.");
}

QStringList removableCaptions(const QList<FolderRow>& rows) {
    QStringList captions;
    if (rows.size() <= 1) return captions;
    for (const FolderRow& r : rows)
        captions.append(r.caption);
    return captions;
}

QString pathOfCaption(const QList<FolderRow>& rows, const QString& caption) {
    for (const FolderRow& r : rows)
        if (r.caption == caption) return r.path;
    return {};
}

int removeFolderRow(QList<FolderRow>& rows, const QString& caption, int& currentIndex) {
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].caption != caption) continue;
        if (rows.size() > 1) {
            rows.removeAt(i);
            if (currentIndex > i) --currentIndex;
            if (currentIndex >= rows.size()) currentIndex = int(rows.size()) - 1;
        } else {
            rows[i] = FolderRow{};
        }
        return i;
    }
    return -1;
}

} // namespace quiverel
