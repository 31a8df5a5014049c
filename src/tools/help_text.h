#pragma once
// The help text of one language from Help.txt, one section per language.

#include <QString>
#include <QStringList>
#include <optional>

namespace quiverel {

// The lines after the line that is exactly "[name]" (letter case counts), up
// to the first line that starts with "*****" or the end, each followed by a
// line break. Empty when no line is the header.
QString helpSection(const QStringList& lines, const QString& languageName);

// The same from the file; nothing when the file cannot be read.
std::optional<QString> readHelpText(const QString& path, const QString& languageName);

} // namespace quiverel
