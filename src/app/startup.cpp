#include "app/startup.h"

#include "app/folders_ini.h"
#include "app/setup_ini.h"
#include "app/text_table.h"
#include "convert/iview_ini.h"
#include "util/temporary_files.h"
#include "util/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace quiverel {

void migrateOldFiles(const QString& appFolder) {
    const QString buttons = appFolder + QStringLiteral("/ini/Buttons.ini");
    const QString folders = appFolder + QStringLiteral("/ini/Folders.ini");
    if (QFileInfo::exists(buttons)) {
        // Rename over the old list in one step, so one of the two always exists.
        if (::rename(QFile::encodeName(buttons), QFile::encodeName(folders)) != 0) {
            QFile::remove(folders);
            QFile::rename(buttons, folders);
        }
    }
    const QString converter = appFolder + QStringLiteral("/i__view32.exe");
    const QString oldConverter = appFolder + QStringLiteral("/iview32.exe");
    if (!QFileInfo::exists(converter) && QFileInfo::exists(oldConverter))
        QFile::rename(oldConverter, converter);
}

QString winDrmFolderInUse(const QString& setting, const QString& appFolder) {
    if (setting.isEmpty() || setting.compare(u"NONE", Qt::CaseInsensitive) == 0 ||
        !QFileInfo(setting).isDir())
        return appFolder;
    QString f = setting;
    while (f.size() > 1 && f.endsWith(u'/'))
        f.chop(1);
    return f;
}

double guiScaleFor(QSize screen, int guiSize) {
    if (guiSize <= 0) return 1.0;
    // The GUI size values were made for 4:3 screens, the windows' own shape:
    // on a narrower screen (a portrait one) the width sets the scale.
    if (qint64(screen.width()) * 3 >= qint64(screen.height()) * 4 || screen.width() <= 0)
        return double(screen.height()) / guiSize;
    return double(screen.width()) * 3.0 / (4.0 * guiSize);
}

void layOutFirstFolderList(const AppState& state, const SstvPlaces& places) {
    const QString ini = state.iniFile(QStringLiteral("Folders.ini"));
    const QFileInfo existing(ini);
    if (existing.exists() || existing.isSymLink()) return;
    QList<FolderRow> rows;
    const QString samples = state.appFolder + QStringLiteral("/Samples");
    if (QFileInfo(samples).isDir()) rows.append({QStringLiteral("Samples"), samples + u'/'});
    const qsizetype shipped = rows.size();
    rows = addFoldersOnce(rows, findSstvFolders(places));
    if (rows.isEmpty()) return;
    QStringList lines;
    for (qsizetype i = 0; i < rows.size(); ++i)
        // The samples as shipped: an empty path, beside the program wherever it is.
        lines << rows[i].caption << (i < shipped ? QString() : rows[i].path);
    writeTextLines(ini, lines);
}

void loadSettings(AppState& state, QSize screen) {
    Settings& s = state.settings;
    const QString& app = state.appFolder;

    state.folders.rows = readFoldersIni(state.iniFile(QStringLiteral("Folders.ini")), app);
    sortFolderList(state.folders.rows);

    readSetupIni(state.iniFile(QStringLiteral("Setup.ini")), s);
    applySetupDefaults(s, screen);
    s.guiScale = guiScaleFor(screen, s.guiSize);

    if (s.languageName.isEmpty()) s.languageName = QStringLiteral("English");
    loadTextTableFile(state.text, s.languageName, state.iniFile(QStringLiteral("Language.ini")),
                      HeaderMatch::Startup);

    s.winDrmFolder = winDrmFolderInUse(s.winDrmFolder, app);
    state.transmit.txFolder = s.winDrmFolder + QStringLiteral("/TX");
    QDir().mkpath(state.transmit.txFolder);
    removeLeftovers(state);
    deriveResize(s);

    if (const auto size = readJp2TargetSize(state.iniFile(QString::fromLatin1(kIviewIniName))))
        s.jp2TargetSize = *size;

    state.catalogue.thumbsPerPage = s.thumbsPerPage;
}

void removeLeftovers(const AppState& state) {
    if (state.transmit.handOffRunning || state.appFolder.isEmpty()) return;
    for (const QString& folder : {state.transmit.txFolder, state.appFolder, state.iniFolder()})
        if (!folder.isEmpty()) removeTemporaries(folder);
    for (const char* scratch : {"/QSL.bmp", "/Temp.bmp"})
        QFile::remove(state.appFolder + QLatin1String(scratch));
}

void chooseStartupFolder(AppState& state) {
    const auto& rows = state.folders.rows;
    state.current.folder = rows.isEmpty() ? QString() : rows.first().path;
    state.current.folderIndex = 0;
    if (state.settings.startupFolder.isEmpty()) state.settings.startupFolder = state.current.folder;
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].path == state.settings.startupFolder) {
            state.current.folder = rows[i].path;
            state.current.folderIndex = i;
        }
    }
}

QStringList saveOnShutdown(AppState& state, std::optional<QPoint> windowTwips) {
    QStringList unsaved;
    const QString iview = state.iniFile(QString::fromLatin1(kIviewIniName));
    if (!writeIviewIni(iview, state.settings.jp2TargetSize)) unsaved << iview;
    if (!writeSetupIni(state, state.settings, windowTwips))
        unsaved << state.iniFile(QStringLiteral("Setup.ini"));
    if (!state.folders.rows.isEmpty() && !state.folders.rows.first().caption.isEmpty()) {
        const QString folders = state.iniFile(QStringLiteral("Folders.ini"));
        if (!writeFoldersIni(folders, state.folders.rows)) unsaved << folders;
    }
    for (const char* scratch : {"/QSL.bmp", "/Temp.bmp", "/iview32.exe"})
        QFile::remove(state.appFolder + QLatin1String(scratch));
    return unsaved;
}

void reportUnsaved(const QStringList& paths, Prompts& prompts, QWidget* owner) {
    if (paths.isEmpty()) return;
    const QString message = settingsNotSavedMessage(paths);
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (owner) prompts.tell(owner, message);
}

} // namespace quiverel
