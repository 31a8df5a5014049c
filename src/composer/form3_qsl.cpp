// The composer's "QSL" and "Save QSL" buttons.

#include "composer/composer_canvas.h"
#include "composer/composer_qsl.h"
#include "composer/form3.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace quiverel {

void Form3::cmdQSL_Click() {
    // The card is made on the picture as last prepared for transmission. A
    // hand-off still writing it is let finish first: waiting for it here
    // would nest inside its own waits and never end.
    if (ctx_.state.transmit.handOffRunning) {
        cmdQSL->setEnabled(false);
        QTimer::singleShot(50, this, &Form3::cmdQSL_Click);
        return;
    }
    cmdQSL->setEnabled(true);
    cmdClrQsl_Click();
    AppState& state = ctx_.state;
    state.transmit.composerEdited = true;
    QImage base = transmitJp2Picture(state, cur_.baseName);
    if (base.isNull()) base = cur_.picture;
    state.transmit.picture = base;
    qslPicture_ = base.size();
    if (state.settings.callSign.isEmpty())
        ctx_.prompts.message(this, QString(), state.text[81] + u'\n' + state.text[82]);
    txtInfo->hide();
    qslCardState_ = 1;
    const auto stamped =
        ctx_.windows.showQslDialog(this, QslRequest{base, canvasRect_.size(), picQSL->size()});
    if (!stamped) {
        // No card was stamped: the canvas is the cleared picture.
        qslCardState_ = 0;
        return;
    }
    qslCard_ = stamped->card;
    picQSL->setPicture(stamped->canvasCard);
    qslCardState_ = 2;
    workedCall_ = stamped->workedCall;
    cmdSaveQsl->setEnabled(!stamped->workedCall.isEmpty());
    const QFileInfo jp2(transmitJp2Path(state, cur_.baseName));
    setWindowTitle(qslCaption(state.text, qslPicture_, jp2.isFile() ? jp2.size() : 0));
}

void Form3::cmdSaveQsl_Click() {
    txtInfo->hide();
    const AppState& state = ctx_.state;
    const QImage card = picQSL->picture();
    const QslSaveResult r = saveQslCard(card, ctx_.appFolder, workedCall_, ctx_.clock.utcNow());
    if (r.taken) {
        // The dialog asks whether to replace the earlier card or name this one anew.
        ctx_.windows.showRenameReplace(qslClashRequest(card, r));
        return;
    }
    if (r.saved) {
        ctx_.prompts.message(this, state.text[83],
                             r.name.chopped(4) + u'\n' + state.text[71] + u'\n' + r.folder);
        return;
    }
    ctx_.prompts.message(this, QStringLiteral("Brisendale"),
                         QStringLiteral("The QSL card was not saved.\n") + r.folder + r.name +
                             u'\n' + r.error,
                         PromptIcon::Warning);
}

} // namespace quiverel
