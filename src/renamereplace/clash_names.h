#pragma once
// Names and texts of the rename-or-replace dialog: the free name it
// proposes, the name a typed text becomes, the folder labels.

#include <QString>

namespace quiverel {

// Whether `folder` holds a file called `name`, letters compared in any case.
bool nameTakenIn(const QString& folder, const QString& name);

// "<base>_<n><extension>" for the first n = 1, 2, ... not taken in `folder`,
// the extension being the last four characters of `fileName`.
QString proposedFreeName(const QString& folder, const QString& fileName);

// The typed base, cut before its first ".", with the extension (last four
// characters) of the name that was taken. Characters a file name may not
// hold become "_", as the folder scan would make them.
QString renamedName(const QString& typed, const QString& clashFileName);

// A folder text longer than 20 characters split into two lines at the last
// "/" within its first 20 characters (the "/" ending the first line).
QString folderLabelText(const QString& folder);

} // namespace quiverel
