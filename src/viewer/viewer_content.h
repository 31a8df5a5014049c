#pragma once
// What the viewer shows for a picture: the steps of ShowPicture up to the
// title line, without a window.

#include "app/state.h"
#include "app/windows.h"
#include "convert/converter.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace quiverel {

// The picture the viewer was opened on.
struct ViewerFile {
    QString folder; // ends in "/"
    QString fileName;
    QString baseName;  // the name less its last four characters
    QString extension; // the last four characters in capitals
    QString path() const { return folder + fileName; }
};
ViewerFile viewerFileOf(const ViewerRequest& request);

struct ViewerContent {
    bool animated = false; // a GIF of more than one image
    QSize gifSize;         // its header's size, for an animated GIF
    QImage picture;        // the picture loaded from the file
    QImage shown;          // what imgInner carries: the picture or the transmit version
    QString fileSizeText;  // the file's length, "####,###"
    QString caption;       // the title line
    // Zero width or height: "Can't display this image".
    bool displayable() const;
};

// Loads the picture (JPEG 2000 and PNG through the converter to Temp.bmp in
// `appFolder`), and in compressed mode the first .jp2 of the TX folder the
// same way, then builds the title line. A conversion that fails gives an
// empty picture, never the Temp.bmp of an earlier one.
ViewerContent loadViewerContent(Converter& converter, const AppState& state,
                                const QString& appFolder, const ViewerFile& file, bool compressed);

// The transmit file whose length the estimate is made from:
// <TX folder>/<TX name prefix><base name>.jp2.
QString transmitJp2Of(const TransmitState& transmit, const QString& baseName);

} // namespace quiverel
