#include "tools/setup_mug_shot.h"

#include "util/regular_file.h"
#include "util/text_file.h"

#include <QFileInfo>

namespace quiverel {

namespace {
constexpr double kBoxWidth = 1500;
constexpr double kBoxHeight = 1200;
constexpr double kCentreX = 5850;
constexpr double kCentreY = 2450;
constexpr qint64 kMugLimit = 256LL * 1024 * 1024;
} // namespace

QRectF mugPreviewTwips(QSizeF natural) {
    if (natural.width() <= 0 || natural.height() <= 0) return {};
    const double divisor = natural.height() / natural.width() < 0.75
                               ? natural.width() / kBoxWidth
                               : natural.height() / kBoxHeight;
    const double w = natural.width() / divisor;
    const double h = natural.height() / divisor;
    return {kCentreX - w / 2, kCentreY - h / 2, w, h};
}

QString mugShotPath(const QString& appFolder) {
    return appFolder + QStringLiteral("/Mug.jpg");
}

std::optional<QByteArray> mugShotBytes(const QString& appFolder) {
    return readRegularFile(mugShotPath(appFolder), kMugLimit, BeyondLimit::Refuse);
}

QString folderOfFile(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

std::optional<QString> copyMugShot(const QString& chosen, const QString& appFolder) {
    QString error;
    const auto bytes = readRegularFile(chosen, kMugLimit, BeyondLimit::Refuse, &error);
    if (!bytes) return error.isEmpty() ? QStringLiteral("The file cannot be read.") : error;
    if (!writeFileAtomic(mugShotPath(appFolder), *bytes))
        return QStringLiteral("Mug.jpg cannot be written in ") + appFolder;
    return std::nullopt;
}

} // namespace quiverel
