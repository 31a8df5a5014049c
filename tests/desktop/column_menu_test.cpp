#include "desktop/column_menu.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace quiverel;

TEST(ColumnMenu, EntriesStandInColumnsAndAnswerMouseAndKeys) {
    ColumnMenu menu(QStringLiteral("Folders"));
    QList<QAction*> actions;
    for (int i = 0; i < 10; ++i)
        actions.append(new QAction(QStringLiteral("F%1").arg(i), &menu));
    menu.setEntries(actions, 3);
    menu.popup(QPoint(0, 0));
    QApplication::processEvents();

    // Entries 0..2 in the first column, 3 starts the second, 9 the fourth.
    const auto x = [&](int i) { return menu.buttonAt(i)->mapTo(&menu, QPoint(0, 0)).x(); };
    const auto y = [&](int i) { return menu.buttonAt(i)->mapTo(&menu, QPoint(0, 0)).y(); };
    EXPECT_EQ(x(0), x(2));
    EXPECT_LT(x(2), x(3));
    EXPECT_EQ(y(0), y(3));
    EXPECT_LT(x(6), x(9));
    EXPECT_EQ(y(9), y(0));

    QSignalSpy clicked(actions[4], &QAction::triggered);
    QTest::mouseClick(menu.buttonAt(4), Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);

    // Keyboard: Right from entry 1 goes to entry 4, Down to 5, Enter chooses it.
    menu.popup(QPoint(0, 0));
    QApplication::processEvents();
    menu.buttonAt(1)->setFocus();
    QSignalSpy chosen(actions[5], &QAction::triggered);
    QTest::keyClick(menu.buttonAt(1), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(chosen.count(), 1);
}

// 2,000 folders on a small screen: the menu stays on the screen, starts at
// its left edge, and every entry can be brought into view with the keys.
TEST(ColumnMenu, AHugeMenuKeepsEveryEntryReachableOnTheScreen) {
    ColumnMenu menu(QStringLiteral("Folders"));
    QList<QAction*> actions;
    for (int i = 0; i < 2000; ++i)
        actions.append(new QAction(QStringLiteral("Folder %1").arg(i, 4, 10, QChar(u'0')), &menu));
    menu.setEntries(actions, 500);
    menu.popup(QPoint(0, 0));
    QApplication::processEvents();

    const QRect screen = menu.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(menu.geometry())) << menu.geometry().height();
    // No blank band before the first column.
    EXPECT_LE(menu.buttonAt(0)->mapTo(&menu, QPoint(0, 0)).x(), 12);

    const auto onScreen = [&](int i) {
        QToolButton* b = menu.buttonAt(i);
        const QRect shown = b->visibleRegion().boundingRect();
        return shown.size() == b->size() &&
               screen.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size()));
    };
    EXPECT_TRUE(onScreen(0));
    // Up from the first entry wraps to the last, Left to the last column.
    menu.buttonAt(0)->setFocus();
    QTest::keyClick(menu.buttonAt(0), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), menu.buttonAt(1999));
    EXPECT_TRUE(onScreen(1999));
    QTest::keyClick(menu.buttonAt(1999), Qt::Key_Down);
    EXPECT_TRUE(onScreen(0));
    QTest::keyClick(menu.buttonAt(0), Qt::Key_Left);
    int focused = -1;
    for (int i = 0; i < 2000; ++i)
        if (menu.buttonAt(i) == QApplication::focusWidget()) focused = i;
    ASSERT_GT(focused, 1000); // the top of the last column
    EXPECT_TRUE(onScreen(focused));
}
