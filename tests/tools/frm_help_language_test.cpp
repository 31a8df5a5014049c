// The language page: the list, the choice and what closing puts in force.

#include "help_fixture.h"
#include "mainwindow/main_menus.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace quiverel {
namespace {

QByteArray section(const char* name, const char* prefix) {
    QByteArray s = QByteArray("[") + name + "]\r\n";
    for (int k = 1; k <= 110; ++k)
        s += prefix + QByteArray::number(k) + "\r\n";
    return s;
}

struct LanguagePage : ::testing::Test {
    LanguagePage() {
        t.app.write(QStringLiteral("ini/Language.ini"), "; texts\r\n" + section("English", "en") +
                                                            section("Deutsch", "de") +
                                                            section("Français", "fr"));
        t.readTextTable();
    }
    QStringList captions(const frmHelp& w) const {
        QStringList names;
        for (const QRadioButton* o : w.optLang)
            names.append(o->text());
        return names;
    }
    test::HelpContext t;
};

TEST_F(LanguagePage, ListsEverySectionInOrderWithTheCurrentOneSelected) {
    t.state.settings.languageName = QStringLiteral("Deutsch");
    auto w = t.open(HelpPage::Languages);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("en12"));
    EXPECT_TRUE(w->frmLanguage->isVisible());
    EXPECT_EQ(captions(*w), (QStringList{QStringLiteral("English"), QStringLiteral("Deutsch"),
                                         QStringLiteral("Français")}));
    EXPECT_TRUE(w->optLang[1]->isChecked());
    EXPECT_FALSE(w->optLang[0]->isChecked());
    EXPECT_EQ(w->cmdClosed->text(), QStringLiteral("en14"));
    EXPECT_TRUE(w->lblLang->text().endsWith(QStringLiteral("Thank You")));
}

TEST_F(LanguagePage, OpeningTwiceDoesNotDuplicateTheList) {
    auto w = t.open(HelpPage::Languages);
    w->cmdLanguage_Click();
    EXPECT_EQ(w->optLang.size(), 3);
}

TEST_F(LanguagePage, ChoosingALanguageReloadsTheTextsAndWritesSetupIni) {
    auto w = t.open(HelpPage::Languages);
    w->optLang[2]->click();
    w->cmdClosed->click();
    EXPECT_EQ(t.state.settings.languageName, QStringLiteral("Français"));
    EXPECT_EQ(t.state.text[0], QStringLiteral("Français"));
    EXPECT_EQ(t.state.text[1], QStringLiteral("fr1"));
    EXPECT_EQ(t.state.text[110], QStringLiteral("fr110"));
    EXPECT_EQ(t.recaptions, 1);
    EXPECT_EQ(t.setupLines().value(4), QStringLiteral("Français"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(t.prompts.messages().isEmpty());
}

TEST_F(LanguagePage, ClosingWithoutAChoiceReloadsTheSameTexts) {
    t.state.text[1] = QStringLiteral("changed in memory");
    auto w = t.open(HelpPage::Languages);
    w->cmdClosed->click();
    EXPECT_EQ(t.state.text[1], QStringLiteral("en1"));
    EXPECT_EQ(t.setupLines().value(4), QStringLiteral("English"));
    EXPECT_EQ(t.recaptions, 1);
}

TEST_F(LanguagePage, UnfoundSectionKeepsTheTextsInUseAndSaysSo) {
    // Listed (the first header may be indented) but not found on reloading.
    t.app.write(QStringLiteral("ini/Language.ini"),
                "  " + section("Suomi", "fi") + section("English", "en"));
    auto w = t.open(HelpPage::Languages);
    ASSERT_EQ(w->optLang[0]->text(), QStringLiteral("Suomi"));
    w->optLang[0]->click();
    w->cmdClosed->click();
    EXPECT_EQ(t.state.text[0], QStringLiteral("English"));
    EXPECT_EQ(t.state.text[1], QStringLiteral("en1"));
    ASSERT_EQ(t.prompts.messages().size(), 1);
    EXPECT_TRUE(t.prompts.messages()[0].contains(QStringLiteral("Suomi")));
}

TEST_F(LanguagePage, MissingLanguageIniKeepsTheTexts) {
    QFile::remove(t.app.ini(QStringLiteral("Language.ini")));
    auto w = t.open(HelpPage::Languages);
    EXPECT_EQ(w->optLang.size(), 1);
    EXPECT_EQ(w->optLang[0]->text(), QStringLiteral("English"));
    w->cmdClosed->click();
    EXPECT_EQ(t.state.text[1], QStringLiteral("en1"));
    EXPECT_EQ(t.prompts.messages().size(), 1);
}

TEST_F(LanguagePage, MainMenusTakeTheNewCaptionsAtOnce) {
    QMenuBar bar;
    MainMenus menus;
    menus.build(&bar);
    t.state.settings.autoPaste = true;
    HelpHost host = t.host();
    host.reapplyCaptions = [&] { menus.applyCaptions(t.state.text, t.state.settings.autoPaste); };
    frmHelp w(t.ctx, host);
    w.Form_Load();
    w.showPage(HelpPage::Languages);
    w.optLang[1]->click();
    w.cmdClosed->click();
    EXPECT_EQ(menus.mnuPaste->text(), QStringLiteral("de104"));
    EXPECT_EQ(menus.mnuTool[13]->text(), QStringLiteral("de11"));
    EXPECT_EQ(menus.mnuTool[0]->text(), QStringLiteral("de107"));
    EXPECT_EQ(menus.mnuSize[2]->text(), QStringLiteral("de24"));
}

} // namespace
} // namespace quiverel
