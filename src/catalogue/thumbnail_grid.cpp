#include "catalogue/thumbnail_grid.h"

#include "app/unit_scale.h"
#include "catalogue/grid_geometry.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace quiverel {

namespace {

// Image1: covers its whole cell, so that a click anywhere in the cell is a
// click on its picture (a 1 x 10000 picture is a one-pixel column), and draws
// the picture fitted into its part of the cell.
class CellImage : public QLabel {
public:
    using QLabel::QLabel;

    // The fitted picture's place as fractions of the cell.
    void setPictureArea(const QRectF& area) {
        area_ = area;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QPixmap picture = pixmap();
        if (picture.isNull()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // Whole pixels, at least one each way, as the grid places its children.
        const int left = int(std::lround(area_.left() * width()));
        const int top = int(std::lround(area_.top() * height()));
        const int right = int(std::lround(area_.right() * width()));
        const int bottom = int(std::lround(area_.bottom() * height()));
        painter.drawPixmap(QRect(left, top, std::max(right - left, 1), std::max(bottom - top, 1)),
                           picture);
    }

private:
    QRectF area_{0, 0, 1, 1};
};

QRectF areaInCell(const QRectF& fitted, const QRectF& cell) {
    return {(fitted.x() - cell.x()) / cell.width(), (fitted.y() - cell.y()) / cell.height(),
            fitted.width() / cell.width(), fitted.height() / cell.height()};
}

} // namespace

ThumbnailGrid::ThumbnailGrid(QWidget* parent)
    : QWidget(parent), units_(new UnitScale(this, QSizeF(666, 414))) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(200, 200, 100));
    setPalette(p);
    createCells(1, columns_);
}

void ThumbnailGrid::setScaleSize(QSizeF u) {
    units_->setScaleSize(u);
}

void ThumbnailGrid::createCells(int cells, int columns) {
    columns_ = std::max(columns, 1);
    cells = std::max(cells, 1);
    while (Image1.size() > cells) {
        delete Image1.takeLast();
        delete Line2.takeLast();
        delete Line1.takeLast();
        delete Shape1.takeLast();
        frameState_.removeLast();
    }
    while (Image1.size() < cells) {
        auto* shape = new QFrame(this);
        shape->setAutoFillBackground(true);
        shape->setFrameShape(QFrame::Box);
        shape->setLineWidth(1);
        auto* l1 = new QFrame(this);
        auto* l2 = new QFrame(this);
        for (QFrame* l : {l1, l2}) {
            l->setAutoFillBackground(true);
            QPalette lp = l->palette();
            lp.setColor(QPalette::Window, Qt::white);
            l->setPalette(lp);
        }
        auto* image = new CellImage(this);
        image->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        image->setMouseTracking(true);
        image->installEventFilter(this);
        Shape1.append(shape);
        Line1.append(l1);
        Line2.append(l2);
        Image1.append(image);
        frameState_.append(0);
        // The picture shows once it has one: an empty cell takes no clicks.
        image->hide();
        for (QWidget* w :
             {static_cast<QWidget*>(shape), static_cast<QWidget*>(l1), static_cast<QWidget*>(l2)})
            w->show();
        l1->raise();
        l2->raise();
        image->raise();
        paintFrame(int(Image1.size()) - 1);
    }
}

void ThumbnailGrid::DrawGridFrames() {
    for (int k = 0; k < cellCount(); ++k) {
        const QRect f = cellFrame(k, columns_);
        units_->place(Shape1[k], f);
        // The white edges: along the top and down the left of the frame.
        units_->place(Line1[k], QRectF(f.left() + 1, f.top() + 1, f.width() - 2, 1));
        units_->place(Line2[k], QRectF(f.left() + 1, f.top() + 1, 1, f.height() - 2));
        placePicture(k);
    }
}

void ThumbnailGrid::setCellPicture(int k, const QImage& picture) {
    if (k < 0 || k >= cellCount()) return;
    if (picture.isNull()) {
        Image1[k]->clear();
        Image1[k]->hide();
        return;
    }
    Image1[k]->setPixmap(QPixmap::fromImage(picture));
    placePicture(k);
    Image1[k]->show();
}

void ThumbnailGrid::placePicture(int k) {
    const QRectF cell(cellFrame(k, columns_));
    units_->place(Image1[k], cell);
    const QPixmap picture = Image1[k]->pixmap();
    if (!picture.isNull())
        static_cast<CellImage*>(Image1[k])->setPictureArea(
            areaInCell(fittedThumbnail(picture.size(), k, columns_), cell));
}

void ThumbnailGrid::setCellSelected(int k, bool selected) {
    if (k < 0 || k >= cellCount()) return;
    frameState_[k] = selected ? 1 : 0;
    paintFrame(k);
}

void ThumbnailGrid::setCellMarked(int k, bool marked) {
    if (k < 0 || k >= cellCount()) return;
    frameState_[k] = marked ? 2 : 0;
    paintFrame(k);
}

bool ThumbnailGrid::hasPicture(int k) const {
    return k >= 0 && k < cellCount() && !Image1[k]->pixmap().isNull();
}

void ThumbnailGrid::resetFrames() {
    for (int k = 0; k < cellCount(); ++k) {
        frameState_[k] = 0;
        paintFrame(k);
    }
}

bool ThumbnailGrid::eventFilter(QObject* watched, QEvent* event) {
    const int k = int(Image1.indexOf(qobject_cast<QLabel*>(watched)));
    if (k < 0) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Q_EMIT cellPressed(k, mouse->button(), mouse->modifiers());
        return true;
    }
    case QEvent::MouseButtonDblClick:
        Q_EMIT cellDoubleClicked(k);
        return true;
    case QEvent::MouseMove:
        // Consumed here: passed on to the grid it would read as leaving the thumbnail.
        Q_EMIT cellHovered(k);
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void ThumbnailGrid::paintFrame(int k) {
    QPalette p = Shape1[k]->palette();
    const QColor fill = frameState_[k] == 1   ? kSelectionColour
                        : frameState_[k] == 2 ? QColor(Qt::red)
                                              : palette().color(QPalette::Button);
    p.setColor(QPalette::Window, fill);
    Shape1[k]->setPalette(p);
}

} // namespace quiverel
