#pragma once
// Converting the panel's picture to another format in its own folder. The
// source is removed only once the new file stands beside it.

#include "options/file_action_report.h"
#include "options/option_entries.h"

#include <QString>

namespace quiverel {

class Converter;

// The name less its last three characters, then the format ("sky.jpg" and
// "PNG" give "sky.PNG").
QString convertedName(const QString& fileName, const QString& format);

enum class ConvertOutcome {
    NoFormat, // nothing chosen: entry 46, the frame stays
    Converted,
    Unchanged, // the new name is the picture's own: nothing to do
    Failed,    // nothing made or a name taken; the source stays
};

struct ConvertResult {
    ConvertOutcome outcome = ConvertOutcome::Failed;
    QString newName;
    FileActionReport report;
};

ConvertResult convertPicture(Converter& converter, const QString& folder, const QString& fileName,
                             const QString& format, const TextTable& text);

} // namespace quiverel
