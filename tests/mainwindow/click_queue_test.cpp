#include "mainwindow/click_queue.h"

#include <QList>
#include <gtest/gtest.h>

using namespace quiverel;

// Clicks that come while one runs wait for it, and only the latest of them
// runs; after closing nothing more runs.
TEST(ClickQueue, AClickDuringARunWaitsAndTheLatestOneRuns) {
    QList<int> ran;
    ClickQueue* queue = nullptr;
    ClickQueue q(
        [&](const ThumbnailClick& click) {
            ran.append(click.cell);
            if (click.cell == 0) { // two more clicks come during the first one's hand-off
                queue->press({1});
                queue->run();
                queue->press({2});
                queue->run();
                EXPECT_EQ(ran, QList<int>({0}));
            }
        },
        750);
    queue = &q;
    int idle = 0;
    QObject::connect(&q, &ClickQueue::idle, [&] { ++idle; });
    q.press({0});
    EXPECT_TRUE(q.isDelaying());
    q.run();
    EXPECT_FALSE(q.isDelaying());
    EXPECT_FALSE(q.isRunning());
    EXPECT_EQ(ran, QList<int>({0, 2}));
    EXPECT_EQ(idle, 1);

    q.close();
    q.runNow({3});
    EXPECT_EQ(ran, QList<int>({0, 2}));
}
