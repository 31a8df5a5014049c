#include "catalogue/thumbnail_grid.h"

#include "app/unit_scale.h"
#include "catalogue/grid_geometry.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

// A grid of 3 x 5 cells, shown, with these pictures in its first cells.
void showGrid(ThumbnailGrid& grid, const QList<QImage>& pictures) {
    grid.resize(666, 414);
    grid.createCells(3, 5);
    for (int k = 0; k < pictures.size(); ++k)
        grid.setCellPicture(k, pictures[k]);
    grid.DrawGridFrames();
    grid.show();
}

QImage filled(QSize size, Qt::GlobalColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// A 1 x 10000 picture's thumbnail took clicks only on its one-pixel column:
// now the whole cell takes them, and the picture is still drawn fitted.
TEST(ThumbnailGrid, TheWholeCellTakesTheClickAndThePictureIsDrawnFitted) {
    ThumbnailGrid grid;
    const QImage wide = filled({112, 84}, Qt::blue);
    showGrid(grid, {filled({1, 10000}, Qt::red), wide});

    for (int k : {0, 1}) {
        const QRect cell = grid.units().toPixels(cellFrame(k, 5));
        for (const QPoint p :
             {cell.topLeft() + QPoint(3, 3), cell.center(), cell.bottomRight() - QPoint(3, 3)})
            EXPECT_EQ(grid.childAt(p), grid.Image1[k]) << k << " at " << p.x() << "," << p.y();
    }
    // An empty cell takes none.
    const QRect empty = grid.units().toPixels(cellFrame(2, 5));
    EXPECT_NE(grid.childAt(empty.center()), grid.Image1[2]);

    const QImage shot = grid.grab().toImage();
    const QRect cell = grid.units().toPixels(cellFrame(0, 5));
    int red = 0; // across the middle of the cell: the one-pixel column
    for (int x = cell.left(); x <= cell.right(); ++x)
        red += shot.pixelColor(x, cell.center().y()) == QColor(Qt::red);
    EXPECT_EQ(red, 1);
    const QRect fitted = grid.units().toPixels(fittedThumbnail(wide.size(), 1, 5));
    EXPECT_EQ(shot.pixelColor(fitted.topLeft() + QPoint(2, 2)), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(fitted.bottomRight() - QPoint(2, 2)), QColor(Qt::blue));
}

// The grid reports what happens on a cell's picture; the cell takes the
// press, so nothing behind it sees it.
TEST(ThumbnailGrid, ReportsPressesDoubleClicksAndHoveringByCell) {
    ThumbnailGrid grid;
    const QImage picture = filled({112, 84}, Qt::blue);
    showGrid(grid, {picture, picture, picture});
    QSignalSpy pressed(&grid, &ThumbnailGrid::cellPressed);
    QSignalSpy doubled(&grid, &ThumbnailGrid::cellDoubleClicked);
    QSignalSpy hovered(&grid, &ThumbnailGrid::cellHovered);

    QTest::mousePress(grid.Image1[2], Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(pressed[0][0].toInt(), 2);
    EXPECT_EQ(pressed[0][1].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(pressed[0][2].value<Qt::KeyboardModifiers>(), Qt::ControlModifier);
    QTest::mouseDClick(grid.Image1[1], Qt::LeftButton);
    ASSERT_EQ(doubled.size(), 1);
    EXPECT_EQ(doubled[0][0].toInt(), 1);
    QTest::mouseMove(grid.Image1[0], QPoint(4, 4));
    QTRY_VERIFY(!hovered.isEmpty());
    EXPECT_EQ(hovered.last()[0].toInt(), 0);
}

} // namespace
