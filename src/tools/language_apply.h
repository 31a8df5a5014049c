#pragma once
// Putting a chosen language in force: Setup.ini and the text table.

#include "app/state.h"

#include <QPoint>
#include <optional>

namespace quiverel {

struct LanguageChange {
    bool written = false;  // Setup.ini holds the language name
    bool reloaded = false; // the text table holds the language's texts
};

// Writes Setup.ini with `state.settings.languageName`, then reloads the text
// table from the section whose header starts its line exactly as "[name]".
// Without that section, or without Language.ini, the texts in use stay, entry
// 0 included, so the captions never go blank.
LanguageChange applyLanguage(AppState& state, std::optional<QPoint> mainWindowTwips);

// What the user is told when the texts of the language were not found.
QString languageNotFoundMessage(const AppState& state);

} // namespace quiverel
