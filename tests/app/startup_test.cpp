#include "app/startup.h"
#include "support/read_only_folder.h"
#include "support/scripted_prompts.h"
#include "support/temp_app.h"
#include "util/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {
AppState stateIn(const test::TempApp& app) {
    AppState s;
    s.appFolder = app.path();
    return s;
}
} // namespace

TEST(Startup, ButtonsIniReplacesFoldersIniAndTheOldConverterIsRenamed) {
    test::TempApp app;
    app.write(QStringLiteral("ini/Buttons.ini"), "New\r\n/new/\r\n");
    app.write(QStringLiteral("ini/Folders.ini"), "Old\r\n/old/\r\n");
    app.write(QStringLiteral("iview32.exe"), "converter");
    migrateOldFiles(app.path());
    EXPECT_FALSE(app.exists(QStringLiteral("ini/Buttons.ini")));
    EXPECT_EQ(app.read(QStringLiteral("ini/Folders.ini")), QByteArray("New\r\n/new/\r\n"));
    EXPECT_EQ(app.read(QStringLiteral("i__view32.exe")), QByteArray("converter"));

    // With both converters present nothing is renamed.
    app.write(QStringLiteral("iview32.exe"), "older");
    migrateOldFiles(app.path());
    EXPECT_EQ(app.read(QStringLiteral("i__view32.exe")), QByteArray("converter"));
    EXPECT_TRUE(app.exists(QStringLiteral("iview32.exe")));
}

TEST(Startup, MissingFilesGiveTheDefaultsAndATxFolder) {
    test::TempApp app;
    AppState s = stateIn(app);
    loadSettings(s, QSize(1024, 768));
    EXPECT_TRUE(s.folders.rows.isEmpty());
    EXPECT_EQ(s.settings.guiSize, 670);
    EXPECT_EQ(s.settings.thumbsPerPage, 20);
    EXPECT_EQ(s.settings.languageName, QStringLiteral("English"));
    EXPECT_EQ(s.text[0], QStringLiteral("English"));
    EXPECT_EQ(s.settings.winDrmFolder, app.path());
    EXPECT_EQ(s.transmit.txFolder, app.path() + QStringLiteral("/TX"));
    EXPECT_TRUE(QFileInfo(s.transmit.txFolder).isDir());
    EXPECT_EQ(s.settings.jp2TargetSize, 0);
    EXPECT_DOUBLE_EQ(s.settings.guiScale, 768.0 / 670.0);
}

TEST(Startup, WinDrmFolderFallsBackUnlessItExists) {
    test::TempApp app;
    EXPECT_EQ(winDrmFolderInUse(QStringLiteral("none"), app.path()), app.path());
    EXPECT_EQ(winDrmFolderInUse(QStringLiteral("/no/such/folder"), app.path()), app.path());
    QDir(app.path()).mkdir(QStringLiteral("WinDRM"));
    EXPECT_EQ(winDrmFolderInUse(app.path() + QStringLiteral("/WinDRM/"), QStringLiteral("/x")),
              app.path() + QStringLiteral("/WinDRM"));
}

TEST(Startup, StartupFolderIsTheLastMatchingRowElseRowZero) {
    AppState s;
    s.folders.rows = {{"A", "/a/"}, {"B", "/b/"}, {"B2", "/b/"}};
    chooseStartupFolder(s);
    EXPECT_EQ(s.current.folder, QStringLiteral("/a/"));
    EXPECT_EQ(s.settings.startupFolder, QStringLiteral("/a/"));
    s.settings.startupFolder = QStringLiteral("/b/");
    chooseStartupFolder(s);
    EXPECT_EQ(s.current.folderIndex, 2);
    s.settings.startupFolder = QStringLiteral("/gone/");
    chooseStartupFolder(s);
    EXPECT_EQ(s.current.folderIndex, 0);
}

