#pragma once
// The transmit picture composer: the current picture on a canvas with a
// second picture, the mug shot, styled text and a frame laid over it.
// Closing it sends the full-resolution composite to the SSTV programs.

#include "app/context.h"
#include "app/windows.h"
#include "composer/compose_full_size.h"
#include "composer/frame_panel.h"

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QWidget>
#include <array>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quiverel {

class ComposerCanvas;
class SizeControls;
class UnitScale;

class Form3 : public QWidget {
    Q_OBJECT
public:
    // `opener` (the main window) gives the composer its top; it is not the parent.
    Form3(Context& ctx, const ComposerRequest& request, QWidget* opener = nullptr);
    ~Form3() override;

    // The composer on the request's picture, loaded and shown; nothing, after
    // a warning, for a picture without width or height.
    static Form3* open(Context& ctx, const ComposerRequest& request, QWidget* opener);

    enum LayerId { Mug = 0, Pic = 1, Txt = 2 };

    void Form_Load();
    void cmdPic_Click();
    void cmdMug_Click();
    void cmdText_Click();
    void cmdClrQsl_Click();
    void cmdFrame_Click();
    void cmdOkFrame_Click();
    void Option_Click();
    void Slider1_Scroll();
    void cmdColor_Click();
    void cmdClose_Click();
    void cmdQSL_Click();
    void cmdSaveQsl_Click();

    // Sends `composite` to the SSTV programs as the current picture, once a
    // hand-off still running has ended. False when nothing was handed over.
    bool handOver(const QImage& composite);
    // Places the hint box txtInfo, in composer units.
    void placeInfo(const QRectF& units);

    // What the canvas shows, as ComposeFullSize takes it.
    Composition composition() const;
    // The picture the composer works on, with the size of its file as last told.
    const CurrentPicture& picture() const { return cur_; }
    void setFileSizeText(const QString& text) { cur_.fileSizeText = text; }
    // The picture the QSL card is made on, as last prepared for transmission.
    void setQslPictureSize(QSize size) { qslPicture_ = size; }
    // What changed so far; handed over with `closed`.
    const ComposerResult& result() const { return result_; }
    // Where "Add Pic" and "Save pic" start; the folder last used.
    const QString& pictureFolder() const { return result_.pictureFolder; }
    void setPictureFolder(const QString& folder) { result_.pictureFolder = folder; }
    // A layer's place on the canvas, in canvas units; its picture.
    QRectF layerRect(LayerId id) const { return layers_[id].rect; }
    const QImage& layerPicture(LayerId id) const { return layers_[id].picture; }
    void setLayerRect(LayerId id, const QRectF& rect);
    QRectF canvasRect() const { return canvasRect_; }
    QLabel* layerWidget(LayerId id) const;

    ComposerCanvas* picQSL = nullptr;
    QLabel* picMug = nullptr;
    QLabel* picPic = nullptr;
    QLabel* picTxt = nullptr;
    QLabel* txtInfo = nullptr;
    QPushButton* cmdQSL = nullptr;
    QPushButton* cmdPic = nullptr;
    QPushButton* cmdMug = nullptr;
    QPushButton* cmdText = nullptr;
    QPushButton* cmdFrame = nullptr;
    QPushButton* cmdClrQsl = nullptr;
    QPushButton* cmdPrintQsl = nullptr;
    QPushButton* cmdSavepic = nullptr;
    QPushButton* cmdSaveQsl = nullptr;
    QPushButton* cmdOrig = nullptr;
    QPushButton* cmdTx = nullptr;
    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdClose = nullptr;
    QWidget* Shape1 = nullptr;
    SizeControls* sizeControls = nullptr; // the size and resolution sliders
    QLabel* lblJP2 = nullptr;             // between the sliders
    QProgressBar* P_Bar = nullptr;        // busy while a picture is prepared for transmission
    FramePanel frame;

Q_SIGNALS:
    // The composite was handed over and the composer is going away.
    void closed(const ComposerResult& result);
    // A slider moved: the sizes count at once, the main window's lblSize included.
    void sizesChanged(const SizeResult& sizes);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Layer {
        QImage picture;
        QImage shown; // at most twice the canvas's size: what the layer is scaled from
        QRectF rect;  // canvas units
    };
    void createControls();
    void placeButtons();
    void placeLayer(LayerId id);
    void addPictureLayer(LayerId id, const QImage& picture);
    void showLayerHint(LayerId id, const QString& text, bool show);
    void refreshFramePreview();
    // A frame setting changed: the transmit files are made from the composite.
    void frameEdited();
    bool layerMouseEvent(LayerId id, QEvent* event);
    void warnUnreadable(const QString& path, const QString& reason);
    void Form_Unload();
    void pause(int ms);

    Context& ctx_;
    QWidget* opener_;
    CurrentPicture cur_;
    ComposerResult result_;
    TextEffectSettings text_; // the text layer's, as the text effects dialog returned them
    QFont textFont_;
    int qslCardState_ = 0; // 0 no card, 1 being stamped, 2 shown
    QSize qslPicture_;     // the picture the card is made on, in pixels
    QString workedCall_;
    UnitScale* units_ = nullptr;
    QRectF canvasRect_;
    std::array<Layer, 3> layers_;
    QImage qslCard_;          // the card at full size: the composite's base while one is shown
    QPointF grab_;            // canvas units, inside the layer being dragged
    double layerRatio_ = 1.0; // height / width at the last press on a layer
    bool busyCursor_ = false;
    bool unloading_ = false;
    bool unloaded_ = false;
};

} // namespace quiverel
