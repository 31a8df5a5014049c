// The scan against what a real folder does: pictures written while they are
// scanned, folders it cannot write, names too long to change, files it cannot
// read or hold. None of them may lose a picture or call a good one corrupt.

#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"
#include "catalogue/scan_plan.h"
#include "catalogue/thumbnail_batch.h"
#include "catalogue/thumbnail_location.h"
#include "hostile_folders.h"
#include "picture_files.h"
#include "support/temp_app.h"
#include "util/file_times.h"

#include <QFileInfo>
#include <QImageReader>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quiverel;

namespace {

ino_t inodeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

const ThumbnailJob* jobFor(const ScanPlan& plan, const QString& name) {
    for (const ThumbnailJob& j : plan.missing)
        if (plan.rows[j.row].fileName == name) return &j;
    return nullptr;
}

QStringList rowNames(const ScanPlan& plan) {
    QStringList out;
    for (const CatalogueRow& r : plan.rows)
        out.append(r.fileName);
    return out;
}

QImage thumbnailImage(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// The bottom row of a thumbnail of noisyJpeg() is blue when the whole picture arrived.
bool bottomIsBlue(const QImage& thumb) {
    const QColor c = thumb.pixelColor(thumb.width() / 2, thumb.height() - 1);
    return c.blue() > 150 && c.red() < 100;
}

} // namespace

TEST(Arrival, APictureHeldOpenIsLeftAloneUntilItDecodesAndMadeAgainWhenComplete) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    QDir().mkpath(rx);
    const QString path = rx + QStringLiteral("rx 1.jpg");
    const QByteArray jpeg = test::noisyJpeg();
    test::PieceWriter writer(path);
    ASSERT_TRUE(writer.write(jpeg.left(200))); // the headers only
    const ino_t inode = inodeOf(path);
    // The time the plan is given is the seam: here the real one, later one
    // the test moves on.
    const QDateTime now = QDateTime::currentDateTime();

    ScanPlan plan = planFolderScan(rx, 1, 20, now);
    const ThumbnailJob* job = jobFor(plan, QStringLiteral("rx 1.jpg"));
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->arriving);
    ThumbnailResult result = makeThumbnail(*job, &makePictureThumbnail);
    EXPECT_EQ(result.outcome, ThumbnailOutcome::Arriving);
    EXPECT_EQ(decideRow(result, path, plan).action, RowAction::LeaveOut);
    EXPECT_EQ(inodeOf(path), inode);

    // Part of it: shown as it stands, and its thumbnail not taken as final.
    ASSERT_TRUE(writer.write(jpeg.mid(200, jpeg.size() * 6 / 10 - 200)));
    plan = planFolderScan(rx, 1, 20, now);
    job = jobFor(plan, QStringLiteral("rx 1.jpg"));
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->arriving);
    result = makeThumbnail(*job, &makePictureThumbnail);
    ASSERT_EQ(result.outcome, ThumbnailOutcome::Made);
    const QString thumb = thumbnailPathOf(rx, QStringLiteral("rx 1.jpg"));
    EXPECT_FALSE(bottomIsBlue(thumbnailImage(thumb)));
    EXPECT_NE(dateTimeText(QFileInfo(thumb).lastModified()), plan.rows[job->row].dateTime);

    ASSERT_TRUE(writer.write(jpeg.mid(jpeg.size() * 6 / 10)));
    writer.close();
    const QDateTime later = now.addSecs(kArrivalSeconds + 1);
    plan = planFolderScan(rx, 1, 20, later);
    job = jobFor(plan, QStringLiteral("rx 1.jpg"));
    ASSERT_TRUE(job);
    EXPECT_FALSE(job->arriving);
    ASSERT_EQ(makeThumbnail(*job, &makePictureThumbnail).outcome, ThumbnailOutcome::Made);
    EXPECT_TRUE(bottomIsBlue(thumbnailImage(thumb)));
    // Complete and dated like its picture: not made again.
    EXPECT_TRUE(planFolderScan(rx, 1, 20, later).missing.isEmpty());
    EXPECT_EQ(inodeOf(path), inode);
}

