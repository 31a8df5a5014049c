#include "catalogue/scan_plan.h"

#include "picture_files.h"
#include "support/temp_app.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct PlanCase {
    const char* name;
    QStringList files;      // written into rx/, oldest first
    QStringList thumbnails; // already in rx/ThumbFiles/
    int sortOrder;
    int perPage;
    QStringList rows; // expected, in order
    int pages;
    QStringList missing; // thumbnails to make, in row order
};

struct ScanPlanTest : ::testing::TestWithParam<PlanCase> {};

TEST_P(ScanPlanTest, ListsSortsPagesAndFindsMissingThumbnails) {
    const PlanCase& c = GetParam();
    test::TempApp app;
    const QString rx = app.path() + QStringLiteral("/rx/");
    QDir().mkpath(rx);
    const QDateTime start = QDateTime::currentDateTime().addDays(-1);
    for (int i = 0; i < c.files.size(); ++i) {
        test::writePicture(rx + c.files[i]);
        test::setModified(rx + c.files[i], start.addSecs(60 * i));
    }
    for (const QString& t : c.thumbnails)
        test::writePicture(rx + QStringLiteral("ThumbFiles/") + t, {16, 12});

    const ScanPlan plan = planFolderScan(rx, c.sortOrder, c.perPage);
    EXPECT_TRUE(plan.readable);
    EXPECT_EQ(plan.pictures, c.files.size());
    QStringList rows;
    for (const CatalogueRow& r : plan.rows)
        rows.append(r.fileName);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(plan.pageCount, c.pages);
    QStringList missing;
    for (const ThumbnailJob& j : plan.missing) {
        EXPECT_EQ(j.source, rx + plan.rows[j.row].fileName);
        missing.append(j.target.mid(j.target.lastIndexOf(u'/') + 1));
    }
    EXPECT_EQ(missing, c.missing);
}

INSTANTIATE_TEST_SUITE_P(Folders, ScanPlanTest,
                         ::testing::Values(PlanCase{"Empty", {}, {}, 1, 20, {""}, 1, {}},
                                           PlanCase{"NewestFirst",
                                                    {"b.jpg", "a.png", "c.bmp"},
                                                    {"a.jpg"},
                                                    1,
                                                    2,
                                                    {"c.bmp", "a.png", "b.jpg"},
                                                    2,
                                                    {"c.jpg", "b.jpg"}},
                                           PlanCase{"ByNameWithAClash",
                                                    {"sky.jpg", "sky.png", "moon.jpg"},
                                                    {"sky.jpg", "moon.jpg", "gone.jpg"},
                                                    2,
                                                    20,
                                                    {"moon.jpg", "sky.png", "sky-1.jpg"},
                                                    1,
                                                    {"sky-1.jpg"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScanPlan, AFolderThatCannotBeReadPlansOneEmptyRow) {
    const ScanPlan plan = planFolderScan(QStringLiteral("/nonexistent/rx/"), 1, 20);
    EXPECT_FALSE(plan.readable);
    ASSERT_EQ(plan.rows.size(), 1);
    EXPECT_TRUE(plan.rows[0].fileName.isEmpty());
    EXPECT_TRUE(plan.missing.isEmpty());
}

} // namespace
