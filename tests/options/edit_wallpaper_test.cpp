#include "options/edit_picture.h"
#include "options/wallpaper.h"

#include "catalogue/file_names.h"
#include "imaging/picture_file.h"
#include "options_fixture.h"
#include "process/shell_and_wait.h"
#include "support/test_context.h"
#include "util/file_times.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <gtest/gtest.h>

using namespace quiverel;
using test::writeBytes;
using test::writePicture;

namespace {

// The editor window of the test: does what the test says to the file, and
// makes thumbnails as the real converter does.
class EditingConverter : public test::NullConverter {
public:
    std::function<void(const QString&)> onEdit;
    QStringList thumbnails;
    bool edit(const QString& file) override {
        if (onEdit) onEdit(file);
        return true;
    }
    bool thumbnail(const QString& source, const QString& target) override {
        thumbnails.append(target);
        return savePicture(loadPicture(source).scaled(16, 12), target);
    }
};

class Edit : public ::testing::Test {
protected:
    void SetUp() override {
        folder = app.path() + QStringLiteral("/pics/");
        writePicture(folder + "a.png", test::plainPicture(QSize(40, 30)));
        QFile file(folder + "a.png");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                         QFileDevice::FileModificationTime);
    }
    test::TempApp app;
    QString folder;
    EditingConverter converter;
};

TEST_F(Edit, NothingSavedRemakesNoThumbnail) {
    const EditResult r = editPicture(converter, folder, "a.png", "2024-05-01 10:20:30", 0);
    EXPECT_TRUE(r.started);
    EXPECT_FALSE(r.changed);
    EXPECT_TRUE(converter.thumbnails.isEmpty());
    EXPECT_FALSE(QFile::exists(thumbnailPathOf(folder, "a.png")));
}

TEST_F(Edit, SavedPictureGetsThumbnailDatedLikeItsRow) {
    converter.onEdit = [](const QString& file) {
        writePicture(file, test::plainPicture(QSize(40, 30), Qt::red));
    };
    const EditResult r = editPicture(converter, folder, "a.png", "2024-05-01 10:20:30", 0);
    EXPECT_TRUE(r.changed);
    const QString thumb = thumbnailPathOf(folder, "a.png");
    ASSERT_EQ(converter.thumbnails, QStringList{thumb});
    EXPECT_EQ(QFileInfo(thumb).lastModified(),
              parseDateTimeText(QStringLiteral("2024-05-01 10:20:30")));
}

TEST_F(Edit, PictureSavedUnderNewNameCounts) {
    converter.onEdit = [this](const QString&) {
        writePicture(folder + "copy.jpg", test::plainPicture(QSize(4, 4)));
    };
    EXPECT_TRUE(editPicture(converter, folder, "a.png", {}, 0).changed);
}

TEST_F(Edit, TextFilesAndOtherKindsAreNotCounted) {
    writeBytes(folder + "notes.txt", "text");
    writeBytes(folder + "b.JP2", "x");
    writeBytes(folder + "c.jpeg", "x");
    EXPECT_EQ(countPictureFiles(folder), 2);
}

struct WallpaperCase {
    const char* desktop;
    QList<ProgramCall> calls;
};

class WallpaperCommands : public ::testing::TestWithParam<WallpaperCase> {};

TEST_P(WallpaperCommands, ByDesktop) {
    EXPECT_EQ(wallpaperCommands(QString::fromUtf8(GetParam().desktop),
                                QStringLiteral("/home/o'b/My Pics/Wallpaper.bmp")),
              GetParam().calls);
}

const QString kFile = QStringLiteral("/home/o'b/My Pics/Wallpaper.bmp");
const QString kUri = QStringLiteral("file:///home/o'b/My%20Pics/Wallpaper.bmp");
ProgramCall gset(const char* schema, const char* key, const QString& value) {
    return {"gsettings", {"set", QString::fromUtf8(schema), QString::fromUtf8(key), value}};
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, WallpaperCommands,
    ::testing::Values(
        WallpaperCase{"ubuntu:GNOME",
                      {gset("org.gnome.desktop.background", "picture-uri", kUri),
                       gset("org.gnome.desktop.background", "picture-uri-dark", kUri),
                       gset("org.gnome.desktop.background", "picture-options", "scaled")}},
        WallpaperCase{"X-Cinnamon",
                      {gset("org.cinnamon.desktop.background", "picture-uri", kUri),
                       gset("org.cinnamon.desktop.background", "picture-options", "scaled")}},
        WallpaperCase{"MATE",
                      {gset("org.mate.background", "picture-filename", kFile),
                       gset("org.mate.background", "picture-options", "scaled")}},
        WallpaperCase{"XFCE",
                      {{"xfconf-query",
                        {"--channel", "xfce4-desktop", "--property",
                         "/backdrop/screen0/monitor0/workspace0/last-image", "--create", "--type",
                         "string", "--set", kFile}}}},
        WallpaperCase{"KDE", {{"plasma-apply-wallpaperimage", {kFile}}}}, WallpaperCase{"", {}},
        WallpaperCase{"openbox", {}}));

TEST(Wallpaper, FittedToScreenAndHandedToDesktop) {
    test::TempApp app;
    QList<ProgramCall> ran;
    const FileActionReport r = setWallpaper(test::plainPicture(QSize(400, 100)), QSize(1024, 768),
                                            app.path(), "KDE", [&ran](const ProgramCall& c) {
                                                ran.append(c);
                                                return ProgramExit{};
                                            });
    EXPECT_TRUE(r.isEmpty());
    const QString file = app.path() + "/Wallpaper.bmp";
    EXPECT_EQ(loadPicture(file).size(), QSize(1024, 256));
    EXPECT_EQ(ran, wallpaperCommands("KDE", file));
}

TEST(Wallpaper, UnknownDesktopOrMissingToolSaysWhereThePictureIs) {
    test::TempApp app;
    const auto refuse = [](const ProgramCall&) { return ProgramExit{ENOENT, 0, {}}; };
    for (const char* desktop : {"openbox", "GNOME"}) {
        const FileActionReport r = setWallpaper(test::plainPicture(QSize(40, 30)), QSize(1024, 768),
                                                app.path(), desktop, refuse);
        EXPECT_TRUE(r.text.contains(app.path() + "/Wallpaper.bmp")) << desktop;
    }
    const FileActionReport none =
        setWallpaper(QImage(), QSize(1024, 768), app.path(), "KDE", refuse);
    EXPECT_EQ(none.icon, PromptIcon::Warning);
}

// gsettings that runs and fails ("failed to commit changes to dconf") was
// taken for success; only a tool that could not start was told.
TEST(Wallpaper, AToolThatFailsIsToldWithItsOwnErrorText) {
    test::TempApp app;
    int runs = 0;
    const FileActionReport r =
        setWallpaper(test::plainPicture(QSize(40, 30)), QSize(1024, 768), app.path(), "GNOME",
                     [&runs](const ProgramCall&) {
                         ++runs;
                         return ProgramExit{0, 1, "failed to commit changes to dconf"};
                     });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(r.icon, PromptIcon::Warning);
    const QString file = app.path() + "/Wallpaper.bmp";
    const ProgramCall first = wallpaperCommands("GNOME", file).first();
    EXPECT_EQ(r.text, "The wallpaper was saved as\n" + file +
                          "\nbut the desktop could not be set to show it.\n" +
                          commandLineText(first.program, first.arguments) +
                          "\nended with code 1:\nfailed to commit changes to dconf");
}

} // namespace
