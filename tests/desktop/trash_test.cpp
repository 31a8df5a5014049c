#include "desktop/trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct TrashPlace {
    const char* name;
    const char* trashed;
    bool inTrash;
};

struct TrashPlaces : ::testing::TestWithParam<TrashPlace> {};

TEST_P(TrashPlaces, OnlyTheFilesFolderOfAKnownTrashCounts) {
    EXPECT_EQ(isInFreedesktopTrash(QString::fromUtf8(GetParam().trashed),
                                   QStringLiteral("/home/op/.local/share/Trash"),
                                   QStringLiteral("/media/usb"), 1000),
              GetParam().inTrash);
}

INSTANTIATE_TEST_SUITE_P(
    Places, TrashPlaces,
    ::testing::Values(TrashPlace{"Home", "/home/op/.local/share/Trash/files/sky.jpg", true},
                      TrashPlace{"TopDirShared", "/media/usb/.Trash/1000/files/sky.jpg", true},
                      TrashPlace{"TopDirOwn", "/media/usb/.Trash-1000/files/sky.jpg", true},
                      TrashPlace{"OtherUser", "/media/usb/.Trash-1001/files/sky.jpg", false},
                      TrashPlace{"RootOfFileSystem", "/files/sky.jpg", false},
                      TrashPlace{"InfoFolder", "/home/op/.local/share/Trash/info/sky.jpg", false},
                      TrashPlace{"Sneaky", "/home/op/.local/share/Trash/files/../../x.jpg", false}),
    [](const auto& info) { return std::string(info.param.name); });

// An account whose ~/.local/share does not exist yet.
TEST(Trash, AHomeWithoutItsDataFolderGetsATrashAndThePictureLandsInIt) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DATA_HOME");
    const QString picture = home.path() + QStringLiteral("/rx/sky 'blue'.jpg");
    QDir().mkpath(home.path() + QStringLiteral("/rx"));
    QFile f(picture);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("picture");
    f.close();

    const bool moved = moveFileToTrash(picture);
    qputenv("HOME", oldHome);
    if (oldData.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldData);

    ASSERT_TRUE(moved);
    EXPECT_FALSE(QFileInfo::exists(picture));
    const QString trash = home.path() + QStringLiteral("/.local/share/Trash");
    EXPECT_TRUE(QFileInfo::exists(trash + QStringLiteral("/files/sky 'blue'.jpg")));
    EXPECT_TRUE(QFileInfo::exists(trash + QStringLiteral("/info/sky 'blue'.jpg.trashinfo")));
    EXPECT_EQ(QFileInfo(trash).permissions() & 0x0077, 0); // nobody else may look in
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/files/sky 'blue'.jpg")));
}

} // namespace
