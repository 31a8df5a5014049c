#include "viewer/form4.h"

#include "util/numbers.h"
#include "viewer/picture_area.h"
#include "viewer/viewer_geometry.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace quiverel {

namespace {
constexpr QSize kOpeningClient(312, 206); // 4680 x 3090 twips
} // namespace

Form4::Form4(Context& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    const PictureArea area = makePictureArea(this);
    picOuter = area.picOuter;
    imgInner = area.imgInner;
    picOuter->installEventFilter(this);
    imgInner->installEventFilter(this);
    resize(kOpeningClient);
    winId(); // the platform's frame counts from the first placing on
}

void Form4::setPicture(const QImage& picture) {
    imgInner->setPixmap(QPixmap::fromImage(picture));
    imgInner->resize(picture.size());
    // A window not shown yet centres when its first showing resizes it.
    if (isVisible()) Form_Resize();
}

int Form4::divisor() const {
    return panDivisor(imgInner->size());
}

void Form4::Form_Resize() {
    imgInner->move(0, 0);
    imgInner->show();
    const Centring c = CentrePicture(imgInner->size(), size());
    panHorizontal_ = c.panHorizontal;
    panVertical_ = c.panVertical;
    picOuter->setGeometry(0, 0, width(), height());
    imgInner->move(c.picture);
    if (panHorizontal_) panReference_.setX(imgInner->width() / 2.0 * 15);
    if (panVertical_) panReference_.setY(imgInner->height() / 2.0 * 15);
    MoveMouse(picOuter->width() / 2.0, picOuter->height() / 2.0);
}

bool Form4::MoveMouse(double x, double y) {
    const QPoint client(int(roundHalfEven(x)), int(roundHalfEven(y)));
    return ctx_.desktop.setCursorPos(mapToGlobal(client));
}

void Form4::imgInner_MouseMove(QPointF pointer) {
    const double scale = ctx_.state.settings.guiScale;
    const int k = divisor();
    if (panVertical_) {
        const ZoomPan p = panZoom(imgInner->y(), pointer.y(), panReference_.y(), imgInner->height(),
                                  picOuter->height(), scale, k);
        imgInner->move(imgInner->x(), p.position);
        panReference_.setY(p.reference);
    }
    if (panHorizontal_) {
        const ZoomPan p = panZoom(imgInner->x(), pointer.x(), panReference_.x(), imgInner->width(),
                                  picOuter->width(), scale, k);
        imgInner->move(p.position, imgInner->y());
        panReference_.setX(p.reference);
    }
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        close(); // any button
        return true;
    }
    if (event->type() == QEvent::MouseMove && watched == imgInner) {
        imgInner_MouseMove(static_cast<QMouseEvent*>(event)->position() * 15);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

// Showing places the frame, which moves the client area under the pointer.
void Form4::showEvent(QShowEvent*) {
    Form_Resize();
}

void Form4::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) close();
}

void Form4::mousePressEvent(QMouseEvent*) {
    close();
}

void Form4::closeEvent(QCloseEvent* event) {
    imgInner->hide();
    Q_EMIT closed();
    event->accept();
}

} // namespace quiverel
