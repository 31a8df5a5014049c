#pragma once
// pic2: the grid of thumbnail cells. Per cell a frame (Shape1), two white
// edge lines (Line1, Line2) and the picture (Image1), which covers the whole
// cell, so the cell takes the clicks, and draws the picture fitted inside it.

#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>

class QLabel;
class QFrame;

namespace quiverel {

class UnitScale;

class ThumbnailGrid : public QWidget {
    Q_OBJECT
public:
    explicit ThumbnailGrid(QWidget* parent = nullptr);

    // Makes `cells` cells (element 0 always exists) for a grid of `columns`.
    void createCells(int cells, int columns);
    // Places every frame and its edges (DrawGridFrames).
    void DrawGridFrames();
    void setScaleSize(QSizeF units);

    int cellCount() const { return int(Image1.size()); }
    int columns() const { return columns_; }

    // Shows a picture in cell k fitted to the cell, or clears it (null image).
    void setCellPicture(int k, const QImage& picture);
    void setCellSelected(int k, bool selected);
    void setCellMarked(int k, bool marked);
    bool isCellSelected(int k) const {
        return k >= 0 && k < frameState_.size() && frameState_[k] == 1;
    }
    bool isCellMarked(int k) const {
        return k >= 0 && k < frameState_.size() && frameState_[k] == 2;
    }
    // The cells marked with Ctrl+click, in order.
    QList<int> markedCells() const {
        QList<int> cells;
        for (int k = 0; k < frameState_.size(); ++k)
            if (frameState_[k] == 2) cells.append(k);
        return cells;
    }
    bool hasPicture(int k) const;
    // Every frame back to the button face.
    void resetFrames();

    UnitScale& units() { return *units_; }

    QList<QFrame*> Shape1;
    QList<QFrame*> Line1;
    QList<QFrame*> Line2;
    QList<QLabel*> Image1;

    static inline const QColor kSelectionColour{50, 115, 194};

Q_SIGNALS:
    // On cell k's picture: a press of any button, a double click, the pointer moving.
    void cellPressed(int k, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void cellDoubleClicked(int k);
    void cellHovered(int k);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintFrame(int k);
    void placePicture(int k);

    UnitScale* units_;
    int columns_ = 5;
    QList<int> frameState_; // 0 normal, 1 selected, 2 marked
};

} // namespace quiverel
