#include "ftp/remote_names.h"

namespace quiverel {

namespace {
constexpr int kImageItem = 1;
constexpr int kTextItem = 21;
} // namespace

QStringList remoteNameList(const QString& fileName) {
    QStringList names{fileName};
    for (int i = 1; i <= 15; ++i)
        names << QStringLiteral("image%1").arg(i);
    for (int i = 1; i <= 5; ++i)
        names << QStringLiteral("TX%1.jpg").arg(i);
    for (int i = 1; i <= 8; ++i)
        names << QStringLiteral("text%1.txt").arg(i);
    return names;
}

int preselectedRemoteName(const QString& fileName) {
    return fileName.right(3).toUpper() == QStringLiteral("TXT") ? kTextItem : kImageItem;
}

QString remotePath(const QString& folder, const QString& name) {
    return folder.isEmpty() ? name : folder + u'/' + name;
}

} // namespace quiverel
