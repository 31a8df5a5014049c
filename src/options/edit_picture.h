#pragma once
// Editing the panel's picture in the converter's editor window, and a new
// thumbnail when the edit changed anything.

#include <QDateTime>
#include <QString>

namespace quiverel {

class Converter;

// Files of the folder whose last four characters, in capitals, are ".JPG",
// ".PNG", ".BMP", ".GIF" or ".JP2".
int countPictureFiles(const QString& folder);

struct EditSnapshot {
    QDateTime modified; // the picture's last change
    int pictures = 0;   // countPictureFiles of its folder
};

EditSnapshot snapshotOf(const QString& folder, const QString& fileName);

// The edit changed the picture, or saved one more picture into the folder
// than the catalogue holds.
bool editChangedFolder(const EditSnapshot& before, const EditSnapshot& after,
                       int catalogueLastIndex);

struct EditResult {
    bool started = false;
    bool changed = false; // a new thumbnail was made; the catalogue is to be read again
};

// Runs the editor on `folder`/`fileName` and waits for it. When the edit
// changed something, remakes the thumbnail and dates it `rowDateTime`.
EditResult editPicture(Converter& converter, const QString& folder, const QString& fileName,
                       const QString& rowDateTime, int catalogueLastIndex);

} // namespace quiverel
