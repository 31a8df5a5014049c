#include "app/text_table.h"
#include "support/temp_app.h"
#include "util/text_file.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {
QStringList section(const QString& header, int count, const QString& prefix) {
    QStringList lines{header};
    for (int i = 1; i <= count; ++i)
        lines << prefix + QString::number(i);
    return lines;
}
} // namespace

TEST(TextTable, StartupFindsTheHeaderAnywhereInAnyCaseAChangeOnlyExactly) {
    const QStringList file = QStringList{"; texts"} + section("[english]  ; old", 110, "e");
    std::array<QString, kTextEntries> t;
    EXPECT_TRUE(loadTextTable(t, QStringLiteral("English"), file, HeaderMatch::Startup));
    EXPECT_EQ(t[0], QStringLiteral("English"));
    EXPECT_EQ(t[1], QStringLiteral("e1"));
    EXPECT_EQ(t[110], QStringLiteral("e110"));
    EXPECT_FALSE(loadTextTable(t, QStringLiteral("English"), file, HeaderMatch::LanguageChange));
    EXPECT_TRUE(t[1].isEmpty());
    const QStringList exact = section("[English] comment", 110, "x");
    EXPECT_TRUE(loadTextTable(t, QStringLiteral("English"), exact, HeaderMatch::LanguageChange));
    const QStringList indented = section(" [English]", 110, "x");
    EXPECT_FALSE(
        loadTextTable(t, QStringLiteral("English"), indented, HeaderMatch::LanguageChange));
}

TEST(TextTable, AShortSectionRunsIntoTheNextAndStopsAtTheEnd) {
    const QStringList file = section("[Short]", 3, "s") + section("[Next]", 2, "n");
    std::array<QString, kTextEntries> t;
    ASSERT_TRUE(loadTextTable(t, QStringLiteral("Short"), file, HeaderMatch::Startup));
    EXPECT_EQ(t[3], QStringLiteral("s3"));
    EXPECT_EQ(t[4], QStringLiteral("[Next]"));
    EXPECT_EQ(t[6], QStringLiteral("n2"));
    EXPECT_TRUE(t[7].isEmpty());
}

TEST(TextTable, EntriesKeepBlanksAndCommasAndAnEmptyNameMeansEnglish) {
    test::TempApp app;
    app.write(QStringLiteral("ini/Language.ini"), "[English]\r\n  Found  ,\r\n, x ,\r\n");
    std::array<QString, kTextEntries> t;
    ASSERT_TRUE(loadTextTableFile(t, QString(), app.ini(QStringLiteral("Language.ini")),
                                  HeaderMatch::Startup));
    EXPECT_EQ(t[0], QStringLiteral("English"));
    EXPECT_EQ(t[1], QStringLiteral("  Found  ,"));
    EXPECT_EQ(t[2], QStringLiteral(", x ,"));
    EXPECT_FALSE(loadTextTableFile(t, QStringLiteral("English"),
                                   app.ini(QStringLiteral("missing.ini")), HeaderMatch::Startup));
    EXPECT_EQ(t[0], QStringLiteral("English"));
    EXPECT_TRUE(t[1].isEmpty());
}

TEST(TextTable, ShippedFileHasTwoFullSectionsAndTheMenuCaptions) {
    const QStringList lines = splitLines(decodeText(test::shippedLanguageIni()));
    const QStringList names = languageNames(lines);
    ASSERT_TRUE(names.contains(QStringLiteral("English")));
    ASSERT_GE(names.size(), 2);
    for (const QString& name : names) {
        const qsizetype at = lines.indexOf(u'[' + name + u']');
        ASSERT_GE(at, 0);
        const qsizetype next = [&] {
            for (qsizetype i = at + 1; i < lines.size(); ++i)
                if (lines[i].startsWith(u'[')) return i;
            return lines.size();
        }();
        EXPECT_EQ(next - at - 1, 110) << name.toStdString();
        for (qsizetype i = at + 1; i < next; ++i)
            EXPECT_FALSE(lines[i].isEmpty()) << name.toStdString() << " entry " << i - at;
    }
    std::array<QString, kTextEntries> t;
    ASSERT_TRUE(loadTextTable(t, QStringLiteral("English"), lines, HeaderMatch::Startup));
    EXPECT_EQ(t[1], QStringLiteral("Set file size"));
    EXPECT_EQ(t[103], QStringLiteral("&Select Folders"));
    EXPECT_EQ(t[104], QStringLiteral("Auto &Paste On"));
    EXPECT_EQ(t[107], QStringLiteral("Find file by keyword"));
}
