#include "tools/setup_confirm.h"
#include "tools/setup_fields.h"
#include "tools/setup_mug_shot.h"

#include "help_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace quiverel {
namespace {

struct CallCase {
    const char* name;
    const char* typed;
    const char* shown;
};

class CallSign : public ::testing::TestWithParam<CallCase> {};

TEST_P(CallSign, CapitalsAndSlashedZeros) {
    const CallCase& c = GetParam();
    EXPECT_EQ(slashedZeros(typedCallSign(QString::fromUtf8(c.typed))), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Cases, CallSign,
                         ::testing::Values(CallCase{"Letters", "w1abc", "W1ABC"},
                                           CallCase{"Zero", "k0xyz", "KØXYZ"},
                                           CallCase{"Portable", "dl/k0abc/p", "DL/KØABC/P"},
                                           CallCase{"OnlyAsciiLetters", "ßé0", "ßéØ"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct MugCase {
    const char* name;
    double width, height; // natural, twips
    QRectF expected;      // shown, twips
};

class MugPreview : public ::testing::TestWithParam<MugCase> {};

TEST_P(MugPreview, FitsTheBoxAroundItsCentre) {
    const MugCase& c = GetParam();
    const QRectF r = mugPreviewTwips(QSizeF(c.width, c.height));
    EXPECT_NEAR(r.x(), c.expected.x(), 1e-6);
    EXPECT_NEAR(r.y(), c.expected.y(), 1e-6);
    EXPECT_NEAR(r.width(), c.expected.width(), 1e-6);
    EXPECT_NEAR(r.height(), c.expected.height(), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MugPreview,
    ::testing::Values(MugCase{"Wide", 3000, 1000, QRectF(5100, 2200, 1500, 500)},
                      MugCase{"Tall", 1000, 1200, QRectF(5350, 1850, 1000, 1200)},
                      // Exactly 4:3 goes by the height.
                      MugCase{"FourByThree", 3000, 2250, QRectF(5050, 1850, 1600, 1200)},
                      MugCase{"Small", 150, 300, QRectF(5550, 1850, 600, 1200)},
                      MugCase{"Empty", 0, 100, QRectF()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupFolder, LastRowWithTheCaptionWins) {
    const QList<FolderRow> rows{{QStringLiteral("A"), QStringLiteral("/a/")},
                                {QStringLiteral("B"), QStringLiteral("/b1/")},
                                {QStringLiteral("B"), QStringLiteral("/b2/")}};
    EXPECT_EQ(startupFolderFor(rows, QStringLiteral("B"), QStringLiteral("/a/")),
              QStringLiteral("/b2/"));
    EXPECT_EQ(startupFolderFor(rows, QStringLiteral("Z"), QStringLiteral("/a/")),
              QStringLiteral("/a/"));
    EXPECT_EQ(startupCaption(rows, QStringLiteral("/b1/")), QStringLiteral("B"));
    EXPECT_EQ(startupCaption(rows, QStringLiteral("/x/")), QString());
}

TEST(ThumbsChoice, ByTheSelectedOption) {
    EXPECT_EQ(thumbsChoice(true, false, false), 12);
    EXPECT_EQ(thumbsChoice(false, true, false), 20);
    EXPECT_EQ(thumbsChoice(false, false, true), 30);
    EXPECT_EQ(thumbsChoice(false, false, false), 0);
}

// Confirming, each case from the fixture's state: 20 per page, WinDRM = the
// application folder, call sign empty.
struct ConfirmCase {
    const char* name;
    const char* winDrm; // "$APP" stands for the application folder
    const char* call;
    int thumbs;
    SetupResult result;
    const char* line1;
    const char* line14;
};

class Confirm : public ::testing::TestWithParam<ConfirmCase> {};

TEST_P(Confirm, WritesSetupIniAndPutsTheChoicesInForce) {
    const ConfirmCase& c = GetParam();
    test::HelpContext t;
    QDir(t.app.path()).mkpath(QStringLiteral("drm"));
    QString winDrm = QString::fromUtf8(c.winDrm);
    winDrm.replace(QStringLiteral("$APP"), t.app.path());
    const SetupOutcome out = confirmSetup(
        t.state, {winDrm, QString::fromUtf8(c.call), true, c.thumbs}, QPoint(150, 300));
    EXPECT_EQ(out.result, c.result);
    const QStringList lines = t.setupLines();
    ASSERT_EQ(lines.size(), 26);
    QString line1 = QString::fromUtf8(c.line1);
    line1.replace(QStringLiteral("$APP"), t.app.path());
    EXPECT_EQ(lines[0], line1);
    EXPECT_EQ(lines[1], QString::fromUtf8(c.call));
    EXPECT_EQ(lines[2], QStringLiteral("Y"));
    EXPECT_EQ(lines[11], QStringLiteral("150"));
    EXPECT_EQ(lines[12], QStringLiteral("300"));
    EXPECT_EQ(lines[13], QString::fromUtf8(c.line14));
    EXPECT_EQ(t.state.settings.callSign, QString::fromUtf8(c.call));
    if (c.result == SetupResult::FolderMissing) {
        // The folder in use stays, so hand-offs still find their TX folder.
        EXPECT_EQ(t.state.settings.winDrmFolder, t.app.path());
        EXPECT_FALSE(QFileInfo::exists(out.winDrmFolder + QStringLiteral("/TX")));
    } else {
        EXPECT_EQ(t.state.settings.winDrmFolder, out.winDrmFolder);
        EXPECT_EQ(t.state.transmit.txFolder, out.winDrmFolder + QStringLiteral("/TX"));
        EXPECT_TRUE(QFileInfo(t.state.transmit.txFolder).isDir());
    }
    // The grid size comes in through the restart, which reads Setup.ini.
    EXPECT_EQ(t.state.settings.thumbsPerPage, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Confirm,
    ::testing::Values(
        ConfirmCase{"NoneMeansApplicationFolder", "none", "W1ABC", 20, SetupResult::Done, "none",
                    "20"},
        ConfirmCase{"EmptyMeansApplicationFolder", "", "W1ABC", 20, SetupResult::Done, "", "20"},
        ConfirmCase{"OnlyCallSignChanged", "$APP", "KØXYZ", 20, SetupResult::Done, "$APP", "20"},
        ConfirmCase{"FiveBySixRestarts", "$APP/drm/", "W1ABC", 30, SetupResult::Restart,
                    "$APP/drm/", "30"},
        ConfirmCase{"NoOptionWritesZero", "$APP", "W1ABC", 0, SetupResult::Restart, "$APP", "0"},
        ConfirmCase{"MissingFolder", "$APP/gone", "W1ABC", 30, SetupResult::FolderMissing,
                    "$APP/gone", "30"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Confirm, UnwritableSetupIniChangesNothing) {
    test::HelpContext t;
    QDir(t.app.path()).mkpath(QStringLiteral("ini/Setup.ini")); // a folder in its place
    const SetupOutcome out =
        confirmSetup(t.state, {QStringLiteral("none"), QStringLiteral("W1ABC"), true, 30}, {});
    EXPECT_EQ(out.result, SetupResult::NotWritten);
    EXPECT_EQ(t.state.settings.callSign, QString());
    EXPECT_EQ(t.state.settings.callSignPrefix, QStringLiteral("N"));
}

TEST(Confirm, MinimisedMainWindowKeepsThePositionReadAtStartUp) {
    test::HelpContext t;
    t.state.settings.savedLeft = 4500;
    t.state.settings.savedTop = 600;
    confirmSetup(t.state, {QStringLiteral("none"), {}, false, 20}, std::nullopt);
    const QStringList lines = t.setupLines();
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[11], QStringLiteral("4500"));
    EXPECT_EQ(lines[12], QStringLiteral("600"));
    EXPECT_EQ(lines[2], QStringLiteral("N"));
}

TEST(Confirm, MissingFolderMessageJoinsTheEntries) {
    test::HelpContext t;
    EXPECT_EQ(missingFolderMessage(t.state.text, QStringLiteral("/home/op/drm")),
              t.state.text[76] + QStringLiteral("/home/op/drm") + t.state.text[93] + u'\n' +
                  t.state.text[94]);
    EXPECT_TRUE(missingFolderMessage(t.state.text, QStringLiteral("/x"))
                    .startsWith(QStringLiteral("Folder /x does not exist.")));
}

TEST(MugShot, CopiedWhateverItsFormatAndChoosingItselfKeepsIt) {
    test::TempApp app;
    app.write(QStringLiteral("pics/me.bmp"), "BM-not-really");
    EXPECT_FALSE(copyMugShot(app.path() + QStringLiteral("/pics/me.bmp"), app.path()));
    EXPECT_EQ(app.read(QStringLiteral("Mug.jpg")), QByteArray("BM-not-really"));
    EXPECT_FALSE(copyMugShot(mugShotPath(app.path()), app.path()));
    EXPECT_EQ(app.read(QStringLiteral("Mug.jpg")), QByteArray("BM-not-really"));
    EXPECT_TRUE(copyMugShot(app.path() + QStringLiteral("/pics/gone.jpg"), app.path()));
    EXPECT_EQ(app.read(QStringLiteral("Mug.jpg")), QByteArray("BM-not-really"));
    EXPECT_EQ(folderOfFile(QStringLiteral("/a b/c'd/x.jpg")), QStringLiteral("/a b/c'd/"));
}

} // namespace
} // namespace quiverel
