#include "viewer/viewer_caption.h"

#include "util/numbers.h"

namespace quiverel {

namespace {

QString sizeWords(const TextTable& text, int width, int height) {
    return QString::number(width) + QStringLiteral(" x ") + QString::number(height) + u' ' +
           text[8];
}

} // namespace

QString uncompressedCaption(const TextTable& text, const QString& fileName, int width, int height,
                            const QString& fileSizeText) {
    return text[56] + QStringLiteral("    ") + fileName + QStringLiteral("   ") +
           sizeWords(text, width, height) + QStringLiteral("   ") + fileSizeText + u' ' + text[9];
}

QString compressedCaption(const TextTable& text, const QString& fileName, int width, int height,
                          qint64 shownBytes, qint64 seconds) {
    return text[57] + QStringLiteral("   ") + fileName + QStringLiteral("   ") +
           sizeWords(text, width, height) + QStringLiteral("   ") + thousands(shownBytes) + u' ' +
           text[9] + QStringLiteral("   ") + QString::number(seconds) + QStringLiteral(" seconds");
}

QString animatedCaption(const TextTable& text, const QString& fileName, int width, int height,
                        const QString& fileSizeText) {
    return fileName + QStringLiteral("   ") + sizeWords(text, width, height) +
           QStringLiteral("   ") + fileSizeText + u' ' + text[9];
}

} // namespace quiverel
