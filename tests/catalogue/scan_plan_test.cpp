#include "catalogue/file_names.h"
#include "catalogue/file_stamp.h"
#include "catalogue/notice_memory.h"
#include "catalogue/scan_plan.h"

#include "picture_files.h"
#include "support/temp_app.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct PlanCase {
    const char* name;
    QStringList files;      // written into rx/, oldest first, a minute apart
    QStringList thumbnails; // already in rx/ThumbFiles/, dated like their picture
    QStringList outdated;   // already in rx/ThumbFiles/, dated otherwise
    QStringList arriving;   // of `files`: written a moment before the scan
    int sortOrder;
    int perPage;
    QStringList rows; // expected, in order
    int pages;
    QStringList missing; // thumbnails to make, in row order; "*" marks a picture arriving
};

struct ScanPlanTest : ::testing::TestWithParam<PlanCase> {};

TEST_P(ScanPlanTest, ListsSortsPagesAndFindsThumbnailsToMake) {
    const PlanCase& c = GetParam();
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    QDir().mkpath(rx);
    const QDateTime start = QDateTime::currentDateTime().addDays(-1);
    const QDateTime now = start.addDays(1);
    for (int i = 0; i < c.files.size(); ++i) {
        const QString& f = c.files[i];
        test::writePicture(rx + f);
        test::setModified(rx + f, c.arriving.contains(f) ? now.addSecs(-3) : start.addSecs(60 * i));
    }
    const auto pictureOf = [&](const QString& thumb) -> QString {
        for (const QString& f : c.files)
            if (baseNameOf(f) + QStringLiteral(".jpg") == thumb) return rx + f;
        return QString();
    };
    for (const QString& t : c.thumbnails + c.outdated) {
        const QString path = rx + QStringLiteral("ThumbFiles/") + t;
        test::writePicture(path, {16, 12});
        const QString picture = pictureOf(t);
        if (!picture.isEmpty())
            test::setModified(
                path, QFileInfo(picture).lastModified().addSecs(c.outdated.contains(t) ? -120 : 0));
    }

    const ScanPlan plan = planFolderScan(rx, c.sortOrder, c.perPage, now);
    EXPECT_TRUE(plan.readable);
    EXPECT_TRUE(plan.writable);
    EXPECT_EQ(plan.thumbnailFolder, rx + QStringLiteral("ThumbFiles/"));
    EXPECT_TRUE(plan.notices.isEmpty());
    EXPECT_EQ(plan.pictures, c.files.size());
    QStringList rows;
    for (const CatalogueRow& r : plan.rows)
        rows.append(r.fileName);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(plan.pageCount, c.pages);
    QStringList missing;
    for (const ThumbnailJob& j : plan.missing) {
        EXPECT_EQ(j.source, rx + plan.rows[j.row].fileName);
        EXPECT_TRUE(j.listed.exists);
        missing.append(j.target.mid(j.target.lastIndexOf(u'/') + 1) +
                       (j.arriving ? QStringLiteral("*") : QString()));
    }
    EXPECT_EQ(missing, c.missing);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ScanPlanTest,
    ::testing::Values(PlanCase{"Empty", {}, {}, {}, {}, 1, 20, {""}, 1, {}},
                      PlanCase{"NewestFirst",
                               {"b.jpg", "a.png", "c.bmp"},
                               {"a.jpg"},
                               {},
                               {},
                               1,
                               2,
                               {"c.bmp", "a.png", "b.jpg"},
                               2,
                               {"c.jpg", "b.jpg"}},
                      // sky.jpg's thumbnail was of the picture now named sky-1.jpg: by its
                      // date it is not sky.png's, so both are made.
                      PlanCase{"ByNameWithAClash",
                               {"sky.jpg", "sky.png", "moon.jpg"},
                               {"sky.jpg", "moon.jpg", "gone.jpg"},
                               {},
                               {},
                               2,
                               20,
                               {"moon.jpg", "sky.png", "sky-1.jpg"},
                               1,
                               {"sky.jpg", "sky-1.jpg"}},
                      // The picture changed after its thumbnail was made (a reception that
                      // went on after an early scan): the thumbnail is made again.
                      PlanCase{"AThumbnailDatedUnlikeItsPictureIsMadeAgain",
                               {"old.jpg", "grown.jpg"},
                               {"old.jpg"},
                               {"grown.jpg"},
                               {},
                               2,
                               20,
                               {"grown.jpg", "old.jpg"},
                               1,
                               {"grown.jpg"}},
                      // Still being received: keeps its odd name and its clash (the two
                      // share one thumbnail until it has settled).
                      PlanCase{"APictureArrivingIsNeitherRenamedNorTakenAsDone",
                               {"sky.png", "my.pic.png", "sky.jpg", "rx.2024.jpg"},
                               {},
                               {},
                               {"sky.jpg", "rx.2024.jpg"},
                               2,
                               20,
                               {"my_pic.png", "rx.2024.jpg", "sky.jpg", "sky.png"},
                               1,
                               {"my_pic.jpg", "rx.2024.jpg*", "sky.jpg*"}},
                      // An arriving picture that is the later of a clash does not stop the
                      // earlier one from being renamed.
                      PlanCase{"TheSettledOneOfAClashIsRenamed",
                               {"moon.bmp", "moon.jpg"},
                               {},
                               {},
                               {"moon.jpg"},
                               1,
                               20,
                               {"moon.jpg", "moon-1.bmp"},
                               1,
                               {"moon.jpg*", "moon-1.jpg"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Written this many seconds before the scan (negative: a clock ahead of ours).
struct ArrivalCase {
    const char* name;
    double age;
    bool arriving;
};

struct ArrivalTest : ::testing::TestWithParam<ArrivalCase> {};

TEST_P(ArrivalTest, AFileWrittenWithinTenSecondsOfTheScanIsArriving) {
    const QDateTime now(QDate(2024, 5, 17), QTime(14, 30, 5));
    const qint64 written = now.toMSecsSinceEpoch() - qint64(GetParam().age * 1000);
    EXPECT_EQ(isArriving({true, 100, written * 1000000}, now), GetParam().arriving);
    EXPECT_FALSE(isArriving({true, 100, written * 1000000}, QDateTime()));
}

INSTANTIATE_TEST_SUITE_P(Ages, ArrivalTest,
                         ::testing::Values(ArrivalCase{"Now", 0, true},
                                           ArrivalCase{"NineSecondsAgo", 9.9, true},
                                           ArrivalCase{"TenSecondsAgo", 10, false},
                                           ArrivalCase{"AnHourAgo", 3600, false},
                                           ArrivalCase{"AClockSlightlyAhead", -5, true},
                                           ArrivalCase{"DatedFarAhead", -3600, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScanPlan, AFolderThatCannotBeReadPlansOneEmptyRow) {
    const ScanPlan plan = planFolderScan(QStringLiteral("/nonexistent/rx/"), 1, 20, {});
    EXPECT_FALSE(plan.readable);
    ASSERT_EQ(plan.rows.size(), 1);
    EXPECT_TRUE(plan.rows[0].fileName.isEmpty());
    EXPECT_TRUE(plan.missing.isEmpty());
    EXPECT_TRUE(plan.notices.isEmpty());
}

// What becomes of a row whose thumbnail was not made, in a folder the
// program may change and in one it may not.
struct RowCase {
    const char* name;
    ThumbnailOutcome outcome;
    bool writable;
    RowAction action;
    std::optional<ScanNoticeKind> notice;
};

struct DecideRowTest : ::testing::TestWithParam<RowCase> {};

TEST_P(DecideRowTest, OnlyASettledUndecodablePictureInAWritableFolderIsQuarantined) {
    const RowCase& c = GetParam();
    ScanPlan plan;
    plan.writable = c.writable;
    plan.thumbnailFolder = QStringLiteral("/cache/rx-1/");
    const RowDecision d =
        decideRow({c.outcome, QStringLiteral("why"), {}}, QStringLiteral("/rx/a.jpg"), plan);
    EXPECT_EQ(d.action, c.action);
    ASSERT_EQ(d.notice.has_value(), c.notice.has_value());
    if (!c.notice) return;
    EXPECT_EQ(d.notice->kind, *c.notice);
    if (*c.notice == ScanNoticeKind::ThumbnailsNotWritten) {
        EXPECT_EQ(d.notice->path, QStringLiteral("/rx/"));
        EXPECT_EQ(d.notice->detail, QStringLiteral("/cache/rx-1/"));
    } else {
        EXPECT_EQ(d.notice->path, QStringLiteral("/rx/a.jpg"));
    }
}

using K = ScanNoticeKind;
using O = ThumbnailOutcome;
using A = RowAction;
INSTANTIATE_TEST_SUITE_P(
    Outcomes, DecideRowTest,
    ::testing::Values(
        RowCase{"Made", O::Made, true, A::Show, std::nullopt},
        RowCase{"NotWritten", O::NotWritten, true, A::Show, K::ThumbnailsNotWritten},
        RowCase{"NotWrittenReadOnly", O::NotWritten, false, A::Show, K::ThumbnailsNotWritten},
        RowCase{"Arriving", O::Arriving, true, A::LeaveOut, std::nullopt},
        RowCase{"CannotRead", O::CannotRead, true, A::LeaveOut, K::CannotRead},
        RowCase{"TooLarge", O::TooLarge, true, A::LeaveOut, K::TooLarge},
        RowCase{"Undecodable", O::Undecodable, true, A::Quarantine, std::nullopt},
        RowCase{"UndecodableReadOnly", O::Undecodable, false, A::LeaveOut, K::NotAPicture}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanPlan, AfterTheThumbnailsAQuarantineThatFailedBeforeIsNotTriedAgain) {
    ScanPlan plan;
    QList<CatalogueRow> rows;
    for (const char* n : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
        rows.append({QString(), QString::fromLatin1(n), 0});
    for (int r = 1; r < 4; ++r)
        plan.missing.append({r, QString(), QString(), QString(), false, false, {true, r, r}});
    const QHash<int, ThumbnailResult> unmade{
        {3, {ThumbnailOutcome::Undecodable, {}, {}}},
        {1, {ThumbnailOutcome::Undecodable, {}, {}}},
        {2, {ThumbnailOutcome::CannotRead, QStringLiteral("Permission denied"), {}}}};
    const ScanFollowUp next =
        followUpScan(plan, QStringLiteral("/rx/"), rows, unmade,
                     [](const QString& path) { return path == QStringLiteral("/rx/d.jpg"); });
    ASSERT_EQ(next.quarantine.size(), 1);
    EXPECT_EQ(next.quarantine[0].row, 1);
    EXPECT_EQ(next.quarantine[0].listed, (FileStamp{true, 1, 1}));
    EXPECT_EQ(next.leaveOut, QList<int>({2, 3}));
    EXPECT_EQ(next.notices,
              QList<ScanNotice>({{ScanNoticeKind::CannotRead, QStringLiteral("/rx/c.jpg"),
                                  QStringLiteral("Permission denied")}}));
}

TEST(ScanPlan, RowsLeftOutTakeTheirCachedPicturesAndPagesWithThem) {
    Catalogue cat;
    cat.thumbsPerPage = 2;
    for (int i = 0; i < 5; ++i) {
        cat.rows.append({QString(), QStringLiteral("p%1.jpg").arg(i), 0});
        QImage img(1, 1, QImage::Format_RGB32);
        img.fill(i);
        cat.pictureCache.append(img);
    }
    EXPECT_EQ(leaveOutRows(cat, {3, 0, 3}), 3);
    ASSERT_EQ(cat.rows.size(), 3);
    EXPECT_EQ(cat.rows[0].fileName, QStringLiteral("p1.jpg"));
    EXPECT_EQ(cat.rows[2].fileName, QStringLiteral("p4.jpg"));
    EXPECT_EQ(cat.pictureCache[2].pixel(0, 0) & 0xFFFFFF, 4u);
    EXPECT_EQ(cat.pageCount, 2);
    EXPECT_EQ(leaveOutRows(cat, {0, 1, 2}), 0);
    ASSERT_EQ(cat.rows.size(), 1);
    EXPECT_TRUE(cat.rows[0].fileName.isEmpty());
    EXPECT_EQ(cat.pictureCache.size(), 1);
    EXPECT_EQ(cat.pageCount, 1);
}

TEST(NoticeMemory, EachNoticeIsGivenOncePerRun) {
    NoticeMemory memory;
    const ScanNotice readOnly{ScanNoticeKind::FolderReadOnly, QStringLiteral("/rx/"),
                              QStringLiteral("/cache/")};
    const ScanNotice unreadable{ScanNoticeKind::CannotRead, QStringLiteral("/rx/a.jpg"),
                                QStringLiteral("Permission denied")};
    EXPECT_EQ(memory.fresh({readOnly, unreadable}), QList<ScanNotice>({readOnly, unreadable}));
    const ScanNotice tooLarge{ScanNoticeKind::TooLarge, QStringLiteral("/rx/a.jpg"), {}};
    EXPECT_EQ(memory.fresh({unreadable, readOnly, tooLarge}), QList<ScanNotice>({tooLarge}));
    EXPECT_TRUE(memory.given(ScanNoticeKind::CannotRead, QStringLiteral("/rx/a.jpg")));
    EXPECT_FALSE(memory.given(ScanNoticeKind::CannotQuarantine, QStringLiteral("/rx/a.jpg")));
    EXPECT_EQ(noticeText(unreadable),
              QStringLiteral("/rx/a.jpg\ncannot be read (Permission denied). It is left where "
                             "it is."));
    QList<ScanNotice> many(12, tooLarge);
    EXPECT_TRUE(noticesText(many).endsWith(QStringLiteral("\n\n... and 4 more.")));
}

} // namespace
