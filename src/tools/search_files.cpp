#include "tools/search_files.h"

#include "app/folders_ini.h"
#include "catalogue/file_names.h"

#include <QDir>

namespace quiverel {

namespace {
constexpr QChar kSlashedO(0x00D8);

bool sameFolder(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && QDir::cleanPath(a) == QDir::cleanPath(b);
}
} // namespace

QString typedKeyword(const QString& text) {
    QString k = text;
    return k.replace(u'0', kSlashedO);
}

bool nameMatches(const QString& fileName, const QString& keyword) {
    if (keyword.isEmpty() || !isPictureType(fileName)) return false;
    const QString key = keyword.toUpper();
    QString name = fileName.toUpper();
    if (name.contains(key)) return true;
    return name.replace(u'0', kSlashedO).contains(key);
}

QStringList SearchFiles(const QList<FolderRow>& folders, const QString& keyword,
                        const QString& resultsFolder, const SearchProgress& progress) {
    QStringList found;
    const int maximum = std::max(1, int(folders.size()) - 1);
    for (int i = 0; i < folders.size(); ++i) {
        const QString& folder = folders[i].path;
        if (!folder.isEmpty() && !sameFolder(folder, resultsFolder)) {
            const QStringList names =
                QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
            for (const QString& name : names)
                if (nameMatches(name, keyword)) found.append(withTrailingSlash(folder) + name);
        }
        if (progress) progress(i, maximum);
    }
    return found;
}

QString matchesFoundText(int count) {
    return QString::number(count) + QStringLiteral(" matches found");
}

QString noMatchText(const QString& entry110, const QString& keyword) {
    return entry110 + QStringLiteral(" '") + keyword + u'\'';
}

} // namespace quiverel
