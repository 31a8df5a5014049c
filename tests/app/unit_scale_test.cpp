#include "app/unit_scale.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace quiverel;

TEST(UnitScale, PlacesChildrenByUnitsAndAgainAfterAResize) {
    QWidget host;
    host.resize(666, 500);
    host.show();
    UnitScale units(&host, QSizeF(666, 500));
    auto* label = new QLabel(&host);
    units.place(label, QRectF(10, 5, 170, 20));
    units.setFontPoints(label, 10);
    EXPECT_EQ(label->geometry(), QRect(10, 5, 170, 20));
    host.resize(1332, 1000);
    EXPECT_EQ(label->geometry(), QRect(20, 10, 340, 40));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 20.0);
    EXPECT_EQ(units.toUnits(QPoint(666, 500)), QPointF(333, 250));
    delete label; // a destroyed child is forgotten, not touched again
    host.resize(700, 500);
}
