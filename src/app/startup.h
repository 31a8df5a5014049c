#pragma once
// The file work of start-up and shutdown, apart from the main window.

#include "app/sstv_folders.h"
#include "app/state.h"
#include "desktop/prompts.h"

#include <QPoint>
#include <QSize>
#include <optional>

namespace quiverel {

// Buttons.ini replaces Folders.ini; an iview32.exe becomes i__view32.exe.
void migrateOldFiles(const QString& appFolder);

// A new user's folder list, when there is no Folders.ini: the shipped
// samples (when the application folder has them), then the SSTV programs'
// receive folders found in `places`. Nothing is written when there is
// nothing to list; an existing Folders.ini is never touched.
void layOutFirstFolderList(const AppState& state, const SstvPlaces& places);

// Reads Folders.ini, Setup.ini, Language.ini and i_view32.ini into the state
// and applies the defaults, clamps and derived values. Settings absent from a
// short file keep the values they had (a restart keeps the rest). Creates the
// TX folder and clears out what a killed run left (removeLeftovers).
// `screen` is the screen size in pixels.
void loadSettings(AppState& state, QSize screen);

// Removes the temporaries of unfinished writes and hand-offs in TX, the
// application folder and its ini folder, and the scratch files "Temp.bmp"
// and "QSL.bmp". Nothing while a hand-off runs (a restart during one).
void removeLeftovers(const AppState& state);

// The folder shown first: the last folder-list row whose path is the start-up
// folder, else row 0. Sets the start-up folder to row 0's path when empty.
void chooseStartupFolder(AppState& state);

// The WinDRM folder in use: the setting, or the application folder when it is
// empty, "NONE" in any case, or not an existing folder.
QString winDrmFolderInUse(const QString& setting, const QString& appFolder);

// Writes i_view32.ini, Setup.ini (window position in twips, nothing when
// minimised: the position read at start-up is kept) and Folders.ini (only
// when the folder list is not empty), and deletes the scratch files. The
// paths of the files that could not be written.
QStringList saveOnShutdown(AppState& state, std::optional<QPoint> windowTwips);

// Tells of the settings files shutdown could not write: always on stderr,
// and in a message box over `owner` when one is given, that is when the user
// closed the window and is there to read it. A quit signal or the end of the
// session must not wait on a box.
void reportUnsaved(const QStringList& paths, Prompts& prompts, QWidget* owner);

// The GUI scale: screen height in pixels / GUI size value; on a screen
// narrower than 4:3 (a portrait one), its width / (GUI size value x 4/3),
// so the window keeps within the width as it does within the height.
double guiScaleFor(QSize screen, int guiSize);

} // namespace quiverel
