#include "app/app_folder.h"
#include "support/temp_app.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct Place {
    const char* name;
    const char* executableFolder;
    bool writable;
    bool installedData;
    const char* dataHome;
    const char* folder;
    const char* layoutFrom;
};

class ApplicationFolderChoice : public testing::TestWithParam<Place> {};

const Place kPlaces[] = {
    {"BuildTree", "/src/build/app", true, false, "/home/op/.local/share", "/src/build/app", ""},
    {"Installed", "/usr/bin", false, true, "/home/op/.local/share",
     "/home/op/.local/share/Quiverel", "/usr/share/quiverel"},
    // An installation into a prefix the user may write is still an installation.
    {"InstalledWritable", "/home/op/opt/bin", true, true, "/home/op/.local/share",
     "/home/op/.local/share/Quiverel", "/home/op/opt/share/quiverel"},
    {"ReadOnlyCopy", "/mnt/cd/quiverel", false, false, "/home/op/.local/share",
     "/home/op/.local/share/Quiverel", "/mnt/cd/quiverel"},
    {"NoDataHome", "/usr/bin", false, true, "", "/usr/bin", ""},
    {"DataHomeWithSlash", "/usr/bin", false, true, "/data/", "/data/Quiverel",
     "/usr/share/quiverel"},
};

} // namespace

TEST_P(ApplicationFolderChoice, FollowsTheKindOfInstallation) {
    const Place& p = GetParam();
    const ApplicationFolder got =
        chooseApplicationFolder(QString::fromUtf8(p.executableFolder), p.writable, p.installedData,
                                QString::fromUtf8(p.dataHome));
    EXPECT_EQ(got.folder, QString::fromUtf8(p.folder));
    EXPECT_EQ(got.layoutFrom, QString::fromUtf8(p.layoutFrom));
}

INSTANTIATE_TEST_SUITE_P(Places, ApplicationFolderChoice, testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

// The installed data as the package ships it.
void shipData(const test::TempApp& data) {
    data.write(QStringLiteral("ini/Language.ini"), "[English]\r\n");
    data.write(QStringLiteral("ini/i_view32.ini"), "[JP2]\r\n");
    data.write(QStringLiteral("Help.txt"), "[English]\r\nhelp\r\n");
    data.write(QStringLiteral("TextFile.jpg"), "jpeg");
    data.write(QStringLiteral("About.png"), "png");
    data.write(QStringLiteral("Samples/first sample ä.jpg"), "one");
    data.write(QStringLiteral("Samples/second.jpg"), "two");
}

// The installed data, and a user's application folder with its ini folder.
class ApplicationFolderLayout : public testing::Test {
protected:
    void SetUp() override { shipData(data); }
    test::TempApp data;
    test::TempApp user;
};

} // namespace

TEST_F(ApplicationFolderLayout, FirstStartCopiesEverythingWithItsDates) {
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    {
        QFile f(data.path() + QStringLiteral("/Samples/second.jpg"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/.local/share/Quiverel");

    EXPECT_TRUE(layOutApplicationFolder(data.path(), folder).isEmpty());
    for (const char* name : {"ini/Language.ini", "ini/i_view32.ini", "Help.txt", "TextFile.jpg",
                             "About.png", "Samples/first sample ä.jpg"})
        EXPECT_EQ(data.read(QString::fromUtf8(name)), [&] {
            QFile f(folder + u'/' + QString::fromUtf8(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
        }()) << name;
    EXPECT_EQ(
        QFileInfo(folder + QStringLiteral("/Samples/second.jpg")).lastModified().toSecsSinceEpoch(),
        old.toSecsSinceEpoch());
}

TEST_F(ApplicationFolderLayout, NeverReplacesTheUsersFilesNorBringsBackRemovedSamples) {
    user.write(QStringLiteral("ini/Folders.ini"), "Received\r\n/home/op/rx/\r\n");
    user.write(QStringLiteral("ini/Language.ini"), "[Deutsch]\r\n");
    user.write(QStringLiteral("ini/Setup.ini"), "\"QV1DEV\"\r\n");

    EXPECT_TRUE(layOutApplicationFolder(data.path(), user.path()).isEmpty());
    EXPECT_EQ(user.read(QStringLiteral("ini/Folders.ini")), "Received\r\n/home/op/rx/\r\n");
    EXPECT_EQ(user.read(QStringLiteral("ini/Language.ini")), "[Deutsch]\r\n");
    EXPECT_EQ(user.read(QStringLiteral("ini/Setup.ini")), "\"QV1DEV\"\r\n");
    EXPECT_FALSE(user.exists(QStringLiteral("Samples")));
    // The program's own files come back when missing.
    EXPECT_EQ(user.read(QStringLiteral("Help.txt")), "[English]\r\nhelp\r\n");
    EXPECT_TRUE(user.exists(QStringLiteral("About.png")));
}

TEST_F(ApplicationFolderLayout, AnInterruptedFirstStartIsCompletedWithoutReplacing) {
    user.write(QStringLiteral("Samples/first sample ä.jpg"), "edited");

    EXPECT_TRUE(layOutApplicationFolder(data.path(), user.path()).isEmpty());
    EXPECT_EQ(user.read(QStringLiteral("Samples/first sample ä.jpg")), "edited");
    EXPECT_EQ(user.read(QStringLiteral("Samples/second.jpg")), "two");
    // Start-up writes the first folder list.
    EXPECT_FALSE(user.exists(QStringLiteral("ini/Folders.ini")));
}

TEST_F(ApplicationFolderLayout, WhatCannotBeMadeIsReported) {
    // A file where the samples folder belongs.
    user.write(QStringLiteral("Samples"), "in the way");

    const QStringList failed = layOutApplicationFolder(data.path(), user.path());
    EXPECT_EQ(failed, QStringList{user.path() + QStringLiteral("/Samples")});
    EXPECT_EQ(user.read(QStringLiteral("Samples")), "in the way");
    EXPECT_TRUE(user.exists(QStringLiteral("Help.txt")));
}

TEST_F(ApplicationFolderLayout, NothingToDoForABuildTree) {
    EXPECT_TRUE(layOutApplicationFolder(QString(), user.path()).isEmpty());
    EXPECT_TRUE(layOutApplicationFolder(user.path(), user.path()).isEmpty());
    EXPECT_FALSE(user.exists(QStringLiteral("Help.txt")));
}

namespace {

// Sets an environment variable for one test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

TEST(ApplicationFolderOnThisMachine, AnInstallationUsesTheDataHomeAndIgnoresARelativeOne) {
    QTemporaryDir prefix, home;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/quiverel")));
    const QString bin = prefix.path() + QStringLiteral("/bin");
    const ScopedEnv homeVar("HOME", QFile::encodeName(home.path()));
    {
        const ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
        const ApplicationFolder got = findApplicationFolder(bin);
        EXPECT_EQ(got.folder, home.path() + QStringLiteral("/data/Quiverel"));
        EXPECT_EQ(got.layoutFrom, prefix.path() + QStringLiteral("/share/quiverel"));
    }
    const ScopedEnv relative("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(findApplicationFolder(bin).folder,
              home.path() + QStringLiteral("/.local/share/Quiverel"));
    // A build tree: no installed data beside it.
    EXPECT_EQ(findApplicationFolder(home.path()).folder, home.path());
}