TEST(Arrival, APictureWrittenToWhileItIsExaminedIsNeverTakenForCorrupt) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    app.write(QStringLiteral("rx/late.jpg"), QByteArray("\xFF\xD8\xFF\xE0", 4));
    app.write(QStringLiteral("rx/good.jpg"), test::noisyJpeg());
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    test::setModified(rx + QStringLiteral("late.jpg"), old);
    test::setModified(rx + QStringLiteral("good.jpg"), old);
    const ScanPlan plan = planFolderScan(rx, 2, 20, QDateTime::currentDateTime());
    ASSERT_EQ(plan.missing.size(), 2);
    // A writer adds to the file while its thumbnail is being made.
    const auto writerMeanwhile = [](const QString& source, const QString& target) {
        QFile f(source);
        if (f.open(QIODevice::Append)) f.write("more");
        return makePictureThumbnail(source, target);
    };
    const ThumbnailJob* late = jobFor(plan, QStringLiteral("late.jpg"));
    ASSERT_TRUE(late);
    EXPECT_FALSE(late->arriving);
    EXPECT_EQ(makeThumbnail(*late, writerMeanwhile).outcome, ThumbnailOutcome::Arriving);
    // One that decodes is shown, but its thumbnail is made again next time.
    const ThumbnailJob* good = jobFor(plan, QStringLiteral("good.jpg"));
    ASSERT_TRUE(good);
    EXPECT_EQ(makeThumbnail(*good, writerMeanwhile).outcome, ThumbnailOutcome::Made);
    EXPECT_TRUE(jobFor(planFolderScan(rx, 2, 20, QDateTime::currentDateTime().addDays(1)),
                       QStringLiteral("good.jpg")));
    // Settled and unchanged, the broken one is what it seems.
    const ScanPlan again = planFolderScan(rx, 2, 20, QDateTime::currentDateTime().addDays(1));
    const ThumbnailJob* settled = jobFor(again, QStringLiteral("late.jpg"));
    ASSERT_TRUE(settled);
    EXPECT_EQ(makeThumbnail(*settled, &makePictureThumbnail).outcome,
              ThumbnailOutcome::Undecodable);
}

TEST(Quarantine, OnTheSameFileSystemTheFileKeepsItsInodeAndWhatIsStillWrittenToIt) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    QDir().mkpath(rx);
    test::PieceWriter writer(rx + QStringLiteral("odd.jpg"));
    ASSERT_TRUE(writer.write("first part,"));
    const ino_t inode = inodeOf(rx + QStringLiteral("odd.jpg"));
    const FileStamp stamp = stampOf(rx + QStringLiteral("odd.jpg"));
    const auto moved = moveToQuarantine(rx, QStringLiteral("odd.jpg"), app.path(), stamp);
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, app.path() + QStringLiteral("/Corrupt/odd.jpg"));
    ASSERT_TRUE(writer.write("second part"));
    writer.close();
    EXPECT_EQ(inodeOf(*moved), inode);
    EXPECT_EQ(app.read(QStringLiteral("Corrupt/odd.jpg")), QByteArray("first part,second part"));
    EXPECT_FALSE(app.exists(QStringLiteral("rx/odd.jpg")));
}

TEST(Quarantine, AFileThatChangedSinceItWasExaminedStays) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    app.write(QStringLiteral("rx/odd.jpg"), "first");
    const FileStamp stamp = stampOf(rx + QStringLiteral("odd.jpg"));
    app.write(QStringLiteral("rx/odd.jpg"), "first and more");
    QString why;
    EXPECT_FALSE(moveToQuarantine(rx, QStringLiteral("odd.jpg"), app.path(), stamp, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(app.exists(QStringLiteral("rx/odd.jpg")));
    EXPECT_FALSE(app.exists(QStringLiteral("Corrupt/odd.jpg")));
}

TEST(Quarantine, AcrossFileSystemsItIsCopiedCheckedAndDeleted) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    test::MountedFolder other(rx);
    if (!other.mounted()) GTEST_SKIP() << other.why().toStdString();
    app.write(QStringLiteral("rx/odd.jpg"), "not a picture");
    const auto moved = moveToQuarantine(rx, QStringLiteral("odd.jpg"), app.path());
    ASSERT_TRUE(moved);
    EXPECT_EQ(app.read(QStringLiteral("Corrupt/odd.jpg")), QByteArray("not a picture"));
    EXPECT_FALSE(app.exists(QStringLiteral("rx/odd.jpg")));
}

