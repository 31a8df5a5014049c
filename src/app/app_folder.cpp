#include "app/app_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quiverel {

namespace {

const QString kAppName = QStringLiteral("Quiverel");

bool copyKeepingTime(const QString& from, const QString& to) {
    if (!QFile::copy(from, to)) return false;
    // The samples are shown in date order; a copy dated now would lose it.
    QFile copy(to);
    if (copy.open(QIODevice::ReadWrite))
        copy.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
    return true;
}

// Copies the files of `from` (a file or a folder tree) that `to` lacks.
void copyMissing(const QString& from, const QString& to, QStringList& failed) {
    const QFileInfo source(from);
    if (source.isSymLink()) return;
    if (source.isDir()) {
        if (!QDir().mkpath(to)) {
            failed << to;
            return;
        }
        const auto entries = QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden |
                                                      QDir::NoDotAndDotDot | QDir::NoSymLinks);
        for (const QFileInfo& entry : entries)
            copyMissing(entry.filePath(), to + u'/' + entry.fileName(), failed);
        return;
    }
    if (!source.isFile()) return;
    const QFileInfo target(to);
    if (target.exists() || target.isSymLink()) return;
    if (!QDir().mkpath(target.path()) || !copyKeepingTime(from, to)) failed << to;
}

} // namespace

QString installedDataFolder(const QString& executableFolder) {
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/quiverel"));
}

ApplicationFolder chooseApplicationFolder(const QString& executableFolder,
                                          bool executableFolderWritable, bool hasInstalledData,
                                          const QString& dataHome) {
    if (dataHome.isEmpty() || (executableFolderWritable && !hasInstalledData))
        return {executableFolder, {}};
    const QString folder = QDir::cleanPath(dataHome + u'/' + kAppName);
    return {folder, hasInstalledData ? installedDataFolder(executableFolder) : executableFolder};
}

ApplicationFolder findApplicationFolder(const QString& executableFolder) {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is to be ignored.
    if (!QDir::isAbsolutePath(dataHome)) {
        const QString home = qEnvironmentVariable("HOME");
        dataHome = QDir::isAbsolutePath(home) ? home + QStringLiteral("/.local/share") : QString();
    }
    return chooseApplicationFolder(executableFolder, QFileInfo(executableFolder).isWritable(),
                                   QFileInfo(installedDataFolder(executableFolder)).isDir(),
                                   dataHome);
}

QStringList layOutApplicationFolder(const QString& from, const QString& folder) {
    QStringList failed;
    if (from.isEmpty() || QDir::cleanPath(from) == QDir::cleanPath(folder)) return failed;
    if (!QDir().mkpath(folder + QStringLiteral("/ini"))) return {folder};
    const bool firstStart = !QFileInfo::exists(folder + QStringLiteral("/ini/Folders.ini"));
    QStringList items{QStringLiteral("ini/Language.ini"), QStringLiteral("Help.txt"),
                      QStringLiteral("TextFile.jpg"), QStringLiteral("About.png")};
    // Start-up writes the first folder list, with the SSTV programs' folders
    // it finds; until then a start counts as the first.
    if (firstStart) items << QStringLiteral("Samples") << QStringLiteral("ini/i_view32.ini");
    for (const QString& item : items)
        copyMissing(from + u'/' + item, folder + u'/' + item, failed);
    return failed;
}

} // namespace quiverel
