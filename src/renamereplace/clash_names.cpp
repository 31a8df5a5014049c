#include "renamereplace/clash_names.h"

#include <QDir>
#include <QFileInfo>

namespace quiverel {

bool nameTakenIn(const QString& folder, const QString& name) {
    if (name.isEmpty()) return false;
    if (QFileInfo::exists(folder + name)) return true;
    // Names differing only in letter case count as the same name.
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString proposedFreeName(const QString& folder, const QString& fileName) {
    const QString base = fileName.chopped(std::min<qsizetype>(4, fileName.size()));
    const QString extension = fileName.right(4);
    for (int n = 1;; ++n) {
        const QString candidate = base + u'_' + QString::number(n) + extension;
        if (!nameTakenIn(folder, candidate)) return candidate;
    }
}

QString renamedName(const QString& typed, const QString& clashFileName) {
    QString base = typed;
    const qsizetype dot = base.indexOf(u'.');
    if (dot >= 0) base.truncate(dot);
    // A typed separator would put the file into another folder.
    for (QChar c : {u'*', u'?', u'/', u'\\', u':', u'|', u'<', u'>'})
        base.replace(c, u'_');
    return base + clashFileName.right(4);
}

QString folderLabelText(const QString& folder) {
    if (folder.size() <= 20) return folder;
    const qsizetype slash = folder.left(20).lastIndexOf(u'/');
    if (slash < 0) return folder;
    return folder.left(slash + 1) + u'\n' + folder.mid(slash + 1);
}

} // namespace quiverel
