#include "desktop/single_instance.h"
#include "support/temp_app.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace quiverel;

TEST(SingleInstance, ASecondCopyIsRefusedUntilTheFirstEnds) {
    test::TempApp app;
    {
        SingleInstance first(app.path());
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire());
        SingleInstance second(app.path());
        EXPECT_FALSE(second.acquire());
    }
    SingleInstance third(app.path());
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstance, ALockLeftByACrashedCopyIsTakenOver) {
    test::TempApp app;
    // A process that has ended leaves its id in the lock, as a crash would.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    app.write(QStringLiteral("quiverel.lock"), QByteArray::number(deadPid == 0 ? 999999 : deadPid) +
                                                   "\nquiverel\n" +
                                                   QSysInfo::machineHostName().toUtf8() + "\n");
    SingleInstance next(app.path());
    EXPECT_TRUE(next.acquire());
}
