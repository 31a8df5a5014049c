#pragma once
// Where the application folder is: beside the executable for a build tree or
// a folder of its own, under the user's data folder for an installed program.

#include <QString>
#include <QStringList>

namespace quiverel {

struct ApplicationFolder {
    QString folder;     // settings, Language.ini, Help.txt, the samples; no trailing "/"
    QString layoutFrom; // the shipped files to lay out in `folder`; empty for none
};

// The installed data of an executable in <prefix>/bin: <prefix>/share/quiverel.
QString installedDataFolder(const QString& executableFolder);

// An installed program (its data folder exists) and one whose folder cannot
// be written keep their files in dataHome + "/Quiverel", laid out from the
// installed data or from the executable's folder. Anything else, such as a
// build tree, keeps using the executable's folder, as does a missing dataHome.
ApplicationFolder chooseApplicationFolder(const QString& executableFolder,
                                          bool executableFolderWritable, bool hasInstalledData,
                                          const QString& dataHome);

// chooseApplicationFolder with the facts of this machine: $XDG_DATA_HOME or
// ~/.local/share as the data home.
ApplicationFolder findApplicationFolder(const QString& executableFolder);

// Copies what the program ships from `from` into `folder`, never replacing
// anything there: Language.ini, Help.txt and its pictures whenever they are
// missing; the samples only while `folder` has no folder list yet (a first
// start, whose folder list start-up writes), so samples the user removed
// stay removed.
// Files keep their modification times. Returns the paths that could not be
// made; empty when all is well.
QStringList layOutApplicationFolder(const QString& from, const QString& folder);

} // namespace quiverel
