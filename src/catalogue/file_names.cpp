#include "catalogue/file_names.h"

#include "catalogue/thumbnail_location.h"

#include <QFile>
#include <QFileInfo>

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

QString sanitisedName(const QString& name) {
    const QString ext = name.right(4);
    QString base = name;
    if (!ext.isEmpty()) base.remove(ext);
    for (QChar c : {u'*', u'?', u'/', u'\\', u':', u'|', u'<', u'>', u'.'})
        base.replace(c, u'_');
    return base + ext;
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

QString thumbnailFolderOf(const QString& folder) {
    return thumbnailFolderFor(folder);
}

QString thumbnailPathOf(const QString& folder, const QString& name) {
    return thumbnailFolderOf(folder) + baseNameOf(name) + QStringLiteral(".jpg");
}

} // namespace quiverel
