#pragma once
// The panel's picture as the desktop's wallpaper: Wallpaper.bmp in the
// application folder, fitted to the screen, handed to the desktop's own
// setting where the desktop is one the program knows.

#include "options/file_action_report.h"
#include "process/program_run.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

namespace quiverel {

struct ProgramCall {
    QString program;
    QStringList arguments;

    bool operator==(const ProgramCall&) const = default;
};

// The commands that make `file` the wallpaper of the desktop named by
// `currentDesktop` (as XDG_CURRENT_DESKTOP names it: "GNOME", "ubuntu:GNOME",
// "X-Cinnamon", "MATE", "XFCE", "KDE"); none for a desktop not known.
QList<ProgramCall> wallpaperCommands(const QString& currentDesktop, const QString& file);

// The picture fitted into the screen size, saved as a bitmap at `path`.
bool saveWallpaper(const QImage& picture, QSize screen, const QString& path,
                   QString* error = nullptr);

// Starts a program with its arguments and waits for it: how it ended.
using ProgramRunner = std::function<ProgramExit(const ProgramCall&)>;
// The runner of the program: the process layer, no shell.
ProgramRunner startAndWait();

// Saves the wallpaper file and sets it. The report says where the file is
// when the desktop could not be told, why when the file was not made, and
// what the desktop's tool said when it failed (ended with a code other than 0).
FileActionReport setWallpaper(const QImage& picture, QSize screen, const QString& appFolder,
                              const QString& currentDesktop, const ProgramRunner& run);

} // namespace quiverel
