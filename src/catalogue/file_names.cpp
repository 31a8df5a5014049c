#include "catalogue/file_names.h"

#include "catalogue/thumbnail_location.h"
#include "util/file_name_bytes.h"
#include "util/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace quiverel {

QString extensionOf(const QString& name) {
    return name.right(4).toUpper();
}

QString baseNameOf(const QString& name) {
    return name.left(std::max<qsizetype>(name.size() - 4, 0));
}

bool isPictureType(const QString& name) {
    static const QStringList kTypes = {".TXT", ".PNG", ".JPG", ".BMP", ".GIF", ".JP2"};
    return kTypes.contains(extensionOf(name));
}

bool isTextType(const QString& name) {
    return extensionOf(name) == u".TXT";
}

QString nameSafeText(const QString& text) {
    QString safe = text;
    for (QChar& c : safe)
        if (c.category() == QChar::Other_Control || QStringView(u"*?/\\:|<>.").contains(c))
            c = u'_';
    return safe;
}

QString sanitisedName(const QString& name) {
    const QString ext = name.right(4);
    QString base = name;
    if (!ext.isEmpty()) base.remove(ext);
    return cutToFileNameBytes(nameSafeText(base), kMaxFileNameBytes - fileNameBytes(ext)) + ext;
}

QString freeNameIn(const QString& folder, const QString& wanted) {
    const auto taken = [&](const QString& n) { return QFileInfo::exists(folder + n); };
    if (!taken(wanted)) return wanted;
    const qsizetype dot = wanted.lastIndexOf(u'.');
    const QString base = dot > 0 ? wanted.left(dot) : wanted;
    const QString ext = dot > 0 ? wanted.mid(dot) : QString();
    for (int n = 1;; ++n) {
        const QString candidate = base + u'-' + QString::number(n) + ext;
        if (!taken(candidate)) return candidate;
    }
}

QString SanitiseFileName(const QString& folder, const QString& name) {
    const QString wanted = sanitisedName(name);
    if (wanted == name) return name;
    const QString target = freeNameIn(folder, wanted);
    // QFile::rename refuses to replace an existing file.
    return QFile::rename(folder + name, folder + target) ? target : name;
}

QString nameFromRawBytes(const QByteArray& raw) {
    QString name = decodeText(raw);
    name.replace(QChar(QChar::ReplacementCharacter), u'_');
    return sanitisedName(name);
}

namespace {

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

// Renames without ever replacing a file that exists.
bool renameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without that flag: hard link, then drop the old name.
    if (::link(from.constData(), to.constData()) != 0) return false;
    return ::unlink(from.constData()) == 0;
}

} // namespace

QList<RawRename> renameInvalidNames(const QString& folder) {
    QList<RawRename> done;
    const QByteArray dirBytes = QFile::encodeName(folder);
    DIR* dir = ::opendir(dirBytes.constData());
    if (!dir) return done;
    QList<QByteArray> invalid;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw.startsWith('.') || isValidUtf8(raw)) continue;
        invalid.append(raw);
    }
    ::closedir(dir);
    const QByteArray prefix = dirBytes.endsWith('/') ? dirBytes : dirBytes + '/';
    for (const QByteArray& raw : std::as_const(invalid)) {
        const QString wanted = nameFromRawBytes(raw);
        const QByteArray path = prefix + raw;
        struct stat st {};
        if (!isPictureType(wanted) || ::stat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        // A clash found here may still be taken by the time of the rename;
        // then the next free name is tried.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString target = freeNameIn(QFile::decodeName(prefix), wanted);
            if (renameNoReplace(path, prefix + QFile::encodeName(target))) {
                done.append({raw, target});
                break;
            }
            if (errno != EEXIST) break;
        }
    }
    return done;
}

QString thumbnailFolderOf(const QString& folder) {
    return thumbnailFolderFor(folder);
}

QString thumbnailPathOf(const QString& folder, const QString& name) {
    return thumbnailFolderOf(folder) + baseNameOf(name) + QStringLiteral(".jpg");
}

} // namespace quiverel
