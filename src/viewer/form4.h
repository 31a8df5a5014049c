#pragma once
// The zoom window: a picture at its natural size in a resizable window,
// panned by moving the pointer over it. The caller sets the caption and the
// picture, then shows it; any click or Esc closes it.

#include "app/context.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

class QLabel;

namespace quiverel {

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(Context& ctx, QWidget* parent = nullptr);

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    void setPicture(const QImage& picture);

    bool MoveMouse(double x, double y);
    // `pointer` in twips (15 a pixel) relative to the picture.
    void imgInner_MouseMove(QPointF pointer);
    void Form_Resize();

    bool panHorizontal() const { return panHorizontal_; }
    bool panVertical() const { return panVertical_; }
    QPointF panReference() const { return panReference_; }
    int divisor() const;

    QWidget* picOuter = nullptr;
    QLabel* imgInner = nullptr;

Q_SIGNALS:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Context& ctx_;
    bool panHorizontal_ = false;
    bool panVertical_ = false;
    QPointF panReference_;
};

} // namespace quiverel
