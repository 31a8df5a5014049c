#pragma once
// Setup.ini: 26 positional settings, one item per line, read in the manner of
// comma-separated fields.

#include "app/state.h"

#include <QSize>
#include <QStringList>

namespace quiverel {

inline constexpr int kSetupItems = 26;

// Splits the file's text into items: a double-quoted text (quotes removed) or
// bare text up to the next comma or the end of the line, trimmed of blanks.
// Inside quotes "" stands for a quote and line breaks belong to the item; it
// ends at a single quote followed by a comma or a line end. Files written
// before quotes were doubled read as they always did: a lone quote followed
// by anything else is text, and an item that does not close that way ends at
// the first such quote of its own line.
QStringList splitSetupItems(const QString& text);

// Stores items 1..26 into their settings; settings without an item keep
// their values. Numbers are read leniently.
void storeSetupItems(Settings& settings, const QStringList& items);

// The 26 items in file order, as the values in use.
QStringList setupItemTexts(const Settings& settings);

enum class SetupStyle {
    Quoted, // the main window: every item in double quotes
    Bare,   // the setup dialog: items as they are
};

// The file's text, one item per line with CR LF.
QStringList formatSetupLines(const Settings& settings, SetupStyle style);

// Reads the file and stores its items; false when it cannot be read.
bool readSetupIni(const QString& path, Settings& settings);

// Writes the file atomically, readable by its owner only (it holds the FTP password).
bool writeSetupIni(const QString& path, const Settings& settings, SetupStyle style);

// The defaults and clamps applied after reading (screen size in pixels).
void applySetupDefaults(Settings& settings, QSize screen);

// The mnuSize entry checked for a GUI size value: 0 for 870, 1 for 770, 2 for 670.
int guiSizeMenuIndex(int guiSize);

// Resize index from the resize setting ("320x256" 1 .. "1600x1200" 9,
// "No Resize" 10, anything else 0), and width, height, enabled from its "x".
void deriveResize(Settings& settings);

} // namespace quiverel
