#include "texteffects/frm_color.h"

#include "app/unit_scale.h"
#include "texteffects/colour_palette.h"
#include "texteffects/text_colours.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace quiverel {

namespace {
constexpr QSizeF kTwips(6000, 4300);
constexpr QSizeF kUnits(390, 250);
} // namespace

frmColor::frmColor(Context& ctx, const ColourPickRequest& request, QWidget* opener)
    // Not a child of the opener: the QSL picker disables its opener, which
    // would disable a child window too.
    : QDialog(nullptr), ctx_(ctx), request_(request), opener_(opener) {
    setObjectName(request.picker == ColourPicker::Qsl ? QStringLiteral("Form7")
                                                      : QStringLiteral("frmColor"));
    setWindowTitle(QStringLiteral("Quiverel Color Picker"));
    setWindowModality(Qt::ApplicationModal);
    units_ = new UnitScale(this, kUnits);

    p = new QLabel(this);
    p->setObjectName(QStringLiteral("p"));
    p->setAccessibleName(QStringLiteral("Palette"));
    p->setCursor(Qt::CrossCursor);
    p->installEventFilter(this);
    units_->place(p, QRectF(20, 20, 350, 170));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(QStringLiteral("Sample"));
    Label1->setAutoFillBackground(true);
    Label1->setFrameShape(QFrame::Box);
    units_->place(Label1, QRectF(150, 200, 80, 40));

    cmdOk = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    units_->place(cmdOk, QRectF(280, 205, 60, 30));
    connect(cmdOk, &QPushButton::clicked, this, &frmColor::cmdOk_Click);

    setSample(request.current.isValid() ? request.current : QColor(Qt::white));
}

std::optional<QColor> frmColor::run() {
    Form_Load();
    exec();
    return chosen_;
}

frmColor* frmColor::openModeless(Context& ctx, const ColourPickRequest& request, QWidget* opener,
                                 std::function<void(QColor)> picked) {
    auto* picker = new frmColor(ctx, request, opener);
    // A window of its own, but the opener's child: a modal opener does not
    // block its own child windows, and the picker goes with it.
    if (opener) picker->setParent(opener->window(), Qt::Dialog);
    picker->setWindowModality(Qt::NonModal);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    connect(picker, &QDialog::accepted, picker, [picker, picked = std::move(picked)] {
        if (picker->chosen_ && picked) picked(*picker->chosen_);
    });
    picker->Form_Load();
    picker->show();
    return picker;
}

void frmColor::Form_Load() {
    const double scale = ctx_.state.settings.guiScale > 0 ? ctx_.state.settings.guiScale : 1.0;
    const QSize size(int(std::lround(kTwips.width() / 15 * scale)),
                     int(std::lround(kTwips.height() / 15 * scale)));
    resize(size);
    if (opener_) {
        // Over the opener, its middle on the opener's middle.
        const QRect over = opener_->window()->geometry();
        move(over.left() + (over.width() - size.width()) / 2,
             over.top() + (over.height() - size.height()) / 2);
        if (request_.picker == ColourPicker::Qsl) opener_->setEnabled(false);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
    units_->relayout();
    drawPalette();
    cmdOk->setFocus();
}

void frmColor::drawPalette() {
    palette_ = quiverel::drawPalette(p->size());
    p->setPixmap(QPixmap::fromImage(palette_));
}

void frmColor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!palette_.isNull() && palette_.size() != p->size()) drawPalette();
}

void frmColor::setSample(const QColor& colour) {
    sample_ = colour;
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::Window, colour);
    Label1->setPalette(pal);
}

void frmColor::p_MouseDown(QPoint pixel) {
    if (palette_.valid(pixel)) setSample(QColor(palette_.pixel(pixel)));
    cmdOk->setFocus();
}

void frmColor::cmdOk_Click() {
    chosen_ = sample_;
    const ColourCode code = colourCode(sample_);
    auto& qsl = ctx_.state.settings.qslColours;
    switch (colourDestination(request_.picker, request_.target)) {
    case ColourDestination::QslColour1:
        qsl[0] = code;
        break;
    case ColourDestination::QslColour2:
        qsl[1] = code;
        break;
    case ColourDestination::QslColour3:
        qsl[2] = code;
        break;
    default:
        break; // the text effects dialog puts its colours on its swatches
    }
    accept();
}

void frmColor::done(int result) {
    if (result != Accepted) chosen_.reset();
    // Every way out leaves the opener usable again.
    if (opener_) opener_->setEnabled(true);
    QDialog::done(result);
}

bool frmColor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == p && event->type() == QEvent::MouseButtonPress) {
        p_MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quiverel
