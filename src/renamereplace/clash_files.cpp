#include "renamereplace/clash_files.h"

#include "catalogue/file_names.h"
#include "imaging/picture_file.h"

#include <QFile>
#include <QFileInfo>

namespace quiverel {

namespace {

FileFailure failure(const QString& path, const QString& error) {
    return {path, reasonAfterPath(error, path)};
}

} // namespace

std::optional<FileFailure> savePictureAt(const QImage& picture, const QString& path) {
    QString error;
    if (!savePicture(picture, path, {}, &error)) return failure(path, error);
    return std::nullopt;
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (!fa.exists() || !fb.exists()) return false;
    return fa.canonicalFilePath() == fb.canonicalFilePath();
}

std::optional<FileFailure> copyFileOver(const QString& source, const QString& target) {
    // Copying a file onto itself would change nothing.
    if (sameFile(source, target)) return std::nullopt;
    QByteArray bytes;
    QString error;
    if (!readPictureFile(source, bytes, &error)) return failure(source, error);
    if (!writeFileReplacing(target, bytes, &error)) return failure(target, error);
    if (QFileInfo(target).size() != bytes.size())
        return FileFailure{target, QStringLiteral("The copy is incomplete.")};
    return std::nullopt;
}

std::optional<FileFailure> moveFileOver(const QString& source, const QString& target) {
    if (sameFile(source, target))
        return FileFailure{target, QStringLiteral("The file cannot be moved onto itself.")};
    const qint64 size = QFileInfo(source).size();
    if (auto f = copyFileOver(source, target)) return f;
    if (QFileInfo(target).size() != size)
        return FileFailure{target, QStringLiteral("The copy is incomplete.")};
    QFile file(source);
    if (!file.remove()) return FileFailure{source, file.errorString()};
    const QFileInfo info(source);
    removeThumbnailOf(info.absolutePath() + u'/', info.fileName());
    return std::nullopt;
}

void removeThumbnailOf(const QString& folder, const QString& name) {
    QFile::remove(thumbnailPathOf(folder, name));
}

} // namespace quiverel
