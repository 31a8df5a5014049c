#include "options/edit_picture.h"

#include "catalogue/file_names.h"
#include "catalogue/thumbnail_location.h"
#include "convert/converter.h"
#include "util/file_times.h"

#include <QDir>
#include <QFileInfo>

namespace quiverel {

int countPictureFiles(const QString& folder) {
    static const QStringList kinds = {QStringLiteral(".JPG"), QStringLiteral(".PNG"),
                                      QStringLiteral(".BMP"), QStringLiteral(".GIF"),
                                      QStringLiteral(".JP2")};
    int n = 0;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        if (kinds.contains(extensionOf(name))) ++n;
    return n;
}

EditSnapshot snapshotOf(const QString& folder, const QString& fileName) {
    return {QFileInfo(folder + fileName).lastModified(), countPictureFiles(folder)};
}

bool editChangedFolder(const EditSnapshot& before, const EditSnapshot& after,
                       int catalogueLastIndex) {
    return after.pictures - 1 > catalogueLastIndex || after.modified != before.modified;
}

EditResult editPicture(Converter& converter, const QString& folder, const QString& fileName,
                       const QString& rowDateTime, int catalogueLastIndex) {
    EditResult result;
    const EditSnapshot before = snapshotOf(folder, fileName);
    result.started = converter.edit(folder + fileName);
    if (!result.started) return result;
    if (!editChangedFolder(before, snapshotOf(folder, fileName), catalogueLastIndex)) return result;
    result.changed = true;
    const QString thumb = thumbnailPathOf(folder, fileName);
    makeThumbnailFolder(QFileInfo(thumb).path());
    if (converter.thumbnail(folder + fileName, thumb)) SetFileDate(thumb, rowDateTime);
    return result;
}

} // namespace quiverel
