#include "support/temp_app.h"
#include "util/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace quiverel;

TEST(TextFile, DecodesUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(decodeText(QByteArray("K\xC3\xB6ln")), QString::fromUtf8("Köln"));
    // Not valid UTF-8: read as Windows-1252, where 0x80 is the euro sign.
    EXPECT_EQ(decodeText(QByteArray("K\xF6ln \x80")), QString::fromUtf8("Köln €"));
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBFstart")), QStringLiteral("start"));
}

TEST(TextFile, SplitsEveryKindOfLineBreak) {
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\nb\r\n")), QStringList({"a", "", "b"}));
    EXPECT_TRUE(splitLines(QString()).isEmpty());
}

TEST(TextFile, WritesCrLfAtomicallyWithTheAskedPermissions) {
    test::TempApp app;
    const QString path = app.ini(QStringLiteral("x.ini"));
    ASSERT_TRUE(writeTextLines(path, {QStringLiteral("one"), QString::fromUtf8("zwö")},
                               QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(app.read(QStringLiteral("ini/x.ini")), QByteArray("one\r\nzw\xC3\xB6\r\n"));
    const auto perms = QFileInfo(path).permissions();
    EXPECT_TRUE(perms.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                          QFileDevice::WriteGroup | QFileDevice::WriteOther));
    // No temporary file is left beside it.
    EXPECT_EQ(
        QDir(app.path() + QStringLiteral("/ini")).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(TextFile, FailedWriteLeavesTheOldFile) {
    test::TempApp app;
    app.write(QStringLiteral("ini/keep.ini"), "old");
    EXPECT_FALSE(writeTextLines(app.path() + QStringLiteral("/missing/keep.ini"), {"new"}));
    EXPECT_EQ(app.read(QStringLiteral("ini/keep.ini")), QByteArray("old"));
}
