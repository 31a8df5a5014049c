#include "imaging/picture_file.h"

#include "imaging/picture_limits.h"
#include "util/file_copy.h"
#include "util/regular_file.h"
#include "util/temporary_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace quiverel {

namespace {

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

} // namespace

bool readPictureFile(const QString& path, QByteArray& bytes, QString* error) {
    auto read = readRegularFile(path, kMaxPictureFileBytes, BeyondLimit::Refuse, error);
    if (!read) return false;
    bytes = std::move(*read);
    return true;
}

QImage loadPicture(const QString& path, const DecodeOptions& options, QString* error) {
    QByteArray bytes;
    if (!readPictureFile(path, bytes, error)) return {};
    QString why;
    QImage picture = decodePicture(bytes, options, &why);
    if (picture.isNull()) fail(error, QStringLiteral("cannot read picture %1: %2").arg(path, why));
    return picture;
}

bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo target(path);
    // Hidden and with a suffix no picture has, so a folder scan passes it by.
    QTemporaryFile temp(temporaryPatternFor(target.absoluteFilePath()));
    temp.setAutoRemove(true);
    if (!temp.open())
        return fail(error, QStringLiteral("cannot write in %1: %2")
                               .arg(target.absolutePath(), temp.errorString()));
    if (!writeWhole(temp, bytes.constData(), bytes.size()) || !temp.flush()) {
        const QString why = temp.errorString();
        // By its path: a close that cannot flush keeps QFile::remove() from removing.
        const QString name = temp.fileName();
        temp.setAutoRemove(false);
        temp.close();
        QFile::remove(name);
        return fail(error, QStringLiteral("cannot write %1: %2").arg(path, why));
    }
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    const QByteArray from = QFile::encodeName(temp.fileName());
    temp.close();
    // rename() replaces an existing target in one step; QFile::rename would refuse it.
    if (std::rename(from.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) !=
        0) {
        const int e = errno;
        return fail(error, QStringLiteral("cannot write %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(e))));
    }
    temp.setAutoRemove(false);
    return true;
}

bool savePicture(const QImage& picture, const QString& path, const EncodeOptions& options,
                 QString* error) {
    const PictureFormat format = formatForFileName(path);
    if (format == PictureFormat::Unknown)
        return fail(error, QStringLiteral("unknown picture type: %1").arg(path));
    const QByteArray bytes = encodePicture(picture, format, options);
    if (bytes.isEmpty()) return fail(error, QStringLiteral("cannot encode %1").arg(path));
    return writeFileReplacing(path, bytes, error);
}

} // namespace quiverel
