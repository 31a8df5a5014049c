#pragma once
// The composer's canvas picQSL: the picture stretched over it, the frame's
// preview lines and a single border. The layers are its child widgets.

#include "composer/frame_preview.h"

#include <QImage>
#include <QPixmap>
#include <QSizeF>
#include <QWidget>

namespace quiverel {

class ComposerCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ComposerCanvas(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // The canvas's own scale: its size in composer units.
    void setUnits(QSizeF units);
    QSizeF units() const { return units_; }
    double factorX() const;
    double factorY() const;

    void setFramePreview(const FramePreview& preview);
    const FramePreview& framePreview() const { return preview_; }
    void clearFramePreview();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QPixmap shown_; // the picture scaled to the canvas, made again when its size changes
    QSizeF units_{1, 1};
    FramePreview preview_;
};

} // namespace quiverel
