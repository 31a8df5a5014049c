#include "tools/language_list.h"

#include "app/text_table.h"
#include "support/temp_app.h"
#include "util/text_file.h"

#include <gtest/gtest.h>

namespace quiverel {
namespace {

struct ListCase {
    const char* name;
    const char*
        file; // lines separated by "|"; "*" stands for 110 captions, "_" for 110 blank lines
    const char* expected;
};

QStringList fileLines(const char* file) {
    QStringList lines;
    for (const QString& part : QString::fromUtf8(file).split(u'|')) {
        if (part == u"*" || part == u"_")
            for (int k = 1; k < kTextEntries; ++k)
                lines.append(part == u"*" ? QStringLiteral("caption %1").arg(k) : QString());
        else
            lines.append(part);
    }
    return lines;
}

class LanguageList : public ::testing::TestWithParam<ListCase> {};

TEST_P(LanguageList, ListsTheSectionsHoldingCaptionsInFileOrder) {
    const ListCase& c = GetParam();
    EXPECT_EQ(languageList(fileLines(c.file)).join(u','), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageList,
    ::testing::Values(
        ListCase{"ThreeSections", "; comment|[English]|*|[Deutsch]|*|[Français]|*",
                 "English,Deutsch,Français"},
        // The first header may stand anywhere in its line, later ones only at its start.
        ListCase{"IndentedFirstHeader", "  [English]  ; default|*| [Deutsch]|[Español]|*",
                 "English,Español"},
        ListCase{"TextAfterBracket", "[English] main|*|[Deutsch]x|*", "English,Deutsch"},
        ListCase{"MissingBracket", "[English|*|[Deutsch|*", "English,Deutsch"},
        ListCase{"EmptyNamesLeftOut", "[]|*|[English]|*", "English"},
        ListCase{"NoHeaders", "a|b", ""},
        // Chosen, these would leave the captions blank or shifted by a header.
        ListCase{"SectionWithoutCaptions", "[English]|*|[Empty]|[Deutsch]|*", "English,Deutsch"},
        ListCase{"ShortSectionAtTheEnd", "[English]|*|[Suomi]|yksi|kaksi", "English"},
        ListCase{"BlankSection", "[Blank]|_|[English]|*", "English"}),
    [](const auto& info) { return std::string(info.param.name); });

struct IndexCase {
    const char* name;
    const char* language;
    int expected;
};

class LanguageIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(LanguageIndex, SelectsTheLastExactMatch) {
    const QStringList names{QStringLiteral("English"), QStringLiteral("Deutsch"),
                            QStringLiteral("English")};
    EXPECT_EQ(languageIndex(names, QString::fromUtf8(GetParam().language)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageIndex,
                         ::testing::Values(IndexCase{"Repeated", "English", 2},
                                           IndexCase{"Single", "Deutsch", 1},
                                           IndexCase{"LetterCase", "deutsch", -1},
                                           IndexCase{"Unknown", "Suomi", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every shipped language has its 110 texts, none empty, before the next header.
TEST(ShippedLanguageIni, EverySectionIsComplete) {
    test::TempApp app;
    app.write(QStringLiteral("ini/Language.ini"), test::shippedLanguageIni());
    const QStringList lines = readTextLines(app.ini(QStringLiteral("Language.ini")));
    const QStringList names = languageList(lines);
    EXPECT_EQ(names.mid(0, 3), (QStringList{QStringLiteral("English"), QStringLiteral("Deutsch"),
                                            QStringLiteral("Français")}));
    for (const QString& name : names) {
        std::array<QString, kTextEntries> table;
        ASSERT_TRUE(loadTextTable(table, name, lines, HeaderMatch::LanguageChange))
            << name.toStdString();
        for (int k = 1; k < kTextEntries; ++k) {
            EXPECT_FALSE(table[k].isEmpty()) << name.toStdString() << " entry " << k;
            EXPECT_FALSE(table[k].startsWith(u'[')) << name.toStdString() << " entry " << k;
        }
        const qsizetype header = lines.indexOf(u'[' + name + u']');
        if (header + kTextEntries < lines.size()) {
            EXPECT_TRUE(lines[header + kTextEntries].startsWith(u'[')) << name.toStdString();
        }
        // The joins the code makes rely on these blanks.
        EXPECT_TRUE(table[76].endsWith(u' ')) << name.toStdString();
        EXPECT_TRUE(table[93].startsWith(u' ')) << name.toStdString();
    }
}

} // namespace
} // namespace quiverel
