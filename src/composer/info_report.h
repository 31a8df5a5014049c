#pragma once
// The composer's "Info": a short report on the picture's file.

#include "app/state.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quiverel {

struct InfoFacts {
    QString name;   // the file name
    QString folder; // ending in "/"
    int width = 0;
    int height = 0;
    qint64 bytes = 0;
    QDateTime modified;
};

// The picture's file; for a GIF its copy in TX (which keeps the
// animation), or the GIF itself while TX holds no copy of it.
InfoFacts infoFacts(const AppState& state, const CurrentPicture& cur);

// Five lines, each beginning with two blanks: name (cut to 25 characters),
// folder, size, file size and date.
QString infoReport(const std::array<QString, kTextEntries>& text, const InfoFacts& facts,
                   const QLocale& locale = QLocale::system());

} // namespace quiverel
