#include "catalogue/catalogue_update.h"
#include "catalogue/thumbnail_location.h"

#include "picture_files.h"
#include "support/temp_app.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

CatalogueRow row(const char* name, qint64 modified) {
    return {QString(), QString::fromUtf8(name), modified};
}

QStringList names(const Catalogue& cat) {
    QStringList out;
    for (const CatalogueRow& r : cat.rows)
        out.append(r.fileName);
    return out;
}

struct InsertCase {
    const char* name;
    int sortOrder;
    QList<CatalogueRow> before;
    QList<CatalogueRow> added;
    QStringList after;
    int pages; // at 2 per page
};

struct InsertRowsTest : ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertRowsTest, PutsRowsAndTheirPicturesWhereTheOrderWants) {
    const InsertCase& c = GetParam();
    Catalogue cat;
    cat.sortOrder = c.sortOrder;
    cat.thumbsPerPage = 2;
    cat.rows = c.before;
    cat.pictureCache = QList<QImage>(cat.rows.size());
    QList<QImage> pictures;
    for (qsizetype i = 0; i < c.added.size(); ++i) {
        QImage img(4, 3, QImage::Format_RGB32);
        img.fill(QColor(int(i) * 40, 0, 0));
        pictures.append(img);
    }
    const int count = insertRows(cat, c.added, pictures);
    EXPECT_EQ(names(cat), c.after);
    EXPECT_EQ(count, c.after.size());
    EXPECT_EQ(cat.pageCount, c.pages);
    ASSERT_EQ(cat.pictureCache.size(), cat.rows.size());
    // Each picture travels with its row.
    for (qsizetype i = 0; i < c.added.size(); ++i) {
        const qsizetype at = c.after.indexOf(c.added[i].fileName);
        EXPECT_EQ(cat.pictureCache[at].pixelColor(0, 0).red(), int(i) * 40) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Orders, InsertRowsTest,
    ::testing::Values(InsertCase{"by date the newest goes in front",
                                 1,
                                 {row("b.jpg", 200), row("a.jpg", 100)},
                                 {row("new.jpg", 300)},
                                 {"new.jpg", "b.jpg", "a.jpg"},
                                 2},
                      InsertCase{"by date in front of those of its own second",
                                 1,
                                 {row("b.jpg", 300), row("a.jpg", 100)},
                                 {row("new.jpg", 300)},
                                 {"new.jpg", "b.jpg", "a.jpg"},
                                 2},
                      InsertCase{"by date an old file copied in takes its date's place",
                                 1,
                                 {row("b.jpg", 300), row("a.jpg", 100)},
                                 {row("old.png", 150)},
                                 {"b.jpg", "old.png", "a.jpg"},
                                 2},
                      InsertCase{"by name in its place, any letter case",
                                 2,
                                 {row("Apple.jpg", 1), row("cherry.jpg", 2)},
                                 {row("banana.bmp", 3), row("Zebra.gif", 4)},
                                 {"Apple.jpg", "banana.bmp", "cherry.jpg", "Zebra.gif"},
                                 2},
                      InsertCase{"an empty folder's empty row gives way",
                                 1,
                                 {CatalogueRow{}},
                                 {row("first.jpg", 5)},
                                 {"first.jpg"},
                                 1}),
    [](const auto& info) { return std::to_string(info.index); });

struct PlanArrivalsTest : ::testing::Test {
    test::TempApp app;
    QString rx = app.path() + QStringLiteral("/rx/");
    void SetUp() override { QDir().mkpath(rx); }
};

TEST_F(PlanArrivalsTest, TidiesNamesAsTheScanDoesAndPlansEachThumbnail) {
    test::writePicture(rx + QStringLiteral("sun.jpg"));
    test::writePicture(rx + QStringLiteral("sun.png"));
    test::writePicture(rx + QStringLiteral("my.pic.jpg"));
    test::writePicture(rx + QStringLiteral("moon.bmp"));
    test::writePicture(rx + QStringLiteral("moon.png"));
    const QList<CatalogueRow> rows{row("sun.jpg", 1)};
    const ArrivalPlan plan = planArrivals(
        rx, {"sun.png", "my.pic.jpg", "moon.bmp", "moon.png", "sun.jpg", "gone.jpg"}, rows, true);
    QStringList taken;
    for (const Arrival& a : plan.arrivals)
        taken.append(a.offered + QStringLiteral(" > ") + a.row.fileName);
    // A clash with the catalogue or with an earlier arrival renames the arrival only.
    EXPECT_EQ(taken, (QStringList{"sun.png > sun-1.png", "my.pic.jpg > my_pic.jpg",
                                  "moon.bmp > moon.bmp", "moon.png > moon-1.png"}));
    EXPECT_EQ(plan.skipped, QStringList{"gone.jpg"});
    EXPECT_TRUE(QFileInfo::exists(rx + QStringLiteral("sun.jpg")));
    EXPECT_TRUE(QFileInfo::exists(rx + QStringLiteral("sun-1.png")));
    ASSERT_EQ(plan.jobs.size(), 4);
    EXPECT_EQ(plan.jobs[1].row, 1);
    EXPECT_EQ(plan.jobs[1].source, rx + QStringLiteral("my_pic.jpg"));
    EXPECT_EQ(plan.jobs[1].target, rx + QStringLiteral("ThumbFiles/my_pic.jpg"));
    EXPECT_EQ(plan.jobs[3].target, rx + QStringLiteral("ThumbFiles/moon-1.jpg"));
    EXPECT_TRUE(plan.jobs[1].listed.exists);
    EXPECT_FALSE(plan.jobs[1].arriving);
    EXPECT_FALSE(plan.arrivals[1].row.dateTime.isEmpty());
    EXPECT_GT(plan.arrivals[1].row.modified, 0);
}

TEST_F(PlanArrivalsTest, AFolderThatCannotBeWrittenKeepsEveryName) {
    test::writePicture(rx + QStringLiteral("my.pic.jpg"));
    const ArrivalPlan plan = planArrivals(rx, {"my.pic.jpg"}, {row("my.bmp", 1)}, false);
    ASSERT_EQ(plan.arrivals.size(), 1);
    EXPECT_EQ(plan.arrivals[0].row.fileName, QStringLiteral("my.pic.jpg"));
    EXPECT_TRUE(QFileInfo::exists(rx + QStringLiteral("my.pic.jpg")));
}

TEST(RowsNamed, FindsTheRowsOfTheNamesInRowOrder) {
    Catalogue cat;
    cat.rows = {row("a.jpg", 3), row("b.jpg", 2), row("c.jpg", 1)};
    EXPECT_EQ(rowsNamed(cat, {"c.jpg", "a.jpg", "x.jpg"}), (QList<int>{0, 2}));
}

} // namespace
