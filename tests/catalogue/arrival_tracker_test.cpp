#include "catalogue/arrival_tracker.h"

#include <QHash>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

const QDateTime kStart(QDate(2024, 5, 17), QTime(21, 0, 0));

// The folder at one moment: each file's size stands for its whole stamp.
struct Look {
    int atMs;
    QHash<QString, int> files;
    QStringList arrived;
    QStringList gone;
    QStringList touched = {}; // catalogue files with an event before this look
    QStringList changed = {};
};

struct TrackCase {
    const char* name;
    QStringList known;
    QList<Look> looks;
};

FileStamp stamp(int size) {
    return {true, size, qint64(size) * 1000};
}

// A tracker looking at a folder whose files the test sets.
struct Watched {
    ArrivalTracker tracker;
    QHash<QString, int> files;

    FolderChange look(int atMs) {
        return tracker.observe(
            files.keys(), [this](const QString& n) { return stamp(files.value(n)); },
            kStart.addMSecs(atMs));
    }
};

struct ArrivalTrackerTest : ::testing::TestWithParam<TrackCase> {};

TEST_P(ArrivalTrackerTest, OffersSettledArrivalsAndReportsWhatWent) {
    const TrackCase& c = GetParam();
    Watched w;
    w.tracker.reset(c.known);
    for (const Look& look : c.looks) {
        w.files = look.files;
        for (const QString& name : look.touched)
            w.tracker.touch(name);
        const FolderChange change = w.look(look.atMs);
        EXPECT_EQ(change.arrived, look.arrived) << c.name << " at " << look.atMs;
        EXPECT_EQ(change.changed, look.changed) << c.name << " at " << look.atMs;
        EXPECT_EQ(change.gone, look.gone) << c.name << " at " << look.atMs;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ArrivalTrackerTest,
    ::testing::Values(
        TrackCase{"a picture written in pieces comes a second after its last piece",
                  {},
                  {{0, {{"rx.jpg", 1}}, {}, {}},
                   {700, {{"rx.jpg", 2}}, {}, {}},
                   {1400, {{"rx.jpg", 3}}, {}, {}},
                   {2300, {{"rx.jpg", 3}}, {}, {}},
                   {2400, {{"rx.jpg", 3}}, {"rx.jpg"}, {}},
                   {5000, {{"rx.jpg", 3}}, {}, {}}}},
        TrackCase{
            "a burst comes at once, when the last of it settled",
            {},
            {{0, {{"a.jpg", 1}}, {}, {}},
             {500, {{"a.jpg", 1}, {"b.jpg", 1}}, {}, {}},
             {900, {{"a.jpg", 1}, {"b.jpg", 1}, {"c.jpg", 1}}, {}, {}},
             {1800, {{"a.jpg", 1}, {"b.jpg", 1}, {"c.jpg", 1}}, {}, {}},
             {1900, {{"a.jpg", 1}, {"b.jpg", 1}, {"c.jpg", 1}}, {"a.jpg", "b.jpg", "c.jpg"}, {}}}},
        TrackCase{"a catalogue file that goes is told at once, the others stay",
                  {"old.jpg", "kept.bmp"},
                  {{0, {{"kept.bmp", 9}}, {}, {"old.jpg"}}, {3000, {{"kept.bmp", 9}}, {}, {}}}},
        TrackCase{"a file gone before it settled never comes",
                  {},
                  {{0, {{"tmp.jpg", 1}}, {}, {}}, {500, {}, {}, {}}, {3000, {}, {}, {}}}},
        TrackCase{"a renamed catalogue file goes, and comes under its new name",
                  {"a.jpg"},
                  {{0, {{"b.jpg", 4}}, {}, {"a.jpg"}}, {1000, {{"b.jpg", 4}}, {"b.jpg"}, {}}}},
        TrackCase{"a file that is known from the start is no arrival",
                  {"a.jpg"},
                  {{0, {{"a.jpg", 1}}, {}, {}}, {5000, {{"a.jpg", 2}}, {}, {}}}},
        TrackCase{"a catalogue file written again comes as changed once it settled",
                  {"a.jpg", "b.jpg"},
                  {{0, {{"a.jpg", 1}, {"b.jpg", 1}}, {}, {}, {"a.jpg", "b.jpg"}},
                   {500, {{"a.jpg", 2}, {"b.jpg", 1}}, {}, {}, {"a.jpg"}},
                   {1200, {{"a.jpg", 3}, {"b.jpg", 1}}, {}, {}, {"a.jpg"}},
                   {2200, {{"a.jpg", 3}, {"b.jpg", 1}}, {}, {}, {}, {"a.jpg"}},
                   {4000, {{"a.jpg", 3}, {"b.jpg", 1}}, {}, {}}}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(ArrivalTracker, AFileWrittenOnAndOnHoldsTheOthersBackNoLongerThanAnArrivalCounts) {
    Watched w;
    QStringList arrived;
    int at = 0;
    for (int size = 1; arrived.isEmpty() && at < 60000; ++size, at += 500) {
        w.files = {{"slow.jpg", size}, {"quick.jpg", 7}};
        arrived = w.look(at).arrived;
    }
    EXPECT_EQ(arrived, QStringList{"quick.jpg"});
    EXPECT_EQ(at - 500, kArrivalSeconds * 1000);
    EXPECT_EQ(w.tracker.pendingCount(), 1);
}

TEST(ArrivalTracker, ALeftOutFileComesAgainOnlyOnceItChanged) {
    Watched w;
    w.files = {{"half.jpg", 5}};
    w.look(0);
    ASSERT_EQ(w.look(1000).arrived, QStringList{"half.jpg"});
    w.tracker.refuse("half.jpg", stamp(5));
    EXPECT_TRUE(w.tracker.waiting());
    EXPECT_TRUE(w.look(5000).arrived.isEmpty());
    w.files["half.jpg"] = 8;
    EXPECT_TRUE(w.look(6000).arrived.isEmpty());
    EXPECT_EQ(w.look(7000).arrived, QStringList{"half.jpg"});
}

TEST(ArrivalTracker, AFileTakenInUnderATidiedNameIsKnownByThatName) {
    Watched w;
    w.files = {{"my.pic.jpg", 5}};
    w.look(0);
    ASSERT_EQ(w.look(1000).arrived, QStringList{"my.pic.jpg"});
    w.tracker.taken("my.pic.jpg", "my_pic.jpg");
    w.files = {{"my_pic.jpg", 5}};
    EXPECT_TRUE(w.look(2000).isEmpty());
    EXPECT_TRUE(w.look(4000).isEmpty());
    EXPECT_FALSE(w.tracker.waiting());
    w.files.clear();
    EXPECT_EQ(w.look(5000).gone, QStringList{"my_pic.jpg"});
}

TEST(ArrivalTracker, AChangedFileIsOfferedOnceAndFollowedAgainFromItsNewThumbnail) {
    Watched w;
    w.tracker.reset({"a.jpg"});
    w.files = {{"a.jpg", 5}};
    // Its thumbnail was made of a smaller file than the folder now holds.
    w.tracker.madeFrom("a.jpg", stamp(4));
    w.look(0);
    ASSERT_EQ(w.look(1000).changed, QStringList{"a.jpg"});
    w.files["a.jpg"] = 6;
    w.tracker.touch("a.jpg");
    EXPECT_TRUE(w.look(3000).isEmpty()); // offered, not yet taken in again
    w.tracker.taken("a.jpg", "a.jpg", stamp(5));
    w.look(3500);
    EXPECT_EQ(w.look(4500).changed, QStringList{"a.jpg"});
}

} // namespace
