#include "tools/language_apply.h"

#include "app/setup_ini.h"
#include "app/text_table.h"

namespace quiverel {

LanguageChange applyLanguage(AppState& state, std::optional<QPoint> mainWindowTwips) {
    LanguageChange change;
    change.written = writeSetupIni(state, state.settings, mainWindowTwips);
    std::array<QString, kTextEntries> table;
    change.reloaded = loadTextTableFile(table, state.settings.languageName,
                                        state.iniFile(QStringLiteral("Language.ini")),
                                        HeaderMatch::LanguageChange);
    if (change.reloaded) state.text = table;
    return change;
}

QString languageNotFoundMessage(const AppState& state) {
    return QStringLiteral("The texts of ") + state.settings.languageName +
           QStringLiteral(" were not found in\n") + state.iniFile(QStringLiteral("Language.ini")) +
           QStringLiteral("\nThe texts in use are kept.");
}

} // namespace quiverel
