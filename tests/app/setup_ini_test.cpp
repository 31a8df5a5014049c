#include "app/setup_ini.h"
#include "support/temp_app.h"

#include <QFileInfo>
#include <array>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {
Settings sample() {
    Settings s;
    s.winDrmFolder = QStringLiteral("/home/op/WinDRM");
    s.callSign = QStringLiteral("QV1DEV");
    s.callSignPrefix = QStringLiteral("Y");
    s.resizeSetting = QStringLiteral("800x600");
    s.languageName = QStringLiteral("English");
    s.line6 = 3;
    s.guiSize = 770;
    s.qslFrequency = QStringLiteral("14.230");
    s.qslMode = QStringLiteral("SSTV, Scottie 1");
    s.startupFolder = QString::fromUtf8("/home/op/Empfang \"neu\"/");
    s.autoPaste = true;
    s.savedLeft = 1500;
    s.savedTop = 750;
    s.thumbsPerPage = 30;
    s.textDefaults = {QStringLiteral("Liberation Sans"), true, false, 24.5,
                      QStringLiteral(" 73, de QV1DEV ")};
    s.qslColours = {255, 65280, 16711680};
    s.ftpServer = QStringLiteral("ftp.example.org:2121");
    s.ftpUser = QStringLiteral("op");
    s.ftpPassword = QStringLiteral("p,a\"ss");
    s.ftpFolder = QStringLiteral("/www/sstv");
    return s;
}

AppState stateIn(const test::TempApp& app) {
    AppState s;
    s.appFolder = app.path();
    return s;
}

