#include "support/demo_state.h"

#include "app/text_table.h"
#include "imaging/picture_file.h"

#include <QDir>
#include <QFileInfo>

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

void setDemoPicture(AppState& state, const QString& path) {
    const QFileInfo file(path);
    CurrentPicture& cur = state.current;
    cur.folder = file.absolutePath() + u'/';
    cur.fileName = file.fileName();
    cur.baseName = cur.fileName.left(cur.fileName.size() - 4);
    cur.picture = loadPicture(file.absoluteFilePath());
    cur.width = cur.picture.width();
    cur.height = cur.picture.height();
}

} // namespace quiverel::test
