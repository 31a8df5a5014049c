#pragma once
// Places a window's children by the window's own units (such as 666 x 500)
// and places them again whenever the window is resized.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QSizeF>

class QWidget;

namespace quiverel {

class UnitScale : public QObject {
    Q_OBJECT
public:
    UnitScale(QWidget* host, QSizeF scaleSize);

    void setScaleSize(QSizeF scaleSize);
    QSizeF scaleSize() const { return scale_; }

    // Places `child` at `units` now and after every resize of the host.
    void place(QWidget* child, const QRectF& units);
    // Font size in points that follows the host's scale (`points` at one pixel per unit).
    void setFontPoints(QWidget* child, double points);
    void forget(QWidget* child);

    // Units to pixels of the host at its present size.
    QRect toPixels(const QRectF& units) const;
    QPointF toUnits(QPoint pixels) const;
    double factorX() const;
    double factorY() const;

    void relayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* host_;
    QSizeF scale_;
    QHash<QWidget*, QRectF> rects_;
    QHash<QWidget*, double> fonts_;
};

} // namespace quiverel
