#include "options/convert_picture.h"
#include "options/copy_to_folder.h"
#include "options/delete_picture.h"
#include "options/rename_picture.h"

#include "catalogue/file_names.h"
#include "imaging/picture_file.h"
#include "options_fixture.h"
#include "support/test_context.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace quiverel;
using test::readBytes;
using test::writeBytes;
using test::writePicture;

namespace {

class FileActions : public ::testing::Test {
protected:
    void SetUp() override {
        t.readTextTable();
        folder = t.app.path() + QStringLiteral("/pics/");
        other = t.app.path() + QStringLiteral("/Other Folder 'ü'/");
        QDir().mkpath(folder);
        QDir().mkpath(other);
    }
    const TextTable& text() const { return t.state.text; }

    test::TestContext t{test::TestConverter::InProcess};
    QString folder;
    QString other;
};

// --- rename ---

TEST_F(FileActions, RenameKeepsExtensionAndRenamesThumbnail) {
    writePicture(folder + "old.jpg", test::plainPicture(QSize(40, 30)));
    writePicture(thumbnailPathOf(folder, "old.jpg"), test::plainPicture(QSize(40, 30)));
    const RenameResult r = renamePicture(folder, "old.jpg", "new.name.txt", text());
    ASSERT_TRUE(r.renamed);
    EXPECT_EQ(r.newName, "new.jpg");
    EXPECT_TRUE(QFile::exists(folder + "new.jpg"));
    EXPECT_FALSE(QFile::exists(folder + "old.jpg"));
    EXPECT_TRUE(QFile::exists(thumbnailPathOf(folder, "new.jpg")));
    EXPECT_FALSE(QFile::exists(thumbnailPathOf(folder, "old.jpg")));
    EXPECT_EQ(r.report.text, "File renamed from\n" + folder + "old.jpg\nto\n" + folder + "new.jpg");
}

TEST_F(FileActions, RenameWithoutThumbnailStillRenames) {
    writeBytes(folder + "a.bmp", "picture");
    const RenameResult r = renamePicture(folder, "a.bmp", "b", text());
    EXPECT_TRUE(r.renamed);
    EXPECT_EQ(readBytes(folder + "b.bmp"), "picture");
}

// A folder holding "a.png" and `other`; "a.png" renamed as `typed`.
struct RenameCase {
    const char* other;
    const char* typed;
    const char* renamedTo; // empty: refused
    const char* message;   // when refused
};

class RenameNames : public FileActions, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(RenameNames, RefusesWhatTheNextScanWouldUndo) {
    const RenameCase& c = GetParam();
    writeBytes(folder + "a.png", "first");
    writeBytes(folder + c.other, "second");
    const RenameResult r = renamePicture(folder, "a.png", c.typed, text());
    const QStringList after = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    if (*c.renamedTo) {
        EXPECT_TRUE(r.renamed);
        EXPECT_EQ(readBytes(folder + c.renamedTo), "first");
        EXPECT_EQ(after.size(), 2);
    } else {
        EXPECT_FALSE(r.renamed);
        EXPECT_EQ(r.report.text, c.message);
        EXPECT_EQ(readBytes(folder + "a.png"), "first");
        EXPECT_EQ(after, (QStringList{"a.png", c.other}));
    }
    EXPECT_EQ(readBytes(folder + c.other), "second");
}

INSTANTIATE_TEST_SUITE_P(
    Names, RenameNames,
    ::testing::Values(
        RenameCase{"b.png", "b", "", "This name is already in use: b.png"},
        RenameCase{"sky.jpg", "SKY", "", "This name is already in use: sky.jpg"},
        RenameCase{"Sky.GIF", "sKy.final", "", "This name is already in use: Sky.GIF"},
        RenameCase{"notes.txt", "NOTES", "", "This name is already in use: notes.txt"},
        RenameCase{"x.png", "../evil", "", "Please type a new name."},
        RenameCase{"x.png", ".hidden", "", "Please type a new name."},
        RenameCase{"x.png", "", "", "Please type a new name."},
        // Files the catalogue does not list do not clash.
        RenameCase{"sky.doc", "sky", "sky.png", ""},
        // The picture's own base in other letters.
        RenameCase{"x.png", "A", "A.png", ""}));

// --- copy and move ---

TEST_F(FileActions, CopyToOwnFolderInAnyCaseIsRefused) {
    writeBytes(folder + "a.jpg", "picture");
    for (const QString& target : {folder, folder.chopped(1), folder.toUpper()}) {
        const CopyResult r =
            copyOrMoveToFolder({folder, "a.jpg", target, false}, t.desktop, text());
        EXPECT_EQ(r.outcome, CopyOutcome::OwnFolder) << target.toStdString();
        EXPECT_EQ(r.report.text, text()[87]);
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"a.jpg"});
}

