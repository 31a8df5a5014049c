#include "ftp/status_picture.h"

#include "convert/converter.h"
#include "desktop/clock.h"
#include "imaging/picture_file.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace quiverel {

namespace {
int pixels(int units, double pixelsPerUnit) {
    return std::max(1, int(std::lround(units * pixelsPerUnit)));
}
} // namespace

QImage statusPicture(bool onAir, int heightUnits, double pixelsPerUnit, const QColor& background) {
    QImage picture(pixels(onAir ? 1 : 2, pixelsPerUnit), pixels(heightUnits, pixelsPerUnit),
                   QImage::Format_RGB32);
    picture.fill(background);
    return picture;
}

int statusPictureHeight(Clock& clock) {
    return clock.random(1, kStatusMaxHeight + 1);
}

QString writeStatusPicture(const QImage& picture, const QString& appFolder, Converter& converter,
                           QString* error) {
    const QString bmp = appFolder + QStringLiteral("/checknew.bmp");
    const QString jpg = appFolder + QStringLiteral("/checknew.jpg");
    QString why;
    if (!savePicture(picture, bmp, {}, &why)) {
        if (error) *error = bmp + u'\n' + why;
        return {};
    }
    QFile old(jpg);
    if (old.exists() && !old.remove()) {
        if (error) *error = jpg + u'\n' + old.errorString();
        return {};
    }
    if (!converter.convert(bmp, jpg) || !QFileInfo(jpg).isFile()) {
        if (error) {
            const QString reason = converter.lastError();
            *error = jpg + u'\n' + (reason.isEmpty() ? QStringLiteral("not made") : reason);
        }
        return {};
    }
    return jpg;
}

} // namespace quiverel
