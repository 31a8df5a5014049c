#pragma once
// What a folder scan has to tell the user, apart from the quarantine warning:
// files it leaves alone and why, and a folder it cannot write.

#include <QList>
#include <QString>

namespace quiverel {

enum class ScanNoticeKind {
    FolderReadOnly,       // path: the folder; detail: where its thumbnails go
    CannotRead,           // path: the file; detail: the system's reason
    TooLarge,             // path: the file; detail: its size
    NotAPicture,          // path: a file that does not decode, in a folder left as it is
    CannotQuarantine,     // path: the file; detail: the reason
    ThumbnailsNotWritten, // path: the folder; detail: the thumbnail folder
};

struct ScanNotice {
    ScanNoticeKind kind = ScanNoticeKind::CannotRead;
    QString path;
    QString detail;

    bool operator==(const ScanNotice&) const = default;
};

// One notice as the user reads it.
QString noticeText(const ScanNotice& notice);

// Several notices in one message, the first `shown` in full and a count of
// the rest.
QString noticesText(const QList<ScanNotice>& notices, int shown = 8);

} // namespace quiverel
