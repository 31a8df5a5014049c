#include "catalogue/text_thumbnail.h"
#include "catalogue/thumbnail_batch.h"
#include "picture_files.h"
#include "support/temp_app.h"
#include "util/file_times.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

using namespace quiverel;

TEST(ThumbnailBatch, ResultsArriveInCatalogueOrderWithFailuresNamed) {
    test::TempApp app;
    const QString f = app.path() + QStringLiteral("/rx/");
    QList<ThumbnailJob> jobs;
    for (int i = 0; i < 24; ++i) {
        const QString name = QStringLiteral("p%1.jpg").arg(i);
        if (i != 7)
            test::writePicture(f + name, {320 + i, 256});
        else
            app.write(QStringLiteral("rx/p7.jpg"), "not a picture");
        jobs.append({i, f + name, f + QStringLiteral("ThumbFiles/p%1.jpg").arg(i),
                     QStringLiteral("2024-05-17 10:00:00"), false});
    }
    app.write(QStringLiteral("rx/ThumbFiles/.keep"), "");
    ThumbnailBatch batch(&makePictureThumbnail);
    QList<int> order;
    QList<int> failed;
    QObject::connect(&batch, &ThumbnailBatch::made, [&](int row, bool ok) {
        order.append(row);
        if (!ok) failed.append(row);
    });
    QSignalSpy finished(&batch, &ThumbnailBatch::finished);
    batch.start(jobs);
    ASSERT_TRUE(finished.wait(30000));
    QList<int> expected;
    for (int i = 0; i < 24; ++i)
        expected.append(i);
    EXPECT_EQ(order, expected);
    EXPECT_EQ(failed, QList<int>({7}));
    EXPECT_FALSE(QFileInfo::exists(f + QStringLiteral("ThumbFiles/p7.jpg")));
    const QImage thumb(f + QStringLiteral("ThumbFiles/p0.jpg"));
    EXPECT_EQ(thumb.size(), QSize(105, 84));
    EXPECT_EQ(dateTimeText(QFileInfo(f + QStringLiteral("ThumbFiles/p3.jpg")).lastModified()),
              QStringLiteral("2024-05-17 10:00:00"));
}

TEST(ThumbnailBatch, TextThumbnailIsABitmapUnderTheJpgNameFromTheStartOnly) {
    test::TempApp app;
    QByteArray big("First line of the log\r\n");
    big += QByteArray(8 * 1024 * 1024, 'x');
    app.write(QStringLiteral("rx/log.txt"), big);
    const QString target = app.path() + QStringLiteral("/rx/ThumbFiles/log.jpg");
    ASSERT_TRUE(makeThumbnailNow({0, app.path() + QStringLiteral("/rx/log.txt"), target,
                                  QStringLiteral("2024-05-17 10:00:00"), true},
                                 {}));
    QImageReader reader(target);
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    EXPECT_EQ(reader.size(), QSize(113, 93));
    // Something was printed in the top-left corner.
    const QImage img = reader.read();
    bool ink = false;
    for (int y = 0; y < 15 && !ink; ++y)
        for (int x = 0; x < 60 && !ink; ++x)
            ink = img.pixelColor(x, y).lightness() < 128;
    EXPECT_TRUE(ink);
}

TEST(ThumbnailBatch, LeavesTheGlobalPoolFreeForQtsOwnPaintingWork) {
    test::TempApp app;
    const QString f = app.path() + QStringLiteral("/rx/");
    app.write(QStringLiteral("rx/ThumbFiles/.keep"), "");
    QList<ThumbnailJob> jobs;
    for (int i = 0; i < 3 * QThreadPool::globalInstance()->maxThreadCount(); ++i)
        jobs.append({i, f + QStringLiteral("p%1.jpg").arg(i),
                     f + QStringLiteral("ThumbFiles/p%1.jpg").arg(i), QString(), false});
    auto release = std::make_shared<QSemaphore>();
    ThumbnailBatch batch([release](const QString&, const QString&) {
        release->acquire();
        release->release();
        return false;
    });
    QSignalSpy finished(&batch, &ThumbnailBatch::finished);
    batch.start(jobs);
    // What Qt's image scaling queues on the global pool still runs while every
    // thumbnail of the batch waits.
    auto ran = std::make_shared<std::atomic<bool>>(false);
    QThreadPool::globalInstance()->start([ran] { *ran = true; });
    const bool ranMeanwhile = QTest::qWaitFor([ran] { return ran->load(); }, 10000);
    release->release();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(ranMeanwhile);
}
