#include "composer/form3.h"

#include "app/unit_scale.h"
#include "catalogue/file_names.h"
#include "composer/composer_canvas.h"
#include "composer/composer_geometry.h"
#include "composer/composer_outputs.h"
#include "composer/frame_preview.h"
#include "composer/size_controls.h"
#include "imaging/picture_file.h"
#include "mainwindow/transmit.h"
#include "texteffects/text_colours.h"
#include "texteffects/text_dialog_state.h"
#include "texteffects/window_region.h"
#include "util/numbers.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace quiverel {

namespace {

struct ButtonPlace {
    QPushButton* Form3::*button;
    const char* name;
    QRectF place;
    int entry; // 0: the stored caption stays
    const char* caption;
};

const ButtonPlace kButtons[] = {
    {&Form3::cmdQSL, "cmdQSL", {565, 34, 150, 31}, 51, "QSL"},
    {&Form3::cmdPic, "cmdPic", {565, 70, 150, 31}, 48, "Add Pic"},
    {&Form3::cmdMug, "cmdMug", {565, 106, 150, 31}, 49, "Add Mug"},
    {&Form3::cmdText, "cmdText", {565, 142, 150, 31}, 50, "Add Text"},
    {&Form3::cmdFrame, "cmdFrame", {565, 178, 150, 31}, 0, "Add Frame"},
    {&Form3::cmdClrQsl, "cmdClrQsl", {565, 214, 150, 31}, 52, "Clear pic"},
    {&Form3::cmdPrintQsl, "cmdPrintQsl", {565, 251, 150, 31}, 53, "Print pic"},
    {&Form3::cmdSavepic, "cmdSavepic", {565, 287, 150, 31}, 54, "Save pic"},
    {&Form3::cmdSaveQsl, "cmdSaveQsl", {565, 323, 150, 31}, 55, "Save QSL"},
    {&Form3::cmdOrig, "cmdOrig", {350, 440, 80, 31}, 56, "Original"},
    {&Form3::cmdTx, "cmdTx", {435, 440, 100, 31}, 57, "Compressed"},
    {&Form3::cmdInfo, "cmdInfo", {540, 440, 70, 31}, 58, "Info"},
    {&Form3::cmdClose, "cmdClose", {632, 440, 80, 31}, 14, "Close"},
};

const QString kBrisendale = QStringLiteral("Brisendale");

} // namespace

Form3::Form3(Context& ctx, const ComposerRequest& request, QWidget* opener)
    : QWidget(nullptr, Qt::Window), ctx_(ctx), opener_(opener),
      cur_(composerPicture(request.picture)), result_{request.frames, request.pictureFolder,
                                                      request.layerHintPending,
                                                      request.textHintPending} {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    units_ = new UnitScale(this, kComposerUnits);
    createControls();
}

Form3::~Form3() = default;

Form3* Form3::open(Context& ctx, const ComposerRequest& request, QWidget* opener) {
    if (!composerCanOpen(composerPicture(request.picture))) {
        ctx.prompts.message(opener, kBrisendale, QStringLiteral("Can't display this image"),
                            PromptIcon::Warning);
        return nullptr;
    }
    auto* composer = new Form3(ctx, request, opener);
    composer->Form_Load();
    return composer;
}

