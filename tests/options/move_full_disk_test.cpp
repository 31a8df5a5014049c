#include "options/copy_to_folder.h"

#include "support/small_disk.h"
#include "support/test_context.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

// A move onto a full disk said "Failure to write block: Unknown error".
TEST(MoveFullDisk, SaysNoSpaceLeftAndKeepsThePicture) {
    test::SmallDisk disk("128k");
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    test::TestContext t;
    t.readTextTable();
    const QString folder = t.app.path() + QStringLiteral("/pics/");
    QDir().mkpath(folder);
    QFile picture(folder + QStringLiteral("big.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray(400 * 1024, 'j'));
    picture.close();

    const CopyResult r = copyOrMoveToFolder({folder, QStringLiteral("big.jpg"), disk.path(), true},
                                            t.desktop, t.state.text);
    EXPECT_NE(r.outcome, CopyOutcome::Copied);
    EXPECT_TRUE(r.report.text.endsWith(QStringLiteral("\nNo space left on device")))
        << r.report.text.toStdString();
    EXPECT_EQ(QFileInfo(folder + QStringLiteral("big.jpg")).size(), 400 * 1024);
    EXPECT_TRUE(QDir(disk.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
}

} // namespace
