#include "tools/setup_write.h"

#include "app/setup_ini.h"

namespace quiverel {

bool writeSetupFromHelp(const AppState& state, Settings settings,
                        std::optional<QPoint> mainWindowTwips) {
    if (mainWindowTwips) {
        settings.savedLeft = mainWindowTwips->x();
        settings.savedTop = mainWindowTwips->y();
    }
    return writeSetupIni(state.iniFile(QStringLiteral("Setup.ini")), settings, SetupStyle::Bare);
}

QString setupNotWrittenMessage(const AppState& state) {
    return QStringLiteral("The settings could not be saved:\n") +
           state.iniFile(QStringLiteral("Setup.ini"));
}

} // namespace quiverel
