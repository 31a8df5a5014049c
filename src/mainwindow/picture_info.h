#pragma once
// The texts of the main window's information line and information window.

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>

namespace quiverel {

// The date part of a catalogue date-time text.
QString datePart(const QString& dateTime);

// " name   date " / "  w x h   size bytes " for a picture.
QString pictureHoverText(const QString& fileName, const QString& dateTime, QSize size,
                         qint64 bytes);
// " name   date " / six blanks, "size bytes " for a text file.
QString textHoverText(const QString& fileName, const QString& dateTime, qint64 bytes);
// The line added for a search result: "  Found in ", the folder, two blanks.
QString foundInLine(const QString& folder);
// The folder (ending in "/") a search result came from: that of the first
// result whose name is exactly `fileName`; empty when none is.
QString foundInFolder(const QStringList& results, const QString& fileName);

// The clock line: entry 7, the local time as "h:mm am/pm", "  ( hh:mm )",
// "     UTC  " and the UTC time as "hh:mm:ss".
QString clockLine(const QString& word, const QDateTime& local, const QDateTime& utc);

} // namespace quiverel
