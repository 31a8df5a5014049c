#pragma once
// The scan's notices the user has had in this run: each is given once, not
// at every scan.

#include "catalogue/scan_notice.h"

#include <QSet>

namespace quiverel {

class NoticeMemory {
public:
    // The notices not given before, now remembered as given, in their order.
    QList<ScanNotice> fresh(const QList<ScanNotice>& notices);
    bool given(ScanNoticeKind kind, const QString& path) const;

private:
    QSet<QString> given_;
};

} // namespace quiverel
