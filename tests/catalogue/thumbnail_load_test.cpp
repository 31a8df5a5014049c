#include "catalogue/file_names.h"
#include "catalogue/load_thumbnail.h"
#include "picture_files.h"
#include "support/address_space_limit.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace quiverel;

// A thumbnail file that is a FIFO or a device must not stall the page.
TEST(ThumbnailLoad, OnlyRegularThumbnailFilesAreRead) {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    ASSERT_TRUE(QDir().mkpath(thumbnailFolderOf(folder)));
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(thumbnailPathOf(folder, QStringLiteral("f.bmp"))).constData(),
                 0600),
        0);
    ASSERT_TRUE(
        QFile::link(QStringLiteral("/dev/zero"), thumbnailPathOf(folder, QStringLiteral("z.bmp"))));
    ASSERT_TRUE(test::writePicture(thumbnailPathOf(folder, QStringLiteral("good.bmp")), {112, 84},
                                   Qt::red, "JPG"));

    const test::AddressSpaceLimit limit(256LL * 1024 * 1024);
    EXPECT_TRUE(loadThumbnail(folder, QStringLiteral("f.bmp")).isNull());
    EXPECT_TRUE(loadThumbnail(folder, QStringLiteral("z.bmp")).isNull());
    EXPECT_EQ(loadThumbnail(folder, QStringLiteral("good.bmp")).size(), QSize(112, 84));
}
