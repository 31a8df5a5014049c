#include "imaging/picture_file.h"
#include "support/temp_app.h"
#include "util/file_name_bytes.h"
#include "util/temporary_files.h"
#include "util/text_file.h"

#include <QDir>
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

// A final name near the limit once failed: its hidden temporary was longer.
struct LongName {
    const char* letter; // one character, of one to four bytes
    int count;          // repeated before ".txt"
};

class LongFinalName : public ::testing::TestWithParam<LongName> {};

TEST_P(LongFinalName, IsWrittenAndLeavesNoTemporary) {
    const QString base = QString::fromUtf8(GetParam().letter).repeated(GetParam().count);
    const QString name = base + QStringLiteral(".txt");
    ASSERT_LE(fileNameBytes(name), kMaxFileNameBytes);
    test::TempApp app;
    QString pattern = QFileInfo(temporaryPatternFor(app.path() + u'/' + name)).fileName();
    EXPECT_LE(fileNameBytes(pattern), kMaxFileNameBytes);
    EXPECT_TRUE(
        isTemporaryName(pattern.replace(QStringLiteral("XXXXXX"), QStringLiteral("a1B2c3"))));

    ASSERT_TRUE(writeFileAtomic(app.path() + u'/' + name, "text"));
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Files | QDir::Hidden), QStringList({name}));
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QString why;
    EXPECT_TRUE(savePicture(picture, app.path() + u'/' + base + QStringLiteral(".jpg"), {}, &why))
        << why.toStdString();
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

INSTANTIATE_TEST_SUITE_P(Names, LongFinalName,
                         ::testing::Values(LongName{"a", 237}, LongName{"b", 246},
                                           LongName{"c", 251}, LongName{"ö", 125},
                                           LongName{"✓", 83}, LongName{"📡", 62}));
