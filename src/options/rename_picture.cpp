#include "options/rename_picture.h"

#include "catalogue/file_names.h"

#include <QFile>
#include <QFileInfo>

namespace quiverel {

RenameResult renamePicture(const QString& folder, const QString& fileName, const QString& typed,
                           const TextTable& text) {
    RenameResult result;
    const QString newName = renamedName(typed, fileName);
    // Nothing before the extension would leave a hidden file the grid never shows.
    if (newName.size() <= 4) return result;
    const QString from = folder + fileName;
    const QString to = folder + newName;
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) {
        result.report = {text[92] + u' ' + newName, {}, PromptIcon::None};
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
