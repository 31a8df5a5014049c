#include "options/delete_picture.h"

#include "catalogue/file_names.h"
#include "desktop/desktop.h"

#include <QFile>

namespace quiverel {

FileActionReport deleteQuestion(const QString& path, const QString& deleteText) {
    return {deleteText + QStringLiteral("  ") + path, path, PromptIcon::Critical};
}

bool recyclePicture(Desktop& desktop, const QString& folder, const QString& fileName,
                    FileActionReport* report) {
    const QString path = folder + fileName;
    if (!desktop.recycleFile(path)) {
        if (report)
            *report = failureReport(
                path, QStringLiteral("could not be moved to the trash and stays where it is."));
        return false;
    }
    const QString thumb = thumbnailPathOf(folder, fileName);
    if (QFile::exists(thumb)) desktop.recycleFile(thumb);
    return true;
}

} // namespace quiverel
