#include "tools/setup_confirm.h"

#include "app/setup_ini.h"
#include "mainwindow/transmit.h"

#include <QDir>
#include <QFileInfo>

namespace quiverel {

QString winDrmFolderFor(const QString& typed, const QString& appFolder) {
    if (typed.isEmpty() || typed.compare(u"NONE", Qt::CaseInsensitive) == 0) return appFolder;
    QString folder = typed;
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

SetupOutcome confirmSetup(AppState& state, const SetupEntries& entries,
                          std::optional<QPoint> mainWindowTwips) {
    SetupOutcome outcome;
    Settings& s = state.settings;
    Settings written = s;
    written.callSign = entries.callSign;
    written.callSignPrefix = entries.prefixYes ? QStringLiteral("Y") : QStringLiteral("N");
    written.winDrmFolder = entries.winDrmText;
    written.thumbsPerPage = entries.thumbsChoice;
    if (!writeSetupIni(state, written, mainWindowTwips)) {
        outcome.result = SetupResult::NotWritten;
        return outcome;
    }

    s.callSign = written.callSign;
    s.callSignPrefix = written.callSignPrefix;
    state.transmit.namePrefix = txNamePrefix(s);

    outcome.winDrmFolder = winDrmFolderFor(entries.winDrmText, state.appFolder);
    if (!QFileInfo(outcome.winDrmFolder).isDir()) {
        outcome.result = SetupResult::FolderMissing;
        return outcome;
    }
    s.winDrmFolder = outcome.winDrmFolder;
    state.transmit.txFolder = s.winDrmFolder + QStringLiteral("/TX");
    outcome.txMissing = !QDir().mkpath(state.transmit.txFolder);
    outcome.result =
        entries.thumbsChoice != s.thumbsPerPage ? SetupResult::Restart : SetupResult::Done;
    return outcome;
}

QString missingFolderMessage(const std::array<QString, kTextEntries>& text, const QString& folder) {
    return text[76] + folder + text[93] + u'\n' + text[94];
}

} // namespace quiverel