TEST_F(FileActions, CopyLeavesSourceAndReportsThreeLines) {
    writeBytes(folder + "a b.jpg", "picture bytes");
    const CopyResult r =
        copyOrMoveToFolder({folder, "a b.jpg", other.chopped(1), false}, t.desktop, text());
    EXPECT_EQ(r.outcome, CopyOutcome::Copied);
    EXPECT_EQ(readBytes(other + "a b.jpg"), "picture bytes");
    EXPECT_TRUE(QFile::exists(folder + "a b.jpg"));
    EXPECT_EQ(r.report.text, folder + "a b.jpg\n copied to \n" + other + "a b.jpg");
}

TEST_F(FileActions, MoveCopiesThenTrashesSource) {
    writeBytes(folder + "a.jpg", "picture bytes");
    const CopyResult r = copyOrMoveToFolder({folder, "a.jpg", other, true}, t.desktop, text());
    EXPECT_EQ(r.outcome, CopyOutcome::Copied);
    EXPECT_EQ(readBytes(other + "a.jpg"), "picture bytes");
    EXPECT_FALSE(QFile::exists(folder + "a.jpg"));
    EXPECT_TRUE(t.desktop.log.contains("trash " + folder + "a.jpg"));
    EXPECT_EQ(r.report.text, folder + "a.jpg\n moved to \n" + other + "a.jpg");
}

TEST_F(FileActions, MoveWhoseSourceCannotGoKeepsBoth) {
    writeBytes(folder + "a.jpg", "picture bytes");
    t.desktop.refuseTrash = true;
    const CopyResult r = copyOrMoveToFolder({folder, "a.jpg", other, true}, t.desktop, text());
    EXPECT_EQ(r.outcome, CopyOutcome::Kept);
    EXPECT_TRUE(QFile::exists(folder + "a.jpg"));
    EXPECT_TRUE(QFile::exists(other + "a.jpg"));
}

TEST_F(FileActions, MoveOntoTakenNameCopiesNothing) {
    writeBytes(folder + "a.jpg", "new");
    writePicture(other + "a.jpg", test::plainPicture(QSize(20, 10)));
    const QByteArray existing = readBytes(other + "a.jpg");
    const CopyRequest request{folder, "a.jpg", other, true};
    const CopyResult r = copyOrMoveToFolder(request, t.desktop, text());
    EXPECT_EQ(r.outcome, CopyOutcome::Clash);
    EXPECT_EQ(readBytes(other + "a.jpg"), existing);
    EXPECT_EQ(readBytes(folder + "a.jpg"), "new");
    EXPECT_TRUE(t.desktop.log.isEmpty());

    const ClashRequest clash =
        clashRequestFor(request, test::plainPicture(QSize(8, 6)), 7, QSize(64, 48));
    EXPECT_EQ(clash.mode, 5);
    EXPECT_EQ(clash.sourceFolder, folder);
    EXPECT_EQ(clash.sourceRow, 7);
    EXPECT_EQ(clash.sourceSize, QSize(64, 48));
    EXPECT_EQ(clash.fileName, "a.jpg");
    EXPECT_EQ(clash.targetFolder, other);
    EXPECT_TRUE(clash.move);
    EXPECT_EQ(clash.sourcePicture.size(), QSize(8, 6));
    EXPECT_EQ(clash.targetPicture.size(), QSize(20, 10));
}

TEST_F(FileActions, CopyIntoMissingFolderNamesPathAndReason) {
    writeBytes(folder + "a.jpg", "picture");
    const QString missing = t.app.path() + "/nowhere/";
    const CopyResult r = copyOrMoveToFolder({folder, "a.jpg", missing, true}, t.desktop, text());
    EXPECT_EQ(r.outcome, CopyOutcome::Failed);
    EXPECT_TRUE(r.report.text.contains(missing + "a.jpg"));
    EXPECT_TRUE(r.report.text.contains("does not exist"));
    EXPECT_TRUE(QFile::exists(folder + "a.jpg"));
}

TEST_F(FileActions, MoveIntoReadOnlyFolderKeepsSource) {
    writeBytes(folder + "a.jpg", "picture");
    // Root writes into any folder of a writable file system; /proc takes no files.
    const bool root = ::geteuid() == 0;
    const QString target = root ? QStringLiteral("/proc/") : other;
    if (!root) QFile::setPermissions(other, QFile::ReadOwner | QFile::ExeOwner);
    const CopyResult r = copyOrMoveToFolder({folder, "a.jpg", target, true}, t.desktop, text());
    if (!root) QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(r.outcome, CopyOutcome::Failed);
    const QStringList lines = r.report.text.split(u'\n');
    ASSERT_EQ(lines.size(), 4) << r.report.text.toStdString();
    EXPECT_EQ(lines[2], target + "a.jpg");
    EXPECT_FALSE(lines[3].isEmpty()); // the reason
    EXPECT_EQ(readBytes(folder + "a.jpg"), "picture");
    EXPECT_FALSE(QFile::exists(target + "a.jpg"));
    EXPECT_TRUE(t.desktop.log.isEmpty());
}

// --- convert ---

