// Files named like pictures that are no regular files: every reader must give
// nothing at once, without blocking on a FIFO or following a device without end.

#include "convert/gif_info.h"
#include "imaging/picture_file.h"
#include "imaging/picture_size.h"
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
