#include "catalogue/notice_memory.h"

namespace quiverel {

namespace {
QString keyOf(ScanNoticeKind kind, const QString& path) {
    return QString::number(int(kind)) + u'\n' + path;
}
} // namespace

QList<ScanNotice> NoticeMemory::fresh(const QList<ScanNotice>& notices) {
    QList<ScanNotice> out;
    for (const ScanNotice& n : notices) {
        const QString key = keyOf(n.kind, n.path);
        if (given_.contains(key)) continue;
        given_.insert(key);
        out.append(n);
    }
    return out;
}

bool NoticeMemory::given(ScanNoticeKind kind, const QString& path) const {
    return given_.contains(keyOf(kind, path));
}

} // namespace quiverel
