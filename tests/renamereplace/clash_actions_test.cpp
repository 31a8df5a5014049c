#include "renamereplace/clash_actions.h"

#include "catalogue/file_names.h"
#include "clash_fixture.h"
#include "imaging/picture_file.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace quiverel;
using namespace quiverel::test;

namespace {

class ClashActions : public ::testing::Test, public ClashFixture {
protected:
    void makeThumbnail(const QString& folder, const QString& name) {
        const QString thumb = thumbnailPathOf(folder, name);
        QDir().mkpath(QFileInfo(thumb).absolutePath());
        save(picture(Qt::green, QSize(8, 6)), thumb);
    }
    const QString& text(int entry) const { return ctx.state.text[size_t(entry)]; }
};

TEST_F(ClashActions, CopyReplaceOverwritesAndKeepsTheSource) {
    makeThumbnail(to(), QStringLiteral("sky.jpg"));
    const ClashOutcome out = replaceClash(ctx.state, copyRequest(false));
    EXPECT_TRUE(out.close);
    EXPECT_FALSE(out.failed);
    EXPECT_FALSE(out.sourceRemoved);
    EXPECT_EQ(out.message, from() + u"sky.jpg\n " + text(41) + u" \n" + to() + u"sky.jpg");
    EXPECT_TRUE(isBlue(middleOf(to() + QStringLiteral("sky.jpg"))));
    EXPECT_TRUE(QFile::exists(from() + QStringLiteral("sky.jpg")));
    // The old thumbnail goes so the catalogue makes one of the new content.
    EXPECT_FALSE(QFile::exists(thumbnailPathOf(to(), QStringLiteral("sky.jpg"))));
}

TEST_F(ClashActions, MoveReplaceRemovesTheSourceAndSaysMoved) {
    const ClashOutcome out = replaceClash(ctx.state, copyRequest(true));
    EXPECT_TRUE(out.sourceRemoved);
    EXPECT_EQ(out.message, from() + u"sky.jpg\n" + text(39) + u'\n' + to() + u"sky.jpg");
    EXPECT_TRUE(isBlue(middleOf(to() + QStringLiteral("sky.jpg"))));
    EXPECT_FALSE(QFile::exists(from() + QStringLiteral("sky.jpg")));
    EXPECT_EQ(namesIn(to()), QStringList{QStringLiteral("sky.jpg")}); // no temporary left
}

TEST_F(ClashActions, MoveOntoItselfKeepsTheFile) {
    ClashRequest r = copyRequest(true);
    r.targetFolder = from();
    const ClashOutcome out = replaceClash(ctx.state, r);
    EXPECT_TRUE(out.failed);
    EXPECT_FALSE(out.sourceRemoved);
    EXPECT_TRUE(isBlue(middleOf(from() + QStringLiteral("sky.jpg"))));
}

TEST_F(ClashActions, FailedMoveTellsPathAndReasonAndLosesNothing) {
    ClashRequest r = copyRequest(true);
    r.targetFolder = to() + QStringLiteral("gone/"); // removed while the dialog was open
    const ClashOutcome out = replaceClash(ctx.state, r);
    EXPECT_TRUE(out.failed);
    EXPECT_FALSE(out.sourceRemoved);
    EXPECT_TRUE(out.message.startsWith(r.targetFolder + u"sky.jpg\n")) << out.message.toStdString();
    EXPECT_TRUE(out.message.contains(QStringLiteral("No such file"))) << out.message.toStdString();
    EXPECT_TRUE(isBlue(middleOf(from() + QStringLiteral("sky.jpg"))));
}

TEST_F(ClashActions, RenameCopiesUnderTheNewName) {
    const ClashOutcome out = renameClash(ctx.state, copyRequest(false), QStringLiteral("sky_1"));
    EXPECT_TRUE(out.close);
    EXPECT_EQ(out.message, from() + u"sky.jpg\n " + text(44) + u" \n" + to() + u"sky_1.jpg");
    EXPECT_TRUE(isBlue(middleOf(to() + QStringLiteral("sky_1.jpg"))));
    EXPECT_TRUE(isRed(middleOf(to() + QStringLiteral("sky.jpg"))));
}

TEST_F(ClashActions, RenameMoveSaysMovedAndRenamed) {
    const ClashOutcome out = renameClash(ctx.state, copyRequest(true), QStringLiteral("dawn"));
    EXPECT_TRUE(out.sourceRemoved);
    EXPECT_EQ(out.message, from() + u"sky.jpg\n " + text(90) + u" \n" + to() + u"dawn.jpg");
    EXPECT_FALSE(QFile::exists(from() + QStringLiteral("sky.jpg")));
}

TEST_F(ClashActions, TakenNameIsRefusedWithEntry92AndNothingWritten) {
    for (const ClashRequest& r : {copyRequest(false), saveRequest(QStringLiteral("sky.jpg"))}) {
        const QStringList before = namesIn(to());
        const ClashOutcome out = renameClash(ctx.state, r, QStringLiteral("sky.final"));
        EXPECT_FALSE(out.close);
        EXPECT_EQ(out.message, text(92) + u" sky.jpg");
        EXPECT_EQ(namesIn(to()), before);
        EXPECT_TRUE(isRed(middleOf(to() + QStringLiteral("sky.jpg"))));
    }
}

TEST_F(ClashActions, NameNeverReachesIntoAnotherFolder) {
    for (const char* typed : {"../escape", ""}) {
        const ClashOutcome out =
            renameClash(ctx.state, copyRequest(false), QString::fromUtf8(typed));
        EXPECT_FALSE(out.close) << typed;
        EXPECT_FALSE(out.message.isEmpty()) << typed;
    }
    EXPECT_EQ(namesIn(to()), QStringList{QStringLiteral("sky.jpg")});
    EXPECT_EQ(namesIn(ctx.app.path()).filter(QStringLiteral("escape")), QStringList());

    // A separator typed becomes "_", as the folder scan makes it.
    EXPECT_TRUE(renameClash(ctx.state, copyRequest(false), QStringLiteral("sub/dir")).close);
    EXPECT_EQ(namesIn(to()),
              (QStringList{QStringLiteral("sky.jpg"), QStringLiteral("sub_dir.jpg")}));
}

TEST_F(ClashActions, SaveReplaceWithJp2LeavesOnlyTheJp2) {
    save(oldPicture, to() + QStringLiteral("sky.jp2"));
    makeThumbnail(to(), QStringLiteral("sky.jp2"));
    const ClashOutcome out = replaceClash(ctx.state, saveRequest(QStringLiteral("sky.jp2")));
    EXPECT_TRUE(out.close);
    EXPECT_TRUE(out.message.isEmpty());
    EXPECT_TRUE(isBlue(middleOf(to() + QStringLiteral("sky.jp2"))));
    EXPECT_EQ(namesIn(to()).filter(QStringLiteral(".bmp")), QStringList());
    EXPECT_EQ(ctx.state.current.extension, u".jp2");
    EXPECT_FALSE(QFile::exists(thumbnailPathOf(to(), QStringLiteral("sky.jp2"))));
}

TEST_F(ClashActions, SaveRenameWritesTheNewNameAndSaysSavedAs) {
    const ClashOutcome out =
        renameClash(ctx.state, saveRequest(QStringLiteral("sky.jpg")), QStringLiteral("sky_1"));
    EXPECT_EQ(out.message, from() + u"sky.jpg\n" + text(91) + u'\n' + to() + u"sky_1.jpg");
    EXPECT_TRUE(isBlue(middleOf(to() + QStringLiteral("sky_1.jpg"))));
    EXPECT_TRUE(isRed(middleOf(to() + QStringLiteral("sky.jpg"))));
}

} // namespace
