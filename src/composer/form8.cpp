#include "composer/form8.h"

#include "app/unit_scale.h"
#include "composer/size_controls.h"
#include "composer/size_settings.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace quiverel {

namespace {

constexpr QSizeF kUnits(300, 133);
constexpr QSizeF kTwips(4500, 2000);

} // namespace

Form8::Form8(Context& ctx, const SizeRequest& request, QWidget* opener)
    // Not a child of the opener: the opener is disabled while this is open.
    : QWidget(nullptr), ctx_(ctx), request_(request), opener_(opener) {
    setObjectName(QStringLiteral("Form8"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    units_ = new UnitScale(this, kUnits);
    lblTxTime = new QLabel(this);
    lblTxTime->setObjectName(QStringLiteral("lblTxTime"));
    units_->place(lblTxTime, QRectF(6, 10, 246, 25));
    sizes = new SizeControls(ctx_, SizeControlsPlaces::form8(), this);
    sizes->placeIn(*units_);
    connect(sizes, &SizeControls::sizeScrolled, this, &Form8::refreshTxTime);
    connect(sizes, &SizeControls::sizeChanged, this, &Form8::thumbnailHighlightCleared);
    connect(sizes, &SizeControls::sizesChanged, this, &Form8::sizesChanged);
}

void Form8::Form_Load() {
    if (opener_) {
        opener_->setEnabled(false);
        // A click on the disabled main window brings this one back in front
        // of it, so the one window that can still be used is never hidden.
        opener_->window()->installEventFilter(this);
    }
    const double scale = request_.guiScale > 0 ? request_.guiScale : 1.0;
    const QSize size(int(std::lround(kTwips.width() / 15 * scale)),
                     int(std::lround(kTwips.height() / 15 * scale)));
    resize(size);
    if (opener_) {
        const QRect main = opener_->window()->geometry();
        move(main.left() + int(std::nearbyint((main.width() - size.width()) / 2.0)),
             main.top() + int(std::nearbyint((main.height() - size.height()) * 0.1)));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
    units_->relayout();
    units_->setFontPoints(lblTxTime, 10);
    sizes->placeIn(*units_);

    setWindowTitle(QStringLiteral("JP2 ") + ctx_.state.text[10]);
    sizes->load(request_.sizes);
    refreshTxTime();
    show();
}

void Form8::refreshTxTime() {
    lblTxTime->setText(txTimeLabelText(sizes->values().jp2TargetSize));
}

bool Form8::eventFilter(QObject* watched, QEvent* event) {
    if (opener_ && watched == opener_->window() && event->type() == QEvent::WindowActivate &&
        isVisible())
        QTimer::singleShot(0, this, [this] {
            raise();
            activateWindow();
        });
    return QWidget::eventFilter(watched, event);
}

void Form8::closeEvent(QCloseEvent* event) {
    if (opener_) {
        opener_->window()->removeEventFilter(this);
        opener_->setEnabled(true);
    }
    Q_EMIT closed();
    event->accept();
}

} // namespace quiverel
