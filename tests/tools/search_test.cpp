#include "tools/search_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct MatchCase {
    const char* name;
    const char* typed; // as the user types it; zeros become "Ø"
    bool matches;
};

class NameMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(NameMatch, ByNameTypeAndZeroAsSlashedO) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(nameMatches(QString::fromUtf8(c.name), typedKeyword(QString::fromUtf8(c.typed))),
              c.matches)
        << c.name << " / " << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Keyword, NameMatch,
    ::testing::Values(MatchCase{"SK0_12.jpg", "sk0", true},  // a zero in the name
                      MatchCase{"skØ.png", "sk0", true},     // the letter in the name
                      MatchCase{"SKØ.PNG", "Sk0", true},     // any letter case
                      MatchCase{"skø_1.gif", "SK0", true},   // the small letter too
                      MatchCase{"sko.jpg", "sk0", false},    // a plain O is not Ø
                      MatchCase{"test.jpeg", "test", false}, // five-letter extension
                      MatchCase{"notes.txt", "note", true},  // text files are searched
                      MatchCase{"NOTES.TXT", "notes", true}, MatchCase{"sky.jp2", "KY", true},
                      MatchCase{"sky.tif", "sky", false}, // not a catalogued type
                      MatchCase{"holiday.bmp", "bmp", true}, MatchCase{"abc.jpg", "x", false},
                      MatchCase{"abc.jpg", "", false}));

TEST(TypedKeyword, EveryZeroBecomesSlashedO) {
    EXPECT_EQ(typedKeyword(QStringLiteral("k0x0")), QString::fromUtf8("kØxØ"));
    EXPECT_EQ(typedKeyword(QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(SearchTexts, ResultLines) {
    EXPECT_EQ(matchesFoundText(3), QStringLiteral("3 matches found"));
    EXPECT_EQ(noMatchText(QStringLiteral("No match for"), QString::fromUtf8("skØ")),
              QString::fromUtf8("No match for 'skØ'"));
}

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(SearchFiles, AllFoldersInListOrderWithoutTheResultsFolder) {
    QTemporaryDir dir;
    const QString a = dir.path() + QStringLiteral("/a/");
    const QString b = dir.path() + QStringLiteral("/b with blank/");
    const QString results = dir.path() + QStringLiteral("/Search/");
    for (const QString& f : {a, b, results})
        QDir().mkpath(f);
    touch(a + QStringLiteral("img.jpg"));
    touch(a + QStringLiteral("other.png"));
    touch(b + QStringLiteral("IMG 'quoted'.gif"));
    touch(b + QStringLiteral("img.jpeg"));
    touch(results + QStringLiteral("img.jpg"));     // a copy from the last search
    QDir().mkpath(a + QStringLiteral("img.jpg.d")); // folders are not files

    QList<QPair<int, int>> told;
    const QStringList found = SearchFiles(
        {{QStringLiteral("A"), a}, {QStringLiteral("B"), b}, {QStringLiteral("S"), results}},
        QStringLiteral("img"), results, [&](int value, int maximum) {
            told.append({value, maximum});
        });
    EXPECT_EQ(found,
              QStringList({a + QStringLiteral("img.jpg"), b + QStringLiteral("IMG 'quoted'.gif")}));
    EXPECT_EQ(told, (QList<QPair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
}

TEST(SearchFiles, OneFolderGivesMaximumOneAndAMissingFolderNothing) {
    QList<QPair<int, int>> told;
    const QStringList found =
        SearchFiles({{QStringLiteral("Gone"), QStringLiteral("/no/such/")}}, QStringLiteral("a"),
                    QStringLiteral("/s/"), [&](int value, int maximum) {
                        told.append({value, maximum});
                    });
    EXPECT_TRUE(found.isEmpty());
    EXPECT_EQ(told, (QList<QPair<int, int>>{{0, 1}}));
}

} // namespace