TEST_F(FileActions, ConvertBmpToGifReplacesSourceAndNamesBoth) {
    writePicture(folder + "a.bmp", test::plainPicture(QSize(32, 24)));
    const ConvertResult r = convertPicture(t.ctx.converter, folder, "a.bmp", "GIF", text());
    EXPECT_EQ(r.outcome, ConvertOutcome::Converted);
    EXPECT_EQ(r.newName, "a.GIF");
    EXPECT_EQ(loadPicture(folder + "a.GIF").size(), QSize(32, 24));
    EXPECT_FALSE(QFile::exists(folder + "a.bmp"));
    EXPECT_EQ(r.report.text, folder + "a.bmp\n converted to \n" + folder + "a.GIF");
}

TEST_F(FileActions, ConvertToOwnFormatKeepsPicture) {
    writePicture(folder + "a.jpg", test::plainPicture(QSize(32, 24)));
    const QByteArray before = readBytes(folder + "a.jpg");
    const ConvertResult r = convertPicture(t.ctx.converter, folder, "a.jpg", "JPG", text());
    EXPECT_EQ(r.outcome, ConvertOutcome::Unchanged);
    EXPECT_EQ(readBytes(folder + "a.jpg"), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"a.jpg"});
}

TEST_F(FileActions, ConverterThatMakesNothingKeepsSource) {
    writeBytes(folder + "a.bmp", "not really a picture");
    test::NullConverter none;
    const ConvertResult r = convertPicture(none, folder, "a.bmp", "PNG", text());
    EXPECT_EQ(r.outcome, ConvertOutcome::Failed);
    EXPECT_EQ(readBytes(folder + "a.bmp"), "not really a picture");
    EXPECT_TRUE(r.report.text.contains(folder + "a.PNG"));
    // The real converter on an unreadable source: the same.
    const ConvertResult real = convertPicture(t.ctx.converter, folder, "a.bmp", "PNG", text());
    EXPECT_EQ(real.outcome, ConvertOutcome::Failed);
    EXPECT_TRUE(QFile::exists(folder + "a.bmp"));
    EXPECT_FALSE(QFile::exists(folder + "a.PNG"));
}

class EmptyOutputConverter : public test::NullConverter {
public:
    bool convert(const QString&, const QString& target) override {
        QFile f(target);
        return f.open(QIODevice::WriteOnly);
    }
};

TEST_F(FileActions, ConverterThatMakesEmptyFileKeepsSource) {
    writeBytes(folder + "a.bmp", "picture");
    EmptyOutputConverter empty;
    const ConvertResult r = convertPicture(empty, folder, "a.bmp", "PNG", text());
    EXPECT_EQ(r.outcome, ConvertOutcome::Failed);
    EXPECT_EQ(readBytes(folder + "a.bmp"), "picture");
    EXPECT_FALSE(QFile::exists(folder + "a.PNG"));
}

TEST_F(FileActions, ConvertDoesNotOverwriteAnotherPicture) {
    writePicture(folder + "a.bmp", test::plainPicture(QSize(32, 24)));
    writeBytes(folder + "a.PNG", "another picture");
    const ConvertResult r = convertPicture(t.ctx.converter, folder, "a.bmp", "PNG", text());
    EXPECT_EQ(r.outcome, ConvertOutcome::Failed);
    EXPECT_EQ(readBytes(folder + "a.PNG"), "another picture");
    EXPECT_TRUE(QFile::exists(folder + "a.bmp"));
}

TEST_F(FileActions, ConvertWithoutFormatAsksForOne) {
    const ConvertResult r = convertPicture(t.ctx.converter, folder, "a.bmp", {}, text());
    EXPECT_EQ(r.outcome, ConvertOutcome::NoFormat);
    EXPECT_EQ(r.report.text, "Please select a format first.");
}

// --- delete ---

TEST_F(FileActions, DeleteTrashesPictureAndThumbnail) {
    writeBytes(folder + "a.jpg", "picture");
    writeBytes(thumbnailPathOf(folder, "a.jpg"), "thumb");
    FileActionReport report;
    EXPECT_TRUE(recyclePicture(t.desktop, folder, "a.jpg", &report));
    EXPECT_EQ(t.desktop.log, QStringList({"trash " + folder + "a.jpg",
                                          "trash " + thumbnailPathOf(folder, "a.jpg")}));
    writeBytes(folder + "b.jpg", "picture");
    t.desktop.refuseTrash = true;
    EXPECT_FALSE(recyclePicture(t.desktop, folder, "b.jpg", &report));
    EXPECT_TRUE(report.text.startsWith(folder + "b.jpg\n"));
    EXPECT_TRUE(QFile::exists(folder + "b.jpg"));
    const FileActionReport q = deleteQuestion(folder + "a.jpg", text()[33]);
    EXPECT_EQ(q.title, folder + "a.jpg");
    EXPECT_EQ(q.text, "Delete  " + folder + "a.jpg");
    EXPECT_EQ(q.icon, PromptIcon::Critical);
}

} // namespace
