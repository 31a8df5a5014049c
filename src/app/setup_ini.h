#pragma once
// Setup.ini: 26 positional settings, one item per line, read in the manner of
// comma-separated fields.

#include "app/state.h"

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <optional>

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

// The file's text, one item per line: every item in double quotes, a quote
// inside doubled.
QStringList formatSetupLines(const Settings& settings);

// Reads the file and stores its items; false when it cannot be read.
bool readSetupIni(const QString& path, Settings& settings);

// The one writer of Setup.ini in the ini folder (at shutdown, from the setup
// and language pages): `settings`, lines 12 and 13 holding the main window's
// position in twips, or, while it is minimised (nothing given), the position
// read at start-up. Atomic, readable by its owner only (it holds the FTP
// password). False when the file could not be written.
bool writeSetupIni(const AppState& state, Settings settings, std::optional<QPoint> mainWindowTwips);

// The message for settings files that could not be written, one path a line.
QString settingsNotSavedMessage(const QStringList& paths);

// The defaults and clamps applied after reading (screen size in pixels).
void applySetupDefaults(Settings& settings, QSize screen);

// The mnuSize entry checked for a GUI size value: 0 for 870, 1 for 770, 2 for 670.
int guiSizeMenuIndex(int guiSize);

// Resize index from the resize setting ("320x256" 1 .. "1600x1200" 9,
// "No Resize" 10, anything else 0), and width, height, enabled from its "x".
void deriveResize(Settings& settings);

} // namespace quiverel