TEST(Quarantine, ACopyWhoseOriginalCannotBeDeletedIsRemovedAgain) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    test::MountedFolder folder(rx);
    app.write(QStringLiteral("rx/odd.jpg"), "not a picture");
    if (!folder.readOnly()) GTEST_SKIP() << folder.why().toStdString();
    QString why;
    EXPECT_FALSE(moveToQuarantine(rx, QStringLiteral("odd.jpg"), app.path(), {}, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(app.exists(QStringLiteral("rx/odd.jpg")));
    EXPECT_TRUE(QDir(app.path() + QStringLiteral("/Corrupt")).isEmpty());
}

TEST(ReadOnlyFolder, NothingIsRenamedOrQuarantinedAndThumbnailsGoToTheCache) {
    test::TempApp app;
    test::CacheHome cache(app.path() + QStringLiteral("/cache"));
    const QString rx = app.path() + QStringLiteral("/rx/");
    test::MountedFolder folder(rx);
    test::writePicture(rx + QStringLiteral("my.pic.jpg"));
    test::writePicture(rx + QStringLiteral("sky.jpg"));
    test::writePicture(rx + QStringLiteral("sky.bmp"), {20, 20});
    app.write(QStringLiteral("rx/broken.jpg"), "not a picture");
    app.write(QStringLiteral("rx/Thumbs/old.jpg"), "old");
    if (!folder.readOnly()) GTEST_SKIP() << folder.why().toStdString();

    const ScanPlan plan = planFolderScan(rx, 2, 20, QDateTime::currentDateTime().addDays(1));
    EXPECT_TRUE(plan.readable);
    EXPECT_FALSE(plan.writable);
    EXPECT_TRUE(plan.thumbnailFolder.startsWith(app.path() +
                                                QStringLiteral("/cache/Quiverel/thumbnails/rx-")));
    EXPECT_EQ(plan.thumbnailFolder, thumbnailCacheFolderFor(rx));
    // The cache is the user's own.
    EXPECT_EQ(QFileInfo(app.path() + QStringLiteral("/cache/Quiverel")).permissions() &
                  ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(plan.notices.size(), 1);
    EXPECT_EQ(plan.notices[0].kind, ScanNoticeKind::FolderReadOnly);
    EXPECT_EQ(plan.notices[0].path, rx);
    EXPECT_EQ(rowNames(plan), QStringList({"broken.jpg", "my.pic.jpg", "sky.bmp", "sky.jpg"}));

    QList<ScanNotice> notices;
    int shown = 0;
    for (const ThumbnailJob& j : plan.missing) {
        EXPECT_TRUE(j.target.startsWith(plan.thumbnailFolder));
        const ThumbnailResult r = makeThumbnail(j, &makePictureThumbnail);
        const RowDecision d = decideRow(r, j.source, plan);
        EXPECT_NE(d.action, RowAction::Quarantine);
        shown += d.action == RowAction::Show;
        if (d.notice) notices.append(*d.notice);
    }
    EXPECT_EQ(shown, 2); // sky.bmp and sky.jpg share one thumbnail
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].kind, ScanNoticeKind::NotAPicture);
    EXPECT_EQ(notices[0].path, rx + QStringLiteral("broken.jpg"));
    EXPECT_FALSE(thumbnailImage(thumbnailPathOf(rx, QStringLiteral("my.pic.jpg"))).isNull());
    EXPECT_TRUE(app.exists(QStringLiteral("rx/Thumbs/old.jpg")));
    EXPECT_FALSE(app.exists(QStringLiteral("rx/ThumbFiles")));
}

TEST(LongNames, AClashThatCannotBeRenamedStaysAndBothGetAThumbnail) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    const QString base(251, u'n'); // with ".jpg": the longest name a file may have
    test::writePicture(rx + base + QStringLiteral(".jpg"));
    test::writePicture(rx + base + QStringLiteral(".bmp"), {20, 20});
    ASSERT_TRUE(QFileInfo::exists(rx + base + QStringLiteral(".bmp")));
    const ScanPlan plan = planFolderScan(rx, 2, 20, QDateTime::currentDateTime().addDays(1));
    EXPECT_EQ(rowNames(plan), QStringList({base + ".bmp", base + ".jpg"}));
    ASSERT_EQ(plan.missing.size(), 1);
    const ThumbnailResult r = makeThumbnail(plan.missing[0], &makePictureThumbnail);
    EXPECT_EQ(r.outcome, ThumbnailOutcome::Made);
    EXPECT_EQ(decideRow(r, plan.missing[0].source, plan).action, RowAction::Show);
    EXPECT_FALSE(thumbnailImage(thumbnailPathOf(rx, base + QStringLiteral(".jpg"))).isNull());
}

