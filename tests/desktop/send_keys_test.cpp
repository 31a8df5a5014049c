#include "desktop/send_keys.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

SentKey key(char c, unsigned modifiers = 0) {
    return {quint32(uchar(c)), modifiers};
}
SentKey named(quint32 sym, unsigned modifiers = 0) {
    return {sym, modifiers};
}

QList<SentKey> parsed(const char* notation) {
    const auto keys = parseSendKeys(QString::fromUtf8(notation));
    EXPECT_TRUE(keys.has_value()) << notation;
    return keys.value_or(QList<SentKey>{});
}

} // namespace

TEST(SendKeys, TheThreeSstvProgramsKeys) {
    EXPECT_EQ(parsed("{F7}"), (QList<SentKey>{named(keysym::F1 + 6)}));
    EXPECT_EQ(parsed("1t1p"), (QList<SentKey>{key('1'), key('t'), key('1'), key('p')}));
    // The menu accelerator: Alt with the lower-case e, no Shift.
    EXPECT_EQ(parsed("%{E}"), (QList<SentKey>{key('e', KeyAlt)}));
    EXPECT_EQ(parsed("%e"), (QList<SentKey>{key('e', KeyAlt)}));
    EXPECT_EQ(parsed("p"), (QList<SentKey>{key('p')}));
}

TEST(SendKeys, ModifiersHoldForTheNextKeyOrGroupOnly) {
    EXPECT_EQ(parsed("^c"), (QList<SentKey>{key('c', KeyControl)}));
    EXPECT_EQ(parsed("+a"), (QList<SentKey>{key('a', KeyShift)}));
    EXPECT_EQ(parsed("^%+{DEL}x"),
              (QList<SentKey>{named(keysym::Delete, KeyControl | KeyAlt | KeyShift), key('x')}));
    EXPECT_EQ(parsed("+(ab)c"), (QList<SentKey>{key('a', KeyShift), key('b', KeyShift), key('c')}));
    EXPECT_EQ(parsed("^(a%b)c"),
              (QList<SentKey>{key('a', KeyControl), key('b', KeyControl | KeyAlt), key('c')}));
    // An upper-case letter is its key with Shift; Shift written too changes nothing.
    EXPECT_EQ(parsed("A+B"), (QList<SentKey>{key('a', KeyShift), key('b', KeyShift)}));
    EXPECT_EQ(parsed("%E"), (QList<SentKey>{key('e', KeyAlt | KeyShift)}));
}

TEST(SendKeys, NamedKeysInAnyCaseWithRepeatCounts) {
    EXPECT_EQ(
        parsed("{ENTER}{enter}~{TAB}{ESC}{BACKSPACE}{BS}{DEL}{DELETE}"),
        (QList<SentKey>{named(keysym::Return), named(keysym::Return), named(keysym::Return),
                        named(keysym::Tab), named(keysym::Escape), named(keysym::BackSpace),
                        named(keysym::BackSpace), named(keysym::Delete), named(keysym::Delete)}));
    EXPECT_EQ(parsed("{HOME}{END}{PGUP}{PGDN}{UP}{DOWN}{LEFT}{RIGHT}{INS}"),
              (QList<SentKey>{named(keysym::Home), named(keysym::End), named(keysym::PageUp),
                              named(keysym::PageDown), named(keysym::Up), named(keysym::Down),
                              named(keysym::Left), named(keysym::Right), named(keysym::Insert)}));
    EXPECT_EQ(parsed("{F1}{f12}{F16}"),
              (QList<SentKey>{named(keysym::F1), named(keysym::F1 + 11), named(keysym::F1 + 15)}));
    EXPECT_EQ(parsed("{LEFT 3}"), (QList<SentKey>(3, named(keysym::Left))));
    EXPECT_EQ(parsed("{x 2}"), (QList<SentKey>{key('x'), key('x')}));
    EXPECT_EQ(parsed("{x 0}"), QList<SentKey>{});
    EXPECT_EQ(parsed("+{TAB 2}"),
              (QList<SentKey>{named(keysym::Tab, KeyShift), named(keysym::Tab, KeyShift)}));
}

TEST(SendKeys, BracesMakeTheSpecialCharactersLiteral) {
    EXPECT_EQ(parsed("{{}{}}"), (QList<SentKey>{key('{'), key('}')}));
    EXPECT_EQ(parsed("{+}{^}{%}{~}{(}{)}"),
              (QList<SentKey>{key('+'), key('^'), key('%'), key('~'), key('('), key(')')}));
    EXPECT_EQ(parsed("{} 2}"), (QList<SentKey>{key('}'), key('}')}));
    EXPECT_EQ(parsed("{ }"), (QList<SentKey>{key(' ')}));
}

TEST(SendKeys, OtherCharactersAreTypedAsThemselves) {
    EXPECT_EQ(parsed("a b.9"), (QList<SentKey>{key('a'), key(' '), key('b'), key('.'), key('9')}));
    EXPECT_EQ(parsed("\xc3\xa4\xc3\x84"), // ä, Ä
              (QList<SentKey>{named(0xe4), named(0xe4, KeyShift)}));
    EXPECT_EQ(parsed("\xe2\x82\xac"), (QList<SentKey>{named(0x010020ac)})); // €
    EXPECT_EQ(parsed("a\r\nb\tc"), (QList<SentKey>{key('a'), named(keysym::Return), key('b'),
                                                   named(keysym::Tab), key('c')}));
    EXPECT_EQ(parsed(""), QList<SentKey>{});
}

TEST(SendKeys, MalformedNotationTypesNothing) {
    for (const char* bad :
         {"{", "}", "{}", "a{F7", "{NOSUCHKEY}", "{F17}", "%", "x^", "+%+a", "(ab", "ab)", "+(a+)",
          "{F7 -1}", "{F7 +2}", "{a 256}", "{a 99999999999}", "{F7 2x}", "a\x01"}) {
        EXPECT_FALSE(parseSendKeys(QString::fromUtf8(bad)).has_value()) << bad;
    }
    EXPECT_TRUE(parseSendKeys(QStringLiteral("{a 255}")).has_value());
}
