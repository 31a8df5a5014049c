#include "tools/help_text.h"

#include "support/temp_app.h"

#include <QFile>
#include <gtest/gtest.h>

namespace quiverel {
namespace {

struct SectionCase {
    const char* name;
    const char* file; // lines separated by "|"
    const char* language;
    const char* expected;
};

class HelpSection : public ::testing::TestWithParam<SectionCase> {};

TEST_P(HelpSection, TakesTheLinesOfTheLanguage) {
    const SectionCase& c = GetParam();
    const QStringList lines = QString::fromUtf8(c.file).split(u'|');
    EXPECT_EQ(helpSection(lines, QString::fromUtf8(c.language)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpSection,
    ::testing::Values(
        SectionCase{"ThreeLinesUpToStars", "[English]|one|two|three|*****|[Deutsch]|eins",
                    "English", "one\ntwo\nthree\n"},
        SectionCase{"LastSectionRunsToTheEnd", "[English]|one|*****|[Deutsch]|eins|zwei", "Deutsch",
                    "eins\nzwei\n"},
        SectionCase{"LetterCaseCounts", "[english]|one|*****", "English", ""},
        SectionCase{"HeaderIsTheWholeLine", " [English]|one|[English] x|two", "English", ""},
        SectionCase{"StarsStartTheLine", "[English]|a ***** b|****** end|c", "English",
                    "a ***** b\n"},
        SectionCase{"BlankLinesKept", "[English]||one||*****", "English", "\none\n\n"},
        SectionCase{"NonAsciiName", "[English]|x|*****|[Français]|Aide|*****", "Français",
                    "Aide\n"},
        SectionCase{"NoSection", "[English]|one", "Deutsch", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpText, MissingFileGivesNothing) {
    test::TempApp app;
    EXPECT_FALSE(readHelpText(app.path() + QStringLiteral("/Help.txt"), QStringLiteral("English")));
}

TEST(HelpText, ReadsCrLfFile) {
    test::TempApp app;
    app.write(QStringLiteral("Help.txt"), "[English]\r\nfirst\r\nsecond\r\n*****\r\n");
    EXPECT_EQ(readHelpText(app.path() + QStringLiteral("/Help.txt"), QStringLiteral("English")),
              QStringLiteral("first\nsecond\n"));
}

TEST(HelpText, ShippedFileHasEveryLanguageOfTheTextTable) {
    QFile shipped(QStringLiteral(QUIVEREL_SOURCE_DIR "/data/Help.txt"));
    ASSERT_TRUE(shipped.exists());
    for (const char* language : {"English", "Deutsch", "Français"}) {
        const auto text =
            readHelpText(shipped.fileName(), QString::fromUtf8(language)).value_or(QString());
        EXPECT_GT(text.count(u'\n'), 10) << language;
    }
}

} // namespace
} // namespace quiverel