TEST(Startup, ShutdownWritesTheSettingsAndRemovesScratchFiles) {
    test::TempApp app;
    app.write(QStringLiteral("ini/Setup.ini"),
              "\"\"\r\n\"QV1DEV\"\r\n\"N\"\r\n\"640x480\"\r\n\"\"\r\n\"7\"\r\n\"770\"\r\n");
    app.write(QStringLiteral("ini/i_view32.ini"),
              "[JP2]\r\na\r\nb\r\nSaveCompressionFileSize = 15000\r\n");
    app.write(QStringLiteral("ini/Folders.ini"), "Keep\r\n/keep/\r\n");
    app.write(QStringLiteral("Temp.bmp"), "x");
    app.write(QStringLiteral("QSL.bmp"), "x");
    AppState s = stateIn(app);
    loadSettings(s, QSize(1024, 768));
    EXPECT_EQ(s.settings.jp2TargetSize, 15000);
    EXPECT_EQ(s.settings.resizeWidth, 640);

    s.folders.rows.clear(); // an empty list leaves Folders.ini alone
    saveOnShutdown(s, QPoint(300, 450));
    EXPECT_FALSE(app.exists(QStringLiteral("Temp.bmp")));
    EXPECT_FALSE(app.exists(QStringLiteral("QSL.bmp")));
    EXPECT_EQ(app.read(QStringLiteral("ini/Folders.ini")), QByteArray("Keep\r\n/keep/\r\n"));
    EXPECT_EQ(
        app.read(QStringLiteral("ini/i_view32.ini")),
        QByteArray(
            "[JP2]\r\nSaveOption = 3\r\nSaveQuality = 90\r\nSaveCompressionFileSize = 15000\r\n"));
    const QStringList setup = readTextLines(app.ini(QStringLiteral("Setup.ini")));
    ASSERT_EQ(setup.size(), 26);
    EXPECT_EQ(setup[0], u'"' + app.path() + u'"'); // the WinDRM folder in use
    EXPECT_EQ(setup[5], QStringLiteral("\"7\""));
    EXPECT_EQ(setup[11], QStringLiteral("\"300\""));
    EXPECT_EQ(setup[12], QStringLiteral("\"450\""));

    // Minimised: the place read at start-up is kept.
    s.settings.savedLeft = 15;
    saveOnShutdown(s, std::nullopt);
    EXPECT_EQ(readTextLines(app.ini(QStringLiteral("Setup.ini")))[11], QStringLiteral("\"15\""));
}

TEST(Startup, SettingsThatCannotBeWrittenAtShutdownAreReported) {
    test::TempApp app;
    app.write(QStringLiteral("ini/Setup.ini"), "\"QV1OLD\"\r\n");
    AppState s = stateIn(app);
    s.settings.callSign = QStringLiteral("QV1NEW");
    s.folders.rows = {{QStringLiteral("Rx"), QStringLiteral("/rx/")}};
    QStringList unsaved;
    {
        const test::ReadOnlyFolder readOnly(s.iniFolder());
        if (!readOnly.held()) GTEST_SKIP() << "the ini folder cannot be made read-only";
        unsaved = saveOnShutdown(s, QPoint(300, 450));
    }
    EXPECT_EQ(unsaved, QStringList({s.iniFile(QStringLiteral("i_view32.ini")),
                                    s.iniFile(QStringLiteral("Setup.ini")),
                                    s.iniFile(QStringLiteral("Folders.ini"))}));
    EXPECT_EQ(app.read(QStringLiteral("ini/Setup.ini")), QByteArray("\"QV1OLD\"\r\n"));

    // A box only for a user who closed the window; stderr in any case.
    ScriptedPrompts prompts;
    reportUnsaved(unsaved, prompts, nullptr);
    EXPECT_TRUE(prompts.messages().isEmpty());
    QWidget window;
    reportUnsaved(unsaved, prompts, &window);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0],
              QStringLiteral("The settings could not be saved:\n") + unsaved.join(u'\n'));
}

TEST(Startup, AMangledLanguageFileOrSetupFileStillStarts) {
    test::TempApp app;
    QByteArray noise(5000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919) % 256);
    app.write(QStringLiteral("ini/Language.ini"), noise);
    app.write(QStringLiteral("ini/Setup.ini"), noise);
    app.write(QStringLiteral("ini/Folders.ini"), noise);
    AppState s = stateIn(app);
    loadSettings(s, QSize(1024, 768));
    EXPECT_GE(s.settings.guiSize, 670);
    EXPECT_LE(s.settings.guiSize, 870);
    EXPECT_GE(s.settings.thumbsPerPage, 12);
    EXPECT_LE(s.settings.thumbsPerPage, 30);
}
