#pragma once
// File names as the catalogue sees them: the extension is the last four
// characters, compared in capitals; the base name is the rest.

#include <QByteArray>
#include <QList>
#include <QString>

namespace quiverel {

// The last four characters in capitals (".JPG").
QString extensionOf(const QString& name);
// The name less its last four characters.
QString baseNameOf(const QString& name);
// ".TXT", ".PNG", ".JPG", ".BMP", ".GIF" or ".JP2".
bool isPictureType(const QString& name);
bool isTextType(const QString& name);

// `text` made fit to stand in a file name: "*", "?", "/", "\", ":", "|", "<",
// ">", "." and control characters become "_", so it holds no path.
QString nameSafeText(const QString& text);

// The accepted form of a name: every copy of the extension text removed from
// the base, the base made nameSafeText ("my.pic.jpg" becomes "my_pic.jpg")
// and cut so that the whole name stays within the name limit.
QString sanitisedName(const QString& name);

// A name in `folder` that no file has yet: `wanted`, or its base with "-1",
// "-2", ... and its extension.
QString freeNameIn(const QString& folder, const QString& wanted);

// Renames the file in `folder` to its accepted name, never over another
// file (a taken name gets "-n"). Returns the name the file now has.
QString SanitiseFileName(const QString& folder, const QString& name);

// A file renamed because its name was not valid UTF-8: the raw bytes it had
// and the name it has now.
struct RawRename {
    QByteArray from;
    QString to;
};

// A valid name for raw file-name bytes: UTF-8 when they are, otherwise read
// as Windows-1252 (what older programs wrote), characters that code page
// lacks becoming "_"; then sanitised as any name.
QString nameFromRawBytes(const QByteArray& raw);

// Renames the catalogue's files in `folder` whose names are not valid UTF-8
// (which the folder listing cannot name) to nameFromRawBytes, never over
// another file. Hidden files and anything but regular files are left alone.
// Run it before listing the folder.
QList<RawRename> renameInvalidNames(const QString& folder);

// The thumbnail of a picture: thumbnail folder, name less four characters,
// ".jpg". The thumbnail folder is "ThumbFiles/" in the folder, or a cache
// folder when that cannot be written (thumbnail_location.h).
QString thumbnailFolderOf(const QString& folder);
QString thumbnailPathOf(const QString& folder, const QString& name);

} // namespace quiverel
