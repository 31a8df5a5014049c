#include "composer/output_views.h"

#include "catalogue/file_names.h"
#include "util/numbers.h"

#include <QDir>
#include <QFileInfo>

namespace quiverel {

QString zoomCaption(const QString& view, int width, int height, const QString& sizeText,
                    const QString& bytesWord) {
    return view + QStringLiteral("   ") + QString::number(width) + QStringLiteral(" x ") +
           QString::number(height) + QStringLiteral("    ") + sizeText + u' ' + bytesWord;
}

QString compressedCaption(const std::array<QString, kTextEntries>& text, int width, int height,
                          qint64 bytes, qint64 seconds) {
    return zoomCaption(text[57], width, height, thousands(bytes), text[9]) +
           QStringLiteral("    ") + QString::number(seconds) + u' ' + text[72];
}

QString ownTransmitJp2(const AppState& state, const QString& fileName) {
    return state.transmit.txFolder + u'/' + state.transmit.namePrefix + baseNameOf(fileName) +
           QStringLiteral(".jp2");
}

QString transmitJp2(const AppState& state, const QString& fileName) {
    const QString tx = state.transmit.txFolder + u'/';
    const QString own = ownTransmitJp2(state, fileName);
    if (QFileInfo(own).isFile()) return own;
    const QStringList others = QDir(tx).entryList(
        {QStringLiteral("*.jp2"), QStringLiteral("*.JP2")}, QDir::Files, QDir::Name);
    return others.isEmpty() ? QString() : tx + others.first();
}

} // namespace quiverel
