#include "app/unit_scale.h"

#include <QEvent>
#include <QWidget>
#include <cmath>

namespace quiverel {

UnitScale::UnitScale(QWidget* host, QSizeF scaleSize)
    : QObject(host), host_(host), scale_(scaleSize) {
    host_->installEventFilter(this);
}

void UnitScale::setScaleSize(QSizeF scaleSize) {
    scale_ = scaleSize;
    relayout();
}

double UnitScale::factorX() const {
    return scale_.width() > 0 ? host_->width() / scale_.width() : 1.0;
}

double UnitScale::factorY() const {
    return scale_.height() > 0 ? host_->height() / scale_.height() : 1.0;
}

QRect UnitScale::toPixels(const QRectF& u) const {
    const double fx = factorX(), fy = factorY();
    const int left = int(std::lround(u.left() * fx));
    const int top = int(std::lround(u.top() * fy));
    const int right = int(std::lround(u.right() * fx));
    const int bottom = int(std::lround(u.bottom() * fy));
    return QRect(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
}

QPointF UnitScale::toUnits(QPoint p) const {
    const double fx = factorX(), fy = factorY();
    return {fx > 0 ? p.x() / fx : 0.0, fy > 0 ? p.y() / fy : 0.0};
}

void UnitScale::place(QWidget* child, const QRectF& units) {
    if (!rects_.contains(child))
        connect(child, &QObject::destroyed, this, [this, child] { forget(child); });
    rects_.insert(child, units);
    child->setGeometry(toPixels(units));
}

void UnitScale::setFontPoints(QWidget* child, double points) {
    fonts_.insert(child, points);
    QFont f = child->font();
    f.setPointSizeF(std::max(points * factorY(), 1.0));
    child->setFont(f);
}

void UnitScale::forget(QWidget* child) {
    rects_.remove(child);
    fonts_.remove(child);
}

void UnitScale::relayout() {
    for (auto it = rects_.cbegin(); it != rects_.cend(); ++it)
        it.key()->setGeometry(toPixels(it.value()));
    for (auto it = fonts_.cbegin(); it != fonts_.cend(); ++it) {
        QFont f = it.key()->font();
        f.setPointSizeF(std::max(it.value() * factorY(), 1.0));
        it.key()->setFont(f);
    }
}

bool UnitScale::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host_ && event->type() == QEvent::Resize) relayout();
    return QObject::eventFilter(watched, event);
}

} // namespace quiverel