void Form3::createControls() {
    Shape1 = new QWidget(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setStyleSheet(QStringLiteral("#Shape1 { border: 1px solid palette(dark); "
                                         "border-top-color: white; border-left-color: white; }"));
    picQSL = new ComposerCanvas(this);
    picMug = new QLabel(picQSL);
    picPic = new QLabel(picQSL);
    picTxt = new QLabel(picQSL);
    const char* names[] = {"picMug", "picPic", "picTxt"};
    for (int id = Mug; id <= Txt; ++id) {
        QLabel* l = layerWidget(LayerId(id));
        l->setObjectName(QString::fromLatin1(names[id]));
        l->setAccessibleName(QStringList{"Mug shot", "Added picture", "Text"}.value(id));
        l->setScaledContents(true);
        l->installEventFilter(this);
        l->hide();
    }
    txtInfo = new QLabel(this);
    txtInfo->setObjectName(QStringLiteral("txtInfo"));
    txtInfo->setFrameShape(QFrame::Box);
    txtInfo->setAutoFillBackground(true);
    txtInfo->setBackgroundRole(QPalette::Base);
    txtInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtInfo->installEventFilter(this);
    txtInfo->hide();

    for (const ButtonPlace& b : kButtons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        this->*(b.button) = button;
    }
    // The QSL card comes with its own window.
    for (QPushButton* b : {cmdQSL, cmdSaveQsl})
        b->setEnabled(false);
    new ComposerOutputs(ctx_, *this);
    connect(cmdPic, &QPushButton::clicked, this, &Form3::cmdPic_Click);
    connect(cmdMug, &QPushButton::clicked, this, &Form3::cmdMug_Click);
    connect(cmdText, &QPushButton::clicked, this, &Form3::cmdText_Click);
    connect(cmdFrame, &QPushButton::clicked, this, &Form3::cmdFrame_Click);
    connect(cmdClrQsl, &QPushButton::clicked, this, &Form3::cmdClrQsl_Click);
    connect(cmdClose, &QPushButton::clicked, this, &Form3::cmdClose_Click);
    cmdQSL->setEnabled(true);
    connect(cmdQSL, &QPushButton::clicked, this, &Form3::cmdQSL_Click);
    connect(cmdSaveQsl, &QPushButton::clicked, this, &Form3::cmdSaveQsl_Click);

    sizeControls = new SizeControls(ctx_, SizeControlsPlaces::composer(), this);
    sizeControls->setObjectName(QStringLiteral("sizeControls"));
    sizeControls->placeIn(*units_);
    connect(sizeControls, &SizeControls::sizesChanged, this, &Form3::sizesChanged);
    lblJP2 = new QLabel(QStringLiteral("jp2"), this);
    lblJP2->setObjectName(QStringLiteral("lblJP2"));
    lblJP2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    units_->place(lblJP2, QRectF(149, 428, 61, 50));
    P_Bar = new QProgressBar(this);
    P_Bar->setObjectName(QStringLiteral("P_Bar"));
    P_Bar->setAccessibleName(QStringLiteral("Progress"));
    P_Bar->setTextVisible(false);
    P_Bar->setRange(0, 1);
    P_Bar->setValue(0);
    units_->place(P_Bar, QRectF(565, 370, 140, 15));

    frame = makeFramePanel(this, *units_);
    connect(frame.Option1, &QRadioButton::clicked, this, &Form3::Option_Click);
    connect(frame.Option2, &QRadioButton::clicked, this, &Form3::Option_Click);
    connect(frame.Slider1, &QSlider::valueChanged, this, &Form3::Slider1_Scroll);
    connect(frame.cmdColor, &QPushButton::clicked, this, &Form3::cmdColor_Click);
    connect(frame.cmdOkFrame, &QPushButton::clicked, this, &Form3::cmdOkFrame_Click);
}

QLabel* Form3::layerWidget(LayerId id) const {
    switch (id) {
    case Mug:
        return picMug;
    case Pic:
        return picPic;
    case Txt:
        return picTxt;
    }
    return nullptr;
}

void Form3::Form_Load() {
    sizeControls->load(sizesOf(ctx_.state.settings));
    AppState& state = ctx_.state;
    busyCursor_ = qslCardState_ == 0;
    if (busyCursor_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    qslCardState_ = 0;
    qslCard_ = QImage();
    cmdSaveQsl->setEnabled(false);
    FrameSettings& f = result_.frames;
    if (f.width < 1) f.width = 1;
    state.transmit.composerEdited = false;
    text_.effectText.clear();
    f.colour = 2596568;
    f.solid = false;
    frame.Frame1->hide();
    txtInfo->hide();

    const double g = state.settings.guiScale > 0 ? state.settings.guiScale : 1.0;
    const QSize client(int(std::lround(kComposerUnits.width() * g)),
                       int(std::lround(kComposerUnits.height() * g)));
    setFixedSize(client);
    const QSize screen = ctx_.desktop.screenSize();
    move((screen.width() - client.width()) / 2, opener_ ? opener_->y() : 0);
    placeButtons();
    for (int id = Mug; id <= Txt; ++id)
        layerWidget(LayerId(id))->hide();

    CurrentPicture& cur = cur_;
    cur.extension = extensionOf(cur.fileName);
    cur.fileSizeText = thousands(QFileInfo(cur.folder + cur.fileName).size());
    setWindowTitle(composerCaption(cur, state.text));
    if (cur.width > 0) cur.aspectRatio = double(cur.height) / cur.width;
    canvasRect_ = fitCanvas(QSize(cur.width, cur.height));
    picQSL->setPicture(cur.picture);
    picQSL->setUnits(canvasRect_.size());
    units_->place(picQSL, canvasRect_);
    units_->place(Shape1, QRectF(8, 6, 550, 418));
    Shape1->lower();

    // A frame still in force from an earlier opening shows as it will be drawn.
    frame.Slider1->blockSignals(true);
    frame.Slider1->setValue(f.width);
    frame.Slider1->blockSignals(false);
    refreshFramePreview();
    // That frame is in the composite, so the transmit files must show it too.
    if (f.width >= 2) state.transmit.composerEdited = true;
    show();
    if (std::exchange(busyCursor_, false)) QGuiApplication::restoreOverrideCursor();
}

void Form3::placeButtons() {
    for (const ButtonPlace& b : kButtons) {
        QPushButton* button = this->*(b.button);
        if (b.entry > 0 && !ctx_.state.text[size_t(b.entry)].isEmpty())
            button->setText(ctx_.state.text[size_t(b.entry)]);
        units_->place(button, b.place);
        units_->setFontPoints(button, 9);
    }
    const QString& jp2 = ctx_.state.text[59];
    lblJP2->setText(jp2.isEmpty() ? QStringLiteral("jp2") : jp2);
    units_->setFontPoints(lblJP2, 9);
    units_->setFontPoints(txtInfo, 9);
    units_->setFontPoints(frame.Frame1, 9);
}

void Form3::setLayerRect(LayerId id, const QRectF& rect) {
    layers_[id].rect = rect;
    placeLayer(id);
}

void Form3::placeLayer(LayerId id) {
    const QRectF& r = layers_[id].rect;
    const double fx = picQSL->factorX(), fy = picQSL->factorY();
    QLabel* w = layerWidget(id);
    const QPoint at(int(std::lround(r.left() * fx)), int(std::lround(r.top() * fy)));
    if (id == Txt) {
        // The text shows pixel for pixel, its mask fitting it.
        w->move(at);
        return;
    }
    const QSize size(std::max(int(std::lround(r.width() * fx)), 1),
                     std::max(int(std::lround(r.height() * fy)), 1));
    // Scaled smoothly once per size; a drag only moves it.
    if (w->pixmap().size() != size)
        w->setPixmap(QPixmap::fromImage(
            layers_[id].shown.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    w->setGeometry(QRect(at, size));
}

void Form3::addPictureLayer(LayerId id, const QImage& picture) {
    ctx_.state.transmit.composerEdited = true;
    Layer& layer = layers_[id];
    layer.picture = picture;
    const QSize most = (picQSL->size() * 2).expandedTo(QSize(224, 168));
    layer.shown = picture.width() > most.width() || picture.height() > most.height()
                      ? picture.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                      : picture;
    layerRatio_ = double(picture.height()) / picture.width();
    layer.rect = QRectF(QPointF(0, 0), fitLayer(picture.size()));
    QLabel* w = layerWidget(id);
    w->setPixmap(QPixmap());
    placeLayer(id);
    w->show();
    bool& pending = result_.layerHintPending;
    showLayerHint(id, layerHint(ctx_.state), pending);
    pending = false;
    w->raise();
}

void Form3::showLayerHint(LayerId id, const QString& text, bool show) {
    txtInfo->setText(text);
    const QRectF r = layers_[id].rect;
    // Beside the layer, but inside the window.
    const double x = std::min(canvasRect_.left() + r.right() + 6, kComposerUnits.width() - 275);
    const double y = std::clamp(canvasRect_.top() + r.top(), 0.0, kComposerUnits.height() - 55);
    units_->place(txtInfo, QRectF(x, y, 270, 52));
    txtInfo->setVisible(show);
    txtInfo->raise();
}

void Form3::warnUnreadable(const QString& path, const QString& reason) {
    ctx_.prompts.message(
        this, kBrisendale,
        path + u'\n' + (reason.isEmpty() ? QStringLiteral("The picture cannot be read.") : reason),
        PromptIcon::Warning);
}

void Form3::cmdPic_Click() {
    AppState& state = ctx_.state;
    const QString path = ctx_.prompts.openFile(
        this, state.text[95], result_.pictureFolder,
        QStringLiteral("Pictures (*.png *.jp2 *.jpg *.bmp *.gif *.PNG *.JP2 *.JPG *.BMP *.GIF)"));
    if (path.isEmpty()) return;
    result_.pictureFolder = QFileInfo(path).absolutePath() + u'/';
    static const QStringList kTypes = {QStringLiteral("PNG"), QStringLiteral("JP2"),
                                       QStringLiteral("JPG"), QStringLiteral("BMP"),
                                       QStringLiteral("GIF")};
    if (!kTypes.contains(path.right(3).toUpper())) return;
    QString error;
    const QImage picture = loadPicture(path, {}, &error);
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        warnUnreadable(path, error);
        return;
    }
    addPictureLayer(Pic, picture);
}

void Form3::cmdMug_Click() {
    AppState& state = ctx_.state;
    state.transmit.composerEdited = true;
    const QString path = ctx_.appFolder + QStringLiteral("/Mug.jpg");
    if (!QFileInfo::exists(path)) {
        ctx_.prompts.message(this, QString(), state.text[84] + u'\n' + state.text[85]);
        return;
    }
    QString error;
    const QImage picture = loadPicture(path, {}, &error);
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        warnUnreadable(path, error);
        return;
    }
    addPictureLayer(Mug, picture);
}

void Form3::cmdText_Click() {
    txtInfo->hide();
    AppState& state = ctx_.state;
    state.transmit.composerEdited = true;
    const auto result = ctx_.windows.showTextEffects(this);
    if (!result) return;
    Layer& layer = layers_[Txt];
    layer.picture = result->picture;
    text_ = result->settings;
    textFont_ = result->font;
    if (text_.effectText.isEmpty() || layer.picture.isNull()) {
        picTxt->hide();
        return;
    }
    const double fx = picQSL->factorX(), fy = picQSL->factorY();
    const QSizeF size(layer.picture.width() / fx, layer.picture.height() / fy);
    // Every new text starts at the same place, clear of the picture layers.
    layer.rect = QRectF(textLayerPlace(canvasRect_.size(), size), size);
    picTxt->setPixmap(QPixmap::fromImage(layer.picture));
    picTxt->resize(layer.picture.size());
    placeLayer(Txt);
    // Only the glyphs are seen and take the mouse.
    ApplyGlyphMask(*picTxt, result->mask);
    picTxt->show();
    picTxt->raise();
    txtInfo->setText(textHint(state));
    placeInfo(textHintPlace(layer.rect.top()));
    txtInfo->setVisible(std::exchange(result_.textHintPending, false));
    txtInfo->raise();
}

void Form3::cmdClrQsl_Click() {
    CurrentPicture& cur = cur_;
    cur.width = cur.picture.width();
    cur.height = cur.picture.height();
    text_.effectText.clear();
    for (Layer& l : layers_)
        l = Layer{};
    for (int id = Mug; id <= Txt; ++id)
        layerWidget(LayerId(id))->clear();
    result_.frames.width = 1;
    result_.frames.state = 1;
    picQSL->clearFramePreview();
    Form_Load();
}

void Form3::cmdFrame_Click() {
    (result_.frames.solid ? frame.Option2 : frame.Option1)->setChecked(true);
    frame.Frame1->show();
    frame.Frame1->raise();
    Slider1_Scroll();
}

void Form3::cmdOkFrame_Click() {
    frame.Frame1->hide();
}

void Form3::Option_Click() {
    FrameSettings& f = result_.frames;
    const bool solid = frame.Option2->isChecked();
    if (solid != f.solid) frameEdited();
    f.solid = solid;
    refreshFramePreview();
}

void Form3::Slider1_Scroll() {
    FrameSettings& f = result_.frames;
    const int width = frame.Slider1->value();
    if (width != f.width) frameEdited();
    f.width = width;
    refreshFramePreview();
}

void Form3::cmdColor_Click() {
    FrameSettings& f = result_.frames;
    const auto chosen = ctx_.prompts.colour(this, toQColor(f.colour));
    if (chosen && chosen->isValid() && colourCode(*chosen) != f.colour) {
        f.colour = colourCode(*chosen);
        frameEdited();
    }
    refreshFramePreview();
}

void Form3::frameEdited() {
    // Without this a small .jp2 with "No Resize" would go to TX as it is,
    // without the frame the bitmap has.
    ctx_.state.transmit.composerEdited = true;
}

void Form3::refreshFramePreview() {
    // The preview shows exactly the frame the composite gets.
    picQSL->setFramePreview(framePreview(canvasRect_.size(), result_.frames));
}

Composition Form3::composition() const {
    Composition c;
    c.base = qslCardState_ != 0 && !qslCard_.isNull() ? qslCard_ : cur_.picture;
    c.canvas = canvasRect_.size();
    c.qslCardState = qslCardState_;
    c.qslPicture = qslPicture_;
    if (!layers_[Mug].picture.isNull())
        c.mug = CompositeLayer{layers_[Mug].picture, layers_[Mug].rect};
    if (!layers_[Pic].picture.isNull())
        c.picture = CompositeLayer{layers_[Pic].picture, layers_[Pic].rect};
    if (!text_.effectText.isEmpty() && !layers_[Txt].picture.isNull()) {
        const double fx = picQSL->factorX();
        c.text =
            CompositeText{text_, textFont_, layers_[Txt].rect.topLeft(), fx > 0 ? 1.0 / fx : 1.0};
    }
    c.frame = result_.frames;
    return c;
}

bool Form3::layerMouseEvent(LayerId id, QEvent* event) {
    const auto* m = static_cast<QMouseEvent*>(event);
    const double fx = picQSL->factorX(), fy = picQSL->factorY();
    const QPointF local(m->position().x() / fx, m->position().y() / fy);
    Layer& layer = layers_[id];
    if (event->type() == QEvent::MouseButtonPress) {
        txtInfo->hide();
        if (id != Txt && layer.rect.width() > 0)
            layerRatio_ = layer.rect.height() / layer.rect.width();
        if (m->button() == Qt::LeftButton) {
            layerWidget(id)->raise();
            grab_ = local;
        }
        return true;
    }
    if (event->type() != QEvent::MouseMove) return false;
    if (m->buttons() & Qt::LeftButton) {
        // The grabbed point stays under the pointer.
        layer.rect.moveTopLeft(layer.rect.topLeft() + local - grab_);
        placeLayer(id);
        picQSL->update();
    } else if ((m->buttons() & Qt::RightButton) && id != Txt) {
        const auto size = resizeLayer(local, layerRatio_);
        if (!size) return true;
        layer.rect.setSize(*size);
        placeLayer(id);
        layerWidget(id)->show();
        picQSL->update();
    }
    return true;
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtInfo && event->type() == QEvent::MouseButtonPress) {
        txtInfo->hide();
        return true;
    }
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::MouseMove) {
        for (int id = Mug; id <= Txt; ++id)
            if (watched == layerWidget(LayerId(id))) return layerMouseEvent(LayerId(id), event);
    }
    return QWidget::eventFilter(watched, event);
}

