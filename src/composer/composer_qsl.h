#pragma once
// The composer's QSL card: the transmit picture it is stamped on, the name
// it is saved under and the saving itself.

#include "app/state.h"
#include "app/windows.h"

#include <QDateTime>
#include <QImage>
#include <QString>

namespace quiverel {

// The .jp2 the last hand-off wrote for the picture of that base name.
QString transmitJp2Path(const AppState& state, const QString& baseName);

// The picture as last prepared for transmission: that .jp2 decoded; null
// when there is none or it cannot be read. Another picture's .jp2 left in TX
// is never taken for it.
QImage transmitJp2Picture(const AppState& state, const QString& baseName);

// "<worked call> m-d-yy hhmmZ" in UTC: the card's name without extension.
QString qslCardName(const QString& workedCall, const QDateTime& utc);

// The composer's caption while it shows a card made on a picture of that size.
QString qslCaption(const std::array<QString, kTextEntries>& text, QSize picture,
                   qint64 transmitBytes);

struct QslSaveResult {
    bool saved = false;
    bool taken = false; // a file of that name is there (a card of the same minute): nothing written
    QString name;       // the card's file name with its ".jpg"
    QString folder;     // "<application folder>/Qsl/"
    QString error;      // why it was not saved
};

// Writes `card` as a JPEG into the Qsl folder of the application folder
// (made when missing), named after the call and the time. Characters a file
// name cannot hold become "_". A name already taken (in any letter case) is
// left alone.
QslSaveResult saveQslCard(const QImage& card, const QString& appFolder, const QString& workedCall,
                          const QDateTime& utc);

// The rename-or-replace dialog's hand-over for a card whose name was taken.
ClashRequest qslClashRequest(const QImage& card, const QslSaveResult& taken);

} // namespace quiverel
