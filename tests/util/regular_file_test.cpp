// Reading a regular file: only regular files open, and reading stops at the
// limit whatever size the file claims.

#include "support/address_space_limit.h"
#include "util/regular_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace quiverel;

namespace {

// Far below what a sparse file claims: a reader that trusts its size runs
// out at once.
constexpr qint64 kHeadroom = 256LL * 1024 * 1024;

} // namespace

TEST(RegularFile, StopsAtTheLimitWhateverTheFileHolds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1000, 'x'));
    f.close();

    QString error;
    EXPECT_EQ(readRegularFile(path, 100, BeyondLimit::Cut)->size(), 100);
    EXPECT_EQ(readRegularFile(path, 1000, BeyondLimit::Refuse)->size(), 1000);
    EXPECT_FALSE(readRegularFile(path, 999, BeyondLimit::Refuse, &error));
    EXPECT_TRUE(error.startsWith(u"file too large")) << error.toStdString();
    EXPECT_EQ(readRegularFile(path, 0, BeyondLimit::Cut)->size(), 0);

    // A link to a regular file is read like the file itself.
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_EQ(readRegularFile(link, 5000, BeyondLimit::Refuse)->size(), 1000);

    // A sparse file claiming 4 GB: only the first bytes are ever held.
    QFile sparse(dir.filePath(QStringLiteral("sparse.txt")));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(4LL * 1024 * 1024 * 1024));
    {
        const test::AddressSpaceLimit limit(kHeadroom);
        EXPECT_EQ(readRegularFile(sparse.fileName(), 1 << 20, BeyondLimit::Cut)->size(), 1 << 20);
        EXPECT_FALSE(readRegularFile(sparse.fileName(), 1 << 20, BeyondLimit::Refuse));
    }

    // /proc files claim no size but hold text: read up to the limit.
    const auto maps = readRegularFile(QStringLiteral("/proc/self/maps"), 10, BeyondLimit::Cut);
    ASSERT_TRUE(maps);
    EXPECT_EQ(maps->size(), 10);
}

TEST(RegularFile, OpensOnlyRegularFiles) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("f.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile file;
    QString error;
    EXPECT_FALSE(openRegularFile(fifo, file, &error));
    EXPECT_FALSE(file.isOpen());
    EXPECT_TRUE(error.startsWith(u"not a regular file")) << error.toStdString();

    const QString plain = dir.filePath(QStringLiteral("p.jpg"));
    QFile w(plain);
    ASSERT_TRUE(w.open(QIODevice::WriteOnly));
    w.write("abc");
    w.close();
    ASSERT_TRUE(openRegularFile(plain, file));
    EXPECT_EQ(file.readAll(), QByteArray("abc"));
}
