#include "composer/composer_geometry.h"

#include "catalogue/file_names.h"

#include <algorithm>

namespace quiverel {

QRectF fitCanvas(QSize picture) {
    if (picture.width() <= 0 || picture.height() <= 0) return {};
    const double ratio = double(picture.height()) / picture.width();
    const double divisor = 0.75 > ratio ? picture.width() / 530.0 : picture.height() / 398.0;
    const double w = picture.width() / divisor, h = picture.height() / divisor;
    return {285 - w / 2, 215 - h / 2, w, h};
}

QSizeF fitLayer(QSize picture) {
    if (picture.width() <= 0 || picture.height() <= 0) return {};
    const double ratio = double(picture.height()) / picture.width();
    const double k = 0.75 > ratio ? picture.width() / 112.0 : picture.height() / 84.0;
    return {picture.width() / k, picture.height() / k};
}

std::optional<QSizeF> resizeLayer(QPointF pointer, double ratio) {
    if (pointer.x() < 0 || pointer.y() < 0 || !(ratio > 0)) return std::nullopt;
    double w = std::max(pointer.x(), kMinLayerSide);
    double h = std::max(pointer.y(), kMinLayerSide);
    if (h / w > ratio)
        h = w * ratio;
    else
        w = h / ratio;
    // A thin layer keeps its ratio and stays big enough to grab.
    const double grow = std::max({1.0, kMinLayerSide / w, kMinLayerSide / h});
    return QSizeF(w * grow, h * grow);
}

QPointF textLayerPlace(QSizeF canvas, QSizeF text) {
    constexpr double kTop = 100;
    if (canvas.height() > kTop) return {0, kTop};
    return {0, std::max(0.0, canvas.height() - text.height())};
}

QRectF textHintPlace(double textTop) {
    return {10, std::max(0.0, textTop - 45), 330, 45};
}

QString composerCaption(const CurrentPicture& cur, const std::array<QString, kTextEntries>& text) {
    return QString::number(cur.width) + QStringLiteral(" x ") + QString::number(cur.height) +
           QStringLiteral("    ") + cur.fileSizeText + u' ' + text[9];
}

QString layerHint(const AppState& state) {
    return QStringLiteral("  ") + state.text[65] + QStringLiteral("\n  ") + state.text[66] +
           QStringLiteral("\n  ") + state.text[67];
}

CurrentPicture composerPicture(const PictureRef& p) {
    CurrentPicture c;
    c.folder = p.folder;
    c.fileName = p.fileName;
    c.baseName = baseNameOf(p.fileName);
    c.extension = extensionOf(p.fileName);
    c.picture = p.picture;
    c.width = p.size.width();
    c.height = p.size.height();
    return c;
}

bool composerCanOpen(const CurrentPicture& current) {
    return current.width > 0 && current.height > 0 && !current.picture.isNull();
}

} // namespace quiverel
