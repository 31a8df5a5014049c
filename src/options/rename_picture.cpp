#include "options/rename_picture.h"

#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quiverel {

namespace {

// Another of the folder's pictures whose name agrees with `name` before the
// first "." in any letter case: the next scan would rename one of the two.
QString pictureWithKeyOf(const QString& folder, const QString& name, const QString& self) {
    const QString key = clashKeyOf(name);
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry != self && isPictureType(entry) && clashKeyOf(entry) == key) return entry;
    return {};
}

} // namespace

RenameResult renamePicture(const QString& folder, const QString& fileName, const QString& typed,
                           const TextTable& text) {
    RenameResult result;
    const QString newName = renamedName(typed, fileName);
    // Nothing before the extension ("../x", ".x") would leave a hidden file
    // the grid never shows.
    if (newName.size() <= fileName.right(4).size()) {
        result.report = {QStringLiteral("Please type a new name."), {}, PromptIcon::Warning};
        return result;
    }
    const QString from = folder + fileName;
    const QString to = folder + newName;
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) {
        result.report = {text[92] + u' ' + newName, {}, PromptIcon::None};
        return result;
    }
    if (const QString other = pictureWithKeyOf(folder, newName, fileName); !other.isEmpty()) {
        result.report = {text[92] + u' ' + other, {}, PromptIcon::None};
        return result;
    }
    QFile file(from);
    if (!file.rename(to)) {
        result.report = failureReport(from + QStringLiteral("\ncould not be renamed to\n") + to,
                                      file.errorString());
        return result;
    }
    result.renamed = true;
    result.newName = newName;
    const QString oldThumb = thumbnailPathOf(folder, fileName);
    if (QFile::exists(oldThumb)) {
        const QString newThumb = thumbnailPathOf(folder, newName);
        // A thumbnail that keeps its old name is stale; the next scan makes a new one.
        if (!QFile::rename(oldThumb, newThumb)) QFile::remove(oldThumb);
    }
    result.report = {text[88] + u'\n' + from + u'\n' + text[89] + u'\n' + to, {}, PromptIcon::None};
    return result;
}

} // namespace quiverel
