#include "composer/info_report.h"

#include "convert/gif_info.h"
#include "util/numbers.h"

#include <QFileInfo>

namespace quiverel {

namespace {

InfoFacts factsOf(const QString& folder, const QString& name, int width, int height) {
    const QFileInfo file(folder + name);
    return {name, folder, width, height, file.size(), file.lastModified()};
}

} // namespace

InfoFacts infoFacts(const AppState& state, const CurrentPicture& cur) {
    if (cur.fileName.right(3).compare(QStringLiteral("gif"), Qt::CaseInsensitive) != 0)
        return factsOf(cur.folder, cur.fileName, cur.width, cur.height);
    const QString txFolder = state.transmit.txFolder + u'/';
    const QString txName = state.transmit.namePrefix + cur.fileName;
    const bool inTx = QFileInfo::exists(txFolder + txName);
    const QString folder = inTx ? txFolder : cur.folder;
    const QString name = inTx ? txName : cur.fileName;
    const GifInfoResult gif = readGifInfo(folder + name);
    return factsOf(folder, name, gif.width, gif.height);
}

QString infoReport(const std::array<QString, kTextEntries>& text, const InfoFacts& f,
                   const QLocale& locale) {
    const QString eq = QStringLiteral(" = ");
    const QStringList lines = {
        text[73] + eq + f.name.left(25),
        text[76] + eq + f.folder,
        text[77] + eq + QString::number(f.width) + QStringLiteral(" x ") +
            QString::number(f.height) + u' ' + text[8],
        text[74] + eq + thousands(f.bytes) + u' ' + text[9],
        text[75] + eq +
            (f.modified.isValid() ? locale.toString(f.modified, QLocale::ShortFormat) : QString()),
    };
    return QStringLiteral("  ") + lines.join(QStringLiteral("\n  "));
}

} // namespace quiverel
