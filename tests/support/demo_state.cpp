#include "support/demo_state.h"

#include "app/text_table.h"

#include <QDir>

namespace quiverel::test {

void prepareDemoState(AppState& state, const TempApp& app) {
    state.appFolder = app.path();
    app.write(QStringLiteral("ini/Language.ini"), shippedLanguageIni());
    loadTextTableFile(state.text, QStringLiteral("English"),
                      app.ini(QStringLiteral("Language.ini")), HeaderMatch::Startup);
    state.settings.guiScale = 768.0 / 770.0;
    state.transmit.txFolder = app.path() + QStringLiteral("/TX");
    QDir().mkpath(state.transmit.txFolder);
}

} // namespace quiverel::test