TEST(Unreadable, AFileWithoutReadPermissionIsReportedAndLeftWhereItIs) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    test::writePicture(rx + QStringLiteral("good.jpg"));
    test::writePicture(rx + QStringLiteral("secret.jpg"));
    QFile::setPermissions(rx + QStringLiteral("secret.jpg"), {});
    // "nobody" must reach the folder (and may not write it).
    for (const QString& p : {app.path(), rx})
        QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther);
    const std::optional<QByteArray> seen = test::runUnprivileged([&] {
        test::CacheHome cache(QStringLiteral("/nonexistent"));
        const ScanPlan plan = planFolderScan(rx, 2, 20, QDateTime::currentDateTime().addDays(1));
        QStringList out = rowNames(plan);
        for (const ScanNotice& n : plan.notices)
            if (n.kind == ScanNoticeKind::CannotRead) out.append(noticeText(n));
        // And a thumbnail job that meets it says so too.
        ThumbnailJob job{0,
                         rx + QStringLiteral("secret.jpg"),
                         app.path() + QStringLiteral("/t/secret.jpg"),
                         {},
                         false,
                         false,
                         {}};
        out.append(QString::number(int(makeThumbnail(job, &makePictureThumbnail).outcome)));
        return out.join(u'|').toUtf8();
    });
    ASSERT_TRUE(seen);
    EXPECT_EQ(QString::fromUtf8(*seen),
              QStringLiteral("good.jpg|") + rx +
                  QStringLiteral("secret.jpg\ncannot be read (Permission denied). It is left "
                                 "where it is.|") +
                  QString::number(int(ThumbnailOutcome::CannotRead)));
    EXPECT_TRUE(QFileInfo::exists(rx + QStringLiteral("secret.jpg")));
}

TEST(TooLarge, FilesAndPicturesAboveTheLimitsAreReportedNotTakenForCorrupt) {
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    test::writePicture(rx + QStringLiteral("good.jpg"));
    {
        QFile huge(rx + QStringLiteral("huge.jpg"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write("\xFF\xD8\xFF\xE0");
        ASSERT_TRUE(huge.resize(600LL * 1024 * 1024)); // sparse: takes no room
    }
    // A JPEG 2000 codestream whose header claims 100000 x 100000 pixels.
    QByteArray wide("\xFF\x4F\xFF\x51\x00\x29\x00\x00", 8);
    for (quint32 v : {100000u, 100000u, 0u, 0u, 100000u, 100000u, 0u, 0u}) {
        for (int s = 24; s >= 0; s -= 8)
            wide.append(char((v >> s) & 0xFF));
    }
    wide.append(QByteArray(64, '\0'));
    app.write(QStringLiteral("rx/wide.jp2"), wide);

    const ScanPlan plan = planFolderScan(rx, 2, 20, QDateTime::currentDateTime().addDays(1));
    EXPECT_EQ(rowNames(plan), QStringList({"good.jpg", "wide.jp2"}));
    ASSERT_EQ(plan.notices.size(), 1);
    EXPECT_EQ(plan.notices[0].kind, ScanNoticeKind::TooLarge);
    EXPECT_EQ(plan.notices[0].path, rx + QStringLiteral("huge.jpg"));
    const ThumbnailJob* wideJob = jobFor(plan, QStringLiteral("wide.jp2"));
    ASSERT_TRUE(wideJob);
    const ThumbnailResult r = makeThumbnail(*wideJob, &makePictureThumbnail);
    EXPECT_EQ(r.outcome, ThumbnailOutcome::TooLarge);
    EXPECT_EQ(r.detail, QStringLiteral("100000 x 100000 pixels"));
    const RowDecision d = decideRow(r, wideJob->source, plan);
    EXPECT_EQ(d.action, RowAction::LeaveOut);
    ASSERT_TRUE(d.notice);
    EXPECT_EQ(d.notice->kind, ScanNoticeKind::TooLarge);
}
