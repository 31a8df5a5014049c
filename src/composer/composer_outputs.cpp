#include "composer/composer_outputs.h"

#include "composer/form3.h"
#include "composer/info_report.h"
#include "composer/output_views.h"
#include "composer/print_composite.h"
#include "composer/save_picture_as.h"
#include "imaging/picture_file.h"
#include "util/numbers.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace quiverel {

namespace {

// The hourglass for as long as the object lives.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

ComposerOutputs::ComposerOutputs(Context& ctx, Form3& form)
    : QObject(&form), ctx_(ctx), form_(form) {
    const std::pair<QPushButton*, void (ComposerOutputs::*)()> buttons[] = {
        {form.cmdOrig, &ComposerOutputs::cmdOrig_Click},
        {form.cmdTx, &ComposerOutputs::cmdTx_Click},
        {form.cmdInfo, &ComposerOutputs::cmdInfo_Click},
        {form.cmdSavepic, &ComposerOutputs::cmdSavepic_Click},
        {form.cmdPrintQsl, &ComposerOutputs::cmdPrintQsl_Click},
    };
    for (const auto& [button, click] : buttons) {
        button->setEnabled(true);
        connect(button, &QPushButton::clicked, this, click);
    }
}

void ComposerOutputs::cmdOrig_Click() {
    form_.txtInfo->hide();
    const CurrentPicture& cur = form_.picture();
    form_.setFileSizeText(thousands(QFileInfo(cur.folder + cur.fileName).size()));
    ctx_.windows.showZoom(zoomCaption(ctx_.state.text[56], cur.width, cur.height, cur.fileSizeText,
                                      ctx_.state.text[9]),
                          cur.picture);
}

void ComposerOutputs::cmdTx_Click() {
    form_.txtInfo->hide();
    AppState& state = ctx_.state;
    // The click that opened the composer may still be handing its picture
    // over: carry this out once it is done. Waiting here would nest inside
    // its own waits.
    if (state.transmit.handOffRunning) {
        form_.cmdTx->setEnabled(false);
        form_.P_Bar->setRange(0, 0);
        QTimer::singleShot(50, this, &ComposerOutputs::cmdTx_Click);
        return;
    }
    form_.cmdTx->setEnabled(true);
    QImage shown;
    QString caption;
    {
        BusyCursor busy;
        if (!form_.handOver(ComposeFullSize(form_.composition()))) return;
        const QString& name = form_.picture().fileName;
        const QString jp2 = transmitJp2(state, name);
        QString error;
        shown = jp2.isEmpty() ? QImage() : loadPicture(jp2, {}, &error);
        if (shown.isNull()) {
            ctx_.prompts.message(&form_, QString(),
                                 jp2.isEmpty()
                                     ? QString(ownTransmitJp2(state, name) + state.text[93])
                                     : QString(jp2 + u'\n' + error),
                                 PromptIcon::Warning);
            return;
        }
        state.transmit.picture = shown;
        form_.setQslPictureSize(shown.size());
        const qint64 bytes = QFileInfo(jp2).size();
        form_.setFileSizeText(thousands(bytes));
        caption = compressedCaption(state.text, shown.width(), shown.height(), bytes,
                                    EstimateTxSeconds(bytes));
    }
    ctx_.windows.showZoom(caption, shown);
}

void ComposerOutputs::cmdInfo_Click() {
    const AppState& state = ctx_.state;
    const InfoFacts facts = infoFacts(state, form_.picture());
    form_.setFileSizeText(thousands(facts.bytes));
    QLabel* info = form_.txtInfo;
    info->setText(infoReport(state.text, facts));
    const QSizeF canvas = form_.canvasRect().size();
    form_.placeInfo(
        QRectF(std::max(0.0, canvas.width() - 350), std::max(0.0, canvas.height() - 95), 345, 90));
    info->show();
    info->raise();
}

void ComposerOutputs::cmdSavepic_Click() {
    form_.txtInfo->hide();
    QString folder = form_.pictureFolder();
    SavePictureAs(ctx_, &form_, form_.picture(), folder,
                  [this] { return ComposeFullSize(form_.composition()); });
    form_.setPictureFolder(folder);
}

void ComposerOutputs::cmdPrintQsl_Click() {
    form_.txtInfo->hide();
    const QRectF canvas = form_.canvasRect();
    PrintOnDefaultPrinter(ComposeFullSize(form_.composition()),
                          canvas.width() > 0 ? canvas.height() / canvas.width() : 1.0);
}

} // namespace quiverel
