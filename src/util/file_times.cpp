#include "util/file_times.h"

#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <fcntl.h>
#include <sys/stat.h>

namespace quiverel {

QString dateTimeText(const QDateTime& local) {
    return local.toLocalTime().toString(QString::fromLatin1(kDateTimeFormat));
}

QDateTime parseDateTimeText(const QString& text) {
    QDateTime t = QDateTime::fromString(text, QString::fromLatin1(kDateTimeFormat));
    return t;
}

bool SetFileDate(const QString& path, const QString& text) {
    const QDateTime when = parseDateTimeText(text);
    if (!when.isValid() || !QFileInfo::exists(path)) return false;
    // Only the modification time changes; UTIME_OMIT keeps the access time.
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = when.toSecsSinceEpoch();
    times[1].tv_nsec = 0;
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

QDateTime LocalToUtc(const QDateTime& local) {
    return local.toUTC();
}

} // namespace quiverel
