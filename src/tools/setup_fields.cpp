#include "tools/setup_fields.h"

namespace quiverel {

QString typedCallSign(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    return out;
}

QString slashedZeros(const QString& text) {
    QString out = text;
    out.replace(u'0', QChar(0x00D8));
    return out;
}

int thumbsChoice(bool opt12, bool opt20, bool opt30) {
    if (opt12) return 12;
    if (opt20) return 20;
    if (opt30) return 30;
    return 0;
}

QString startupCaption(const QList<FolderRow>& rows, const QString& startupFolder) {
    QString caption;
    for (const FolderRow& r : rows)
        if (r.path == startupFolder) caption = r.caption;
    return caption;
}

QString startupFolderFor(const QList<FolderRow>& rows, const QString& caption,
                         const QString& current) {
    QString folder = current;
    for (const FolderRow& r : rows)
        if (r.caption == caption) folder = r.path;
    return folder;
}

} // namespace quiverel
