#pragma once
// The names a picture may be stored under on the web site, and where it goes.

#include <QString>
#include <QStringList>

namespace quiverel {

// The 29 choices of the name list: the file's own name, "image1".."image15",
// "TX1.jpg".."TX5.jpg", "text1.txt".."text8.txt".
QStringList remoteNameList(const QString& fileName);

// The index preselected in that list: "text1.txt" for a text file, else "image1".
int preselectedRemoteName(const QString& fileName);

// `<folder>/<name>`, or the bare name when the folder is empty.
QString remotePath(const QString& folder, const QString& name);

} // namespace quiverel
