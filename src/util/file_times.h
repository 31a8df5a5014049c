#pragma once
// File times as the catalogue writes them: local date and time to the second,
// as text that parses back to the same second.

#include <QDateTime>
#include <QString>

namespace quiverel {

inline constexpr auto kDateTimeFormat = "yyyy-MM-dd HH:mm:ss";

QString dateTimeText(const QDateTime& local);
// Nothing valid when the text is not a date and time of that form.
QDateTime parseDateTimeText(const QString& text);

// Sets the file's last-write time to the local date and time in `text`
// (creation and access times unchanged). True when the time was set.
bool SetFileDate(const QString& path, const QString& text);

// A local date and time as UTC.
QDateTime LocalToUtc(const QDateTime& local);

} // namespace quiverel
