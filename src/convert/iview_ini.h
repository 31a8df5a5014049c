#pragma once
// i_view32.ini: the converter's settings file, of which the program owns the
// JPEG 2000 section.

#include <QString>
#include <QStringList>
#include <optional>

namespace quiverel {

// The file name inside a settings folder.
inline constexpr auto kIviewIniName = "i_view32.ini";

// The JPEG 2000 target size from `[JP2]`: the third line after the header,
// read from two characters after its "=". Nothing when the file or the header
// is missing.
std::optional<int> jp2TargetSizeFromLines(const QStringList& lines);
std::optional<int> readJp2TargetSize(const QString& iniFile);

// Rewrites the file with exactly the four lines the program owns.
bool writeIviewIni(const QString& iniFile, int targetSize);

} // namespace quiverel