Settings readBack(const QStringList& lines) {
    Settings s;
    storeSetupItems(s,
                    splitSetupItems(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return s;
}

void expectSame(const Settings& a, const Settings& b) {
    EXPECT_EQ(setupItemTexts(a), setupItemTexts(b));
}
} // namespace

TEST(SetupIni, QuotedAndBareFilesReadBackToTheSameSettings) {
    const Settings s = sample();
    const QStringList quoted = formatSetupLines(s);
    expectSame(readBack(quoted), s);
    EXPECT_EQ(quoted[6], QStringLiteral("\"770\""));
    EXPECT_EQ(quoted[10], QStringLiteral("\"Y\""));
    // Earlier setup pages wrote items bare, quoting only those that would not
    // read back as themselves.
    QStringList bare = setupItemTexts(s);
    for (QString& v : bare)
        if (v.contains(u',') || v.contains(u'"') || v != v.trimmed())
            v = u'"' + QString(v).replace(u'"', QStringLiteral("\"\"")) + u'"';
    ASSERT_EQ(bare[6], QStringLiteral("770"));
    expectSame(readBack(bare), s);
}

TEST(SetupIni, ATextOfSeveralLinesKeepsTheLaterSettingsInPlace) {
    Settings s = sample();
    s.textDefaults.text = QStringLiteral("CQ SSTV\r\nDE QV1DEV\r\n73");
    expectSame(readBack(formatSetupLines(s)), s);
    // An unclosed quote on one line still ends with its line.
    QStringList lines = formatSetupLines(sample());
    lines[1] = QStringLiteral("\"QV1DEV");
    EXPECT_EQ(readBack(lines).callSign, QStringLiteral("QV1DEV"));
    EXPECT_EQ(readBack(lines).guiSize, 770);
}

TEST(SetupIni, ABareCommaSplitsTheItemAndShiftsTheRest) {
    const Settings s = readBack({"/w", "QV1DEV", "Y", "800x600", "English", "0", "770", "14.230",
                                 "SSTV, Scottie 1", "/start/"});
    EXPECT_EQ(s.qslMode, QStringLiteral("SSTV"));
    EXPECT_EQ(s.startupFolder, QStringLiteral("Scottie 1"));
    EXPECT_FALSE(s.autoPaste); // "/start/" landed in line 11
    const Settings q = readBack({"/w", "QV1DEV", "Y", "800x600", "English", "0", "770", "14.230",
                                 "\"SSTV, Scottie 1\"", "\"/start/\""});
    EXPECT_EQ(q.qslMode, QStringLiteral("SSTV, Scottie 1"));
    EXPECT_EQ(q.startupFolder, QStringLiteral("/start/"));
}

TEST(SetupIni, ItemsKeepInnerQuotesAndBlanksAndEmptyLines) {
    const QStringList items = splitSetupItems(
        QStringLiteral("\"a \"b\" c\"\r\n  bare  \r\n\r\n\"\"\r\n\"open quote\r\nlast"));
    EXPECT_EQ(items, QStringList({"a \"b\" c", "bare", "", "", "open quote", "last"}));
}

TEST(SetupIni, NumbersAreReadLeniently) {
    Settings s;
    storeSetupItems(s, {"", "", "", "", "", "x", "770 px", "", "", "", "y", "-5", "abc", "15", "",
                        "2", "0", "12.5pt"});
    EXPECT_EQ(s.guiSize, 770);
    EXPECT_TRUE(s.autoPaste);
    EXPECT_EQ(s.savedLeft, -5);
    EXPECT_EQ(s.savedTop, 0);
    EXPECT_EQ(s.thumbsPerPage, 15);
    EXPECT_TRUE(s.textDefaults.bold);
    EXPECT_FALSE(s.textDefaults.italic);
    EXPECT_DOUBLE_EQ(s.textDefaults.fontSize, 12.5);
}

TEST(SetupIni, AShortFileLeavesTheOtherSettingsAsTheyWere) {
    Settings s = sample();
    storeSetupItems(s, {"/other"});
    EXPECT_EQ(s.winDrmFolder, QStringLiteral("/other"));
    EXPECT_EQ(s.callSign, QStringLiteral("QV1DEV"));
    EXPECT_EQ(s.ftpFolder, QStringLiteral("/www/sstv"));
    // Items after the 26th are ignored.
    QStringList many(30, QStringLiteral("9"));
    storeSetupItems(s, many);
    EXPECT_EQ(s.ftpFolder, QStringLiteral("9"));
}

struct ClampCase {
    int guiSize, expectedGui, menuIndex;
    int perPage, expectedPerPage;
};

class SetupDefaults : public ::testing::TestWithParam<ClampCase> {};

TEST_P(SetupDefaults, ClampGuiSizeAndPageSize) {
    const ClampCase c = GetParam();
    Settings s;
    s.guiSize = c.guiSize;
    s.thumbsPerPage = c.perPage;
    applySetupDefaults(s, QSize(1024, 768));
    EXPECT_EQ(s.guiSize, c.expectedGui);
    EXPECT_EQ(guiSizeMenuIndex(s.guiSize), c.menuIndex);
    EXPECT_EQ(s.thumbsPerPage, c.expectedPerPage);
}

INSTANTIATE_TEST_SUITE_P(Values, SetupDefaults,
                         ::testing::Values(ClampCase{0, 670, 2, 0, 20},
                                           ClampCase{900, 870, 0, 5, 20},
                                           ClampCase{770, 770, 1, 31, 30},
                                           ClampCase{700, 700, 1, 15, 15},
                                           ClampCase{870, 870, 0, 12, 12}));

TEST(SetupIni, DefaultsForColoursAndWindowPlace) {
    Settings s;
    s.savedLeft = 1024 * 15 + 1;
    s.savedTop = -1;
    s.qslColours = {0, 5, 0};
    applySetupDefaults(s, QSize(1024, 768));
    EXPECT_EQ(s.savedLeft, 0);
    EXPECT_EQ(s.savedTop, 0);
    EXPECT_EQ(s.qslColours[0], 65280);
    EXPECT_EQ(s.qslColours[1], 5);
    EXPECT_EQ(s.qslColours[2], 65535);
    s.savedLeft = 1024 * 15;
    s.savedTop = 768 * 15;
    applySetupDefaults(s, QSize(1024, 768));
    EXPECT_EQ(s.savedLeft, 1024 * 15);
    EXPECT_EQ(s.savedTop, 768 * 15);
}

TEST(SetupIni, ResizeSettingGivesIndexAndSize) {
    Settings s;
    s.resizeSetting = QStringLiteral("No Resize");
    deriveResize(s);
    EXPECT_EQ(s.resizeIndex, 10);
    EXPECT_FALSE(s.resizeEnabled);
    s.resizeSetting = QStringLiteral("800x600");
    deriveResize(s);
    EXPECT_EQ(s.resizeIndex, 5);
    EXPECT_TRUE(s.resizeEnabled);
    EXPECT_EQ(s.resizeWidth, 800);
    EXPECT_EQ(s.resizeHeight, 600);
    s.resizeSetting = QStringLiteral("700x500");
    deriveResize(s);
    EXPECT_EQ(s.resizeIndex, 0);
    EXPECT_EQ(s.resizeWidth, 700);
    s.resizeSetting = QStringLiteral("x600");
    deriveResize(s);
    EXPECT_FALSE(s.resizeEnabled);
}

TEST(SetupIni, FileIsReadableByItsOwnerOnly) {
    test::TempApp app;
    const QString path = app.ini(QStringLiteral("Setup.ini"));
    ASSERT_TRUE(writeSetupIni(stateIn(app), sample(), std::nullopt));
    const auto perms = QFileInfo(path).permissions();
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
    Settings back;
    ASSERT_TRUE(readSetupIni(path, back));
    expectSame(back, sample());
}

TEST(SetupIni, BinaryOrWindows1252FilesDoNotStopTheReader) {
    test::TempApp app;
    static const char bytes[] = "\"/w\"\r\n\"D\xD6LZ\"\r\n\0\x01\x02,\xFF\r\n";
    app.write(QStringLiteral("ini/Setup.ini"), QByteArray(bytes, sizeof bytes - 1));
    Settings s;
    ASSERT_TRUE(readSetupIni(app.ini(QStringLiteral("Setup.ini")), s));
    EXPECT_EQ(s.callSign, QString::fromUtf8("DÖLZ"));
}

namespace {
// Every text item of the file, in file order.
std::array<QString*, 14> textItems(Settings& s) {
    return {&s.winDrmFolder,          &s.callSign,          &s.callSignPrefix, &s.resizeSetting,
            &s.languageName,          &s.qslFrequency,      &s.qslMode,        &s.startupFolder,
            &s.textDefaults.fontName, &s.textDefaults.text, &s.ftpServer,      &s.ftpUser,
            &s.ftpPassword,           &s.ftpFolder};
}
} // namespace

class SetupHostileValue : public ::testing::TestWithParam<const char*> {};

TEST_P(SetupHostileValue, ComesBackExactlyInEveryTextItemAndMovesNothing) {
    const QString value = QString::fromUtf8(GetParam());
    for (int k = 0; k < 14; ++k) {
        Settings s = sample();
        *textItems(s)[k] = value;
        Settings back = readBack(formatSetupLines(s));
        EXPECT_EQ(*textItems(back)[k], value) << "text item " << k;
        expectSame(back, s);
    }
    // Through a real file, every text item holding it at once.
    test::TempApp app;
    Settings s = sample();
    for (QString* item : textItems(s))
        *item = value;
    ASSERT_TRUE(writeSetupIni(stateIn(app), s, std::nullopt));
    Settings back;
    ASSERT_TRUE(readSetupIni(app.ini(QStringLiteral("Setup.ini")), back));
    expectSame(back, s);
}

INSTANTIATE_TEST_SUITE_P(Values, SetupHostileValue,
                         ::testing::Values("pa\",ss", "\"", "\"\"", "\",", ",\"", "\"quoted\"",
                                           "a\"\"b", " \" , \" ", "ends with a quote\"", "\"\r\n\"",
                                           "CQ SSTV\r\nde \"QV1DEV\"\r\n73, \"",
                                           "line\nbreak\rand\r\n", "\r\n\"next\"", "  blanks  ",
                                           ",", "", "Grüße \"73\" ✓", "tab\there"));

TEST(SetupIni, FilesOfEarlierVersionsReadAsBefore) {
    // Quotes inside were written as they stood, not doubled.
    const QStringList items = splitSetupItems(
        QStringLiteral("\"say \"hi\" there\"\r\n\"ends with a quote\"\"\r\n\"\"\r\n\"770\"\r\n"
                       "\"CQ\r\nDE QV1DEV\"\r\nbare\r\n"));
    EXPECT_EQ(items, QStringList({"say \"hi\" there", "ends with a quote\"", "", "770",
                                  "CQ\r\nDE QV1DEV", "bare"}));
}
