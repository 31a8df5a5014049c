#include "composer/composer_qsl.h"

#include "catalogue/file_names.h"
#include "imaging/picture_file.h"
#include "renamereplace/clash_names.h"
#include "util/numbers.h"

#include <QDir>
#include <QFileInfo>

namespace quiverel {

QString transmitJp2Path(const AppState& state, const QString& baseName) {
    return state.transmit.txFolder + u'/' + state.transmit.namePrefix + baseName +
           QStringLiteral(".jp2");
}

QImage transmitJp2Picture(const AppState& state, const QString& baseName) {
    const QString path = transmitJp2Path(state, baseName);
    return QFileInfo(path).isFile() ? loadPicture(path) : QImage();
}

QString qslCardName(const QString& workedCall, const QDateTime& utc) {
    const QDateTime u = utc.toUTC();
    return workedCall + u' ' + u.date().toString(QStringLiteral("M-d-yy")) + u' ' +
           u.time().toString(QStringLiteral("hhmm")) + u'Z';
}

QString qslCaption(const std::array<QString, kTextEntries>& text, QSize picture,
                   qint64 transmitBytes) {
    return QStringLiteral("QSL  ") + QString::number(picture.width()) + QStringLiteral(" x ") +
           QString::number(picture.height()) + QStringLiteral("    ") +
           (transmitBytes > 0 ? thousands(transmitBytes) : QStringLiteral("0")) + u' ' + text[9];
}

QslSaveResult saveQslCard(const QImage& card, const QString& appFolder, const QString& workedCall,
                          const QDateTime& utc) {
    QslSaveResult r;
    r.folder = appFolder + QStringLiteral("/Qsl/");
    r.name = sanitisedName(qslCardName(workedCall, utc) + QStringLiteral(".jpg"));
    if (!QDir().mkpath(r.folder)) {
        r.error = QStringLiteral("The folder cannot be made.");
        return r;
    }
    // Two cards for one call in the same minute get the same name.
    r.taken = nameTakenIn(r.folder, r.name);
    if (r.taken) return r;
    r.saved = savePicture(card, r.folder + r.name, {}, &r.error);
    return r;
}

ClashRequest qslClashRequest(const QImage& card, const QslSaveResult& taken) {
    ClashRequest clash;
    clash.mode = 3;
    clash.fileName = taken.name;
    clash.targetFolder = taken.folder;
    clash.sourceFolder = taken.folder;
    clash.sourceSize = card.size();
    clash.sourcePicture = card;
    clash.targetPicture = loadPicture(taken.folder + taken.name);
    clash.chosenPath = taken.folder + taken.name;
    clash.pictureToSave = card;
    return clash;
}

} // namespace quiverel
