#pragma once
// The composer's "Save pic": the composite in one of five picture formats,
// under a name the user chooses.

#include "app/context.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace quiverel {

// The types the save dialog offers, in order: BMP, GIF, JP2, JPG, PNG.
QStringList savePictureFilters();

// The type chosen first for a picture of that name (by its last three
// letters); -1 when it is none of the five.
int savePictureFilterFor(const QString& fileName);

// `path` as it is when it ends in one of the five extensions (any case),
// else with the extension of type `filter` added.
QString withSaveExtension(const QString& path, int filter);

// Asks for a name; a cancel does nothing. The composite is made, then saved
// so that only the final file appears. A name that is taken goes to the
// rename-or-replace dialog (mode 3), which owns the rest of the save. A
// name that only a folder has is refused with a message. A failed save is
// told with the path and the reason. The dialog starts in `pictureFolder`
// (the picture's own folder while that is empty), which becomes the folder saved into.
void SavePictureAs(Context& ctx, QWidget* owner, const CurrentPicture& cur, QString& pictureFolder,
                   const std::function<QImage()>& compose);

} // namespace quiverel
