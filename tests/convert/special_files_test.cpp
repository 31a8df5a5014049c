// Files named like pictures that are no regular files: every reader must give
// nothing at once, without blocking on a FIFO or following a device without end.

#include "convert/gif_info.h"
#include "imaging/picture_file.h"
#include "imaging/picture_size.h"
#include "imaging/regular_file.h"
#include "imaging/thumbnail.h"
#include "support/address_space_limit.h"
#include "util/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

using namespace quiverel;

namespace {

// Far below the 512 MB a picture file may have: a reader that follows
// /dev/zero or trusts a sparse file's size runs out at once.
constexpr qint64 kHeadroom = 256LL * 1024 * 1024;

struct Reader {
    const char* name;
    // True when the reader produced anything from the file.
    std::function<bool(const QString&)> producesSomething;
    bool cutsLongFiles = false; // reads the first bytes of a long file instead of refusing it
};

void PrintTo(const Reader& reader, std::ostream* os) {
    *os << reader.name;
}

const Reader kReaders[] = {
    {"readPictureFile",
     [](const QString& p) {
         QByteArray bytes;
         return readPictureFile(p, bytes);
     }},
    {"loadPicture", [](const QString& p) { return !loadPicture(p).isNull(); }},
    {"thumbnailOfFile", [](const QString& p) { return !thumbnailOfFile(p).isNull(); }},
    {"pictureSizeOfFile", [](const QString& p) { return pictureSizeOfFile(p).isValid(); }},
    {"readGifInfo", [](const QString& p) { return readGifInfo(p).isGif; }},
    {"readTextFile", [](const QString& p) { return readTextFile(p).has_value(); }, true},
};

class SpecialFiles : public ::testing::TestWithParam<Reader> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), at("z.jpg")));
        ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo.gif")).constData(), 0600), 0);
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
        // Sparse: claims 4 GB, occupies nothing.
        QFile sparse(at("sparse.bmp"));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.resize(4LL * 1024 * 1024 * 1024));
    }
    QString at(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

} // namespace

TEST_P(SpecialFiles, GiveNothingWithoutBlockingOrGrowing) {
    const Reader& reader = GetParam();
    const test::AddressSpaceLimit limit(kHeadroom);
    for (const char* name : {"z.jpg", "fifo.gif", "folder.png"})
        EXPECT_FALSE(reader.producesSomething(at(name))) << name;
    if (!reader.cutsLongFiles) {
        EXPECT_FALSE(reader.producesSomething(at("sparse.bmp")));
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, SpecialFiles, ::testing::ValuesIn(kReaders),
                         [](const auto& info) { return std::string(info.param.name); });

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
