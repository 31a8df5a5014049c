#pragma once
// The fields of the QSL dialog: its lists, what they start with, and the
// call sign and UTC texts as the dialog shows them.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace quiverel {

const QStringList& qslFrequencies();
const QStringList& qslModes();
const QStringList& qslReports();

// The text a list starts with: the saved text, whatever it is, or item
// `index` of the list when nothing was saved.
QString qslListStart(const QString& saved, const QStringList& items, int index);

// The call field as typed: a..z in capitals and every "0" a slashed zero,
// so a zero cannot be read as the letter O.
QString qslCallText(const QString& typed);

// The UTC date in the system's short form and the UTC time as "hh:mm".
QString qslDateText(const QDateTime& utc);
QString qslTimeText(const QDateTime& utc);

} // namespace quiverel