void Form3::cmdClose_Click() {
    close();
}

void Form3::closeEvent(QCloseEvent* event) {
    // A second close while the composite is being handed over waits for it.
    if (unloading_) {
        event->ignore();
        return;
    }
    // The click that opened the composer may still be handing its picture
    // over: close once it is done. Waiting here would nest inside its waits.
    if (ctx_.state.transmit.handOffRunning) {
        event->ignore();
        QTimer::singleShot(50, this, &QWidget::close);
        return;
    }
    Form_Unload();
    event->accept();
}

void Form3::pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Form3::handOver(const QImage& composite) {
    AppState& state = ctx_.state;
    state.transmit.picture = composite;
    const CurrentPicture& cur = cur_;
    P_Bar->setRange(0, 0); // busy until the transmit files are made
    const bool sent =
        SendToTransmit(ctx_, HandOff{cur.folder, cur.fileName, composite, false, true, true},
                       [this](int ms) { pause(ms); });
    P_Bar->setRange(0, 1);
    P_Bar->setValue(sent ? 1 : 0);
    return sent;
}

void Form3::placeInfo(const QRectF& units) {
    units_->place(txtInfo, units);
}

void Form3::Form_Unload() {
    if (unloaded_) return;
    unloading_ = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    handOver(ComposeFullSize(composition()));
    qslCardState_ = 0;
    QGuiApplication::restoreOverrideCursor();
    unloading_ = false;
    unloaded_ = true;
    Q_EMIT closed(result_);
}

} // namespace quiverel
