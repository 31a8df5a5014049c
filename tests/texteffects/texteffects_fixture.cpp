#include "texteffects_fixture.h"

#include "app/text_table.h"

namespace quiverel::test {

TextEffectsContext::TextEffectsContext()
    : ctx{state, converter, desktop, prompts, clock, windows, app.path()} {
    state.appFolder = app.path();
    app.write(QStringLiteral("ini/Language.ini"), shippedLanguageIni());
    loadTextTableFile(state.text, QStringLiteral("English"),
                      app.ini(QStringLiteral("Language.ini")), HeaderMatch::Startup);
    state.settings.guiScale = 1.0;
}

} // namespace quiverel::test
