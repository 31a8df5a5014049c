#include "composer/composer_canvas.h"

#include "texteffects/text_colours.h"

#include <QPainter>

namespace quiverel {

ComposerCanvas::ComposerCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picQSL"));
    setAccessibleName(QStringLiteral("Canvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ComposerCanvas::setPicture(const QImage& picture) {
    picture_ = picture;
    shown_ = QPixmap();
    update();
}

void ComposerCanvas::setUnits(QSizeF units) {
    if (units.width() > 0 && units.height() > 0) units_ = units;
    update();
}

double ComposerCanvas::factorX() const {
    return width() / units_.width();
}

double ComposerCanvas::factorY() const {
    return height() / units_.height();
}

void ComposerCanvas::setFramePreview(const FramePreview& preview) {
    preview_ = preview;
    update();
}

void ComposerCanvas::clearFramePreview() {
    setFramePreview({});
}

void ComposerCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull()) {
        p.fillRect(rect(), palette().window());
    } else {
        // Scaled once, not on every repaint while a layer is dragged.
        if (shown_.size() != size())
            shown_ = QPixmap::fromImage(
                picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        p.drawPixmap(0, 0, shown_);
    }
    const double fx = factorX(), fy = factorY();
    // Each line one unit thick, as the line controls stand one unit apart.
    const double thickX = std::max(fx, 1.0), thickY = std::max(fy, 1.0);
    for (const QList<PreviewLine>& edge : preview_) {
        for (const PreviewLine& l : edge) {
            const QPointF from(l.line.x1() * fx, l.line.y1() * fy);
            const bool across = l.line.y1() == l.line.y2();
            const QSizeF size =
                across ? QSizeF(l.line.dx() * fx, thickY) : QSizeF(thickX, l.line.dy() * fy);
            p.fillRect(QRectF(from, size), toQColor(l.colour));
        }
    }
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace quiverel
