#include "catalogue/scan_notice.h"

namespace quiverel {

QString noticeText(const ScanNotice& n) {
    switch (n.kind) {
    case ScanNoticeKind::FolderReadOnly:
        return QStringLiteral("The folder\n%1\nis read-only: nothing in it is renamed or moved, "
                              "and its thumbnails are kept in\n%2")
            .arg(n.path, n.detail);
    case ScanNoticeKind::CannotRead:
        return QStringLiteral("%1\ncannot be read (%2). It is left where it is.")
            .arg(n.path, n.detail);
    case ScanNoticeKind::TooLarge:
        return QStringLiteral("%1\nis too large to be shown (%2). It is left where it is.")
            .arg(n.path, n.detail);
    case ScanNoticeKind::NotAPicture:
        return QStringLiteral("%1\nmay be a corrupt file. The folder is read-only, so it is left "
                              "where it is.")
            .arg(n.path);
    case ScanNoticeKind::CannotQuarantine:
        return QStringLiteral("%1\ncould not be moved to the Corrupt folder (%2). It is left "
                              "where it is.")
            .arg(n.path, n.detail);
    case ScanNoticeKind::ThumbnailsNotWritten:
        return QStringLiteral("The thumbnails of the folder\n%1\ncannot be written in\n%2")
            .arg(n.path, n.detail);
    }
    return n.path;
}

QString noticesText(const QList<ScanNotice>& notices, int shown) {
    QStringList parts;
    for (qsizetype i = 0; i < notices.size() && i < shown; ++i)
        parts.append(noticeText(notices[i]));
    if (notices.size() > shown)
        parts.append(QStringLiteral("... and %1 more.").arg(notices.size() - shown));
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace quiverel
