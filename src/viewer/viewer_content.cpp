#include "viewer/viewer_content.h"

#include "catalogue/file_names.h"
#include "convert/converter_job.h"
#include "convert/gif_info.h"
#include "imaging/picture_file.h"
#include "process/background_work.h"
#include "util/numbers.h"
#include "viewer/viewer_caption.h"

#include <QFileInfo>

namespace quiverel {

namespace {

QImage convertedPicture(Converter& converter, const QString& source, const QString& appFolder) {
    const QString temp = appFolder + QStringLiteral("/Temp.bmp");
    if (!converter.convert(source, temp)) return QImage();
    return loadPictureInBackground(temp);
}

qint64 lengthOf(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

} // namespace

ViewerFile viewerFileOf(const ViewerRequest& current) {
    ViewerFile f;
    f.folder = current.folder;
    f.fileName = current.fileName;
    f.baseName = baseNameOf(current.fileName);
    f.extension = extensionOf(current.fileName);
    return f;
}

bool ViewerContent::displayable() const {
    if (animated) return gifSize.width() > 0 && gifSize.height() > 0;
    return shown.width() > 0 && shown.height() > 0;
}

QString transmitJp2Of(const TransmitState& transmit, const QString& baseName) {
    return transmit.txFolder + u'/' + transmit.namePrefix + baseName + QStringLiteral(".jp2");
}

ViewerContent loadViewerContent(Converter& converter, const AppState& state,
                                const QString& appFolder, const ViewerFile& file, bool compressed) {
    ViewerContent c;
    const QString path = file.path();
    GifInfoResult gif;
    if (file.extension == u".GIF") {
        gif = readGifInfo(path);
        c.animated = gif.imageCount > 1;
    }

    if (file.extension == u".JP2" || file.extension == u".PNG")
        c.picture = convertedPicture(converter, path, appFolder);
    else
        c.picture = loadPictureInBackground(path);

    const QString firstJp2 = state.transmit.txFolder + QStringLiteral("/*.jp2");
    c.shown = compressed ? convertedPicture(converter, firstJp2, appFolder) : c.picture;
    c.fileSizeText = thousands(lengthOf(path));

    if (c.animated) {
        c.gifSize = QSize(gif.width, gif.height);
        c.caption =
            animatedCaption(state.text, file.fileName, gif.width, gif.height, c.fileSizeText);
    } else if (compressed) {
        const qint64 estimateBytes = lengthOf(transmitJp2Of(state.transmit, file.baseName));
        const QString shownFile = resolveConverterSource(firstJp2);
        c.caption = compressedCaption(state.text, file.fileName, c.shown.width(), c.shown.height(),
                                      shownFile.isEmpty() ? 0 : lengthOf(shownFile),
                                      EstimateTxSeconds(estimateBytes));
    } else {
        c.caption = uncompressedCaption(state.text, file.fileName, c.shown.width(),
                                        c.shown.height(), c.fileSizeText);
    }
    return c;
}

} // namespace quiverel
