#include "options/wallpaper.h"

#include "imaging/fit_resample.h"
#include "imaging/picture_file.h"
#include "process/program_run.h"
#include "process/shell_and_wait.h"

#include <QUrl>

namespace quiverel {

namespace {

bool desktopIs(const QString& currentDesktop, QStringView name) {
    const QStringList parts = currentDesktop.split(u':', Qt::SkipEmptyParts);
    for (const QString& p : parts)
        if (p.compare(name, Qt::CaseInsensitive) == 0 ||
            p.compare(QStringLiteral("X-") + name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

ProgramCall gsettings(const QString& schema, const QString& key, const QString& value) {
    return {QStringLiteral("gsettings"), {QStringLiteral("set"), schema, key, value}};
}

} // namespace

QList<ProgramCall> wallpaperCommands(const QString& currentDesktop, const QString& file) {
    const QString uri = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    const QString scaled = QStringLiteral("scaled");
    if (desktopIs(currentDesktop, u"GNOME") || desktopIs(currentDesktop, u"Unity")) {
        const QString schema = QStringLiteral("org.gnome.desktop.background");
        return {gsettings(schema, QStringLiteral("picture-uri"), uri),
                gsettings(schema, QStringLiteral("picture-uri-dark"), uri),
                gsettings(schema, QStringLiteral("picture-options"), scaled)};
    }
    if (desktopIs(currentDesktop, u"Cinnamon")) {
        const QString schema = QStringLiteral("org.cinnamon.desktop.background");
        return {gsettings(schema, QStringLiteral("picture-uri"), uri),
                gsettings(schema, QStringLiteral("picture-options"), scaled)};
    }
    if (desktopIs(currentDesktop, u"MATE")) {
        const QString schema = QStringLiteral("org.mate.background");
        return {gsettings(schema, QStringLiteral("picture-filename"), file),
                gsettings(schema, QStringLiteral("picture-options"), scaled)};
    }
    if (desktopIs(currentDesktop, u"XFCE")) {
        return {{QStringLiteral("xfconf-query"),
                 {QStringLiteral("--channel"), QStringLiteral("xfce4-desktop"),
                  QStringLiteral("--property"),
                  QStringLiteral("/backdrop/screen0/monitor0/workspace0/last-image"),
                  QStringLiteral("--create"), QStringLiteral("--type"), QStringLiteral("string"),
                  QStringLiteral("--set"), file}}};
    }
    if (desktopIs(currentDesktop, u"KDE"))
        return {{QStringLiteral("plasma-apply-wallpaperimage"), {file}}};
    return {};
}

bool saveWallpaper(const QImage& picture, QSize screen, const QString& path, QString* error) {
    if (picture.isNull()) {
        if (error) *error = QStringLiteral("There is no picture to save.");
        return false;
    }
    return savePicture(fitResample(picture, screen), path, {}, error);
}

ProgramRunner startAndWait() {
    return [](const ProgramCall& call) { return runProgram(call.program, call.arguments); };
}

FileActionReport setWallpaper(const QImage& picture, QSize screen, const QString& appFolder,
                              const QString& currentDesktop, const ProgramRunner& run) {
    const QString path = appFolder + QStringLiteral("/Wallpaper.bmp");
    QString error;
    if (!saveWallpaper(picture, screen, path, &error))
        return failureReport(QStringLiteral("The wallpaper could not be saved as\n") + path, error);
    const QList<ProgramCall> calls = wallpaperCommands(currentDesktop, path);
    bool told = !calls.isEmpty();
    for (const ProgramCall& call : calls) {
        const ProgramExit exit = run(call);
        if (!exit.started()) {
            told = false;
            continue;
        }
        if (exit.succeeded()) continue;
        // The desktop's tool ran and refused: its own words say why.
        QString why =
            commandLineText(call.program, call.arguments) +
            (exit.exitCode < 0 ? QStringLiteral("\nwas ended by a signal")
                               : QStringLiteral("\nended with code %1").arg(exit.exitCode));
        if (!exit.errorOutput.isEmpty()) why += QStringLiteral(":\n") + exit.errorOutput;
        return failureReport(QStringLiteral("The wallpaper was saved as\n") + path +
                                 QStringLiteral("\nbut the desktop could not be set to show it."),
                             why);
    }
    if (told) return {};
    return {QStringLiteral("The wallpaper was saved as\n") + path +
                QStringLiteral("\nThis desktop could not be told to show it; choose that file "
                               "in the desktop's own background settings."),
            {},
            PromptIcon::Information};
}

} // namespace quiverel
