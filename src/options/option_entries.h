#pragma once
// The ten entries of the options panel: their captions and which of them a
// picture allows.

#include "app/state.h"

#include <QStringList>
#include <array>

namespace quiverel {

inline constexpr int kOptionEntries = 10;

enum OptionEntry {
    EditInComposer = 0,
    EditInConverter = 1,
    RenameEntry = 2,
    MoveEntry = 3,
    CopyEntry = 4,
    ConvertEntry = 5,
    DeleteEntry = 6,
    WallpaperEntry = 7,
    FtpEntry = 8,
    CloseEntry = 9,
};

using TextTable = std::array<QString, kTextEntries>;

// The entries' captions, each with three blanks in front.
QStringList optionCaptions(const TextTable& text);

// A text file: the last three characters of the name are "TXT" in any case.
bool isTextFileName(const QString& name);

// Which entries can be chosen: an animated GIF cannot go to the composer; a
// text file cannot be edited, converted or made the wallpaper.
std::array<bool, kOptionEntries> enabledEntries(bool textFile, bool animatedGif);

// The formats the picture can be converted to, in the list's order.
QStringList conversionFormats();
// The list row to preselect for a file name: its own format, else -1.
int preselectedFormat(const QString& fileName);

} // namespace quiverel
