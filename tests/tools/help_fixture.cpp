#include "help_fixture.h"

#include "app/setup_ini.h"
#include "util/text_file.h"

namespace quiverel::test {

HelpContext::HelpContext() {
    readTextTable();
    state.settings.languageName = QStringLiteral("English");
    state.settings.guiScale = 1.0;
    state.settings.guiSize = 770;
    state.settings.thumbsPerPage = 20;
    state.settings.callSignPrefix = QStringLiteral("N");
    state.settings.winDrmFolder = app.path();
    state.transmit.txFolder = app.path() + QStringLiteral("/TX");
    app.write(QStringLiteral("Help.txt"),
              "[English]\r\nFirst help line\r\nSecond\r\n*****\r\n[Deutsch]\r\nErste\r\n");
}

HelpHost HelpContext::host() {
    HelpHost h;
    h.mainWindowTwips = [this] { return mainTwips; };
    h.restart = [this] { ++restarts; };
    h.reapplyCaptions = [this] { ++recaptions; };
    return h;
}

std::unique_ptr<frmHelp> HelpContext::open(HelpPage page) {
    auto window = std::make_unique<frmHelp>(ctx, host());
    window->Form_Load();
    window->showPage(page);
    return window;
}

QStringList HelpContext::setupLines() const {
    const auto text = readTextFile(app.ini(QStringLiteral("Setup.ini")));
    return text ? splitSetupItems(*text) : QStringList();
}

} // namespace quiverel::test
