#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"
#include "picture_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quiverel;

namespace {

struct RawCase {
    const char* raw;
    const char* name; // UTF-8
};

class NameFromRawBytes : public ::testing::TestWithParam<RawCase> {};

// Raw file names as they are, bytes unchanged.
QList<QByteArray> rawNames(const QByteArray& folder) {
    QList<QByteArray> out;
    DIR* dir = ::opendir(folder.constData());
    while (const dirent* e = dir ? ::readdir(dir) : nullptr)
        if (e->d_name[0] != '.' || (e->d_name[1] != 0 && e->d_name[1] != '.'))
            out.append(QByteArray(e->d_name));
    if (dir) ::closedir(dir);
    std::sort(out.begin(), out.end());
    return out;
}

// QTemporaryDir cannot name what QDir cannot: those go by their bytes.
struct RawCleanup {
    QByteArray folder;
    ~RawCleanup() {
        for (const QByteArray& n : rawNames(folder))
            ::unlink(QByteArray(folder + n).constData());
    }
};

void writeRaw(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    ::close(fd);
}

QByteArray pictureBytes() {
    QImage img(16, 12, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return out;
}

} // namespace

TEST_P(NameFromRawBytes, GivesAValidSanitisedName) {
    EXPECT_EQ(nameFromRawBytes(QByteArray(GetParam().raw)), QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameFromRawBytes,
    ::testing::Values(RawCase{"K\xF6ln.jpg", "Köln.jpg"},            // Latin-1 / Windows-1252
                      RawCase{"\xE9t\xE9 73.txt", "été 73.txt"},     // blanks stay
                      RawCase{"\x80 \x93q\x94.png", "€ “q”.png"},    // Windows-1252 only
                      RawCase{"\x81\x8D.bmp", "__.bmp"},             // not in the code page
                      RawCase{"a\xFF.2024.gif", "aÿ_2024.gif"},      // and sanitised as usual
                      RawCase{"\xC3\xA9t\xC3\xA9.jpg", "été.jpg"})); // already UTF-8

TEST(InvalidNames, TheScanRenamesThemFromTheirBytesSoTheyAreShown) {
    QTemporaryDir tmp;
    const QString folder = tmp.path() + QStringLiteral("/rx/");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray f = QFile::encodeName(folder);
    const RawCleanup cleanup{f};
    const QByteArray picture = pictureBytes();
    writeRaw(f + "K\xF6ln.png", picture);
    writeRaw(f + "K\xC3\xB6ln.png", "taken");       // its valid name exists already
    writeRaw(f + "\xE9t\xE9.doc", "not a picture"); // left as it is
    writeRaw(f + ".\xFF.jpg", "hidden");            // left as it is
    ASSERT_EQ(::mkfifo(QByteArray(f + "\xFE.jpg").constData(), 0600), 0); // no regular file

    const FolderRead read = readFolder(folder);
    QStringList shown;
    for (const CatalogueRow& r : read.rows)
        shown.append(r.fileName);
    shown.sort();
    EXPECT_EQ(shown, QStringList({QString::fromUtf8("Köln-1.png"), QString::fromUtf8("Köln.png")}));
    for (const CatalogueRow& r : read.rows)
        EXPECT_TRUE(r.modified > 0) << r.fileName.toStdString(); // the file was found
    EXPECT_EQ(rawNames(f), QList<QByteArray>({".\xFF.jpg", "K\xC3\xB6ln-1.png", "K\xC3\xB6ln.png",
                                              "\xE9t\xE9.doc", "\xFE.jpg"}));
    // The renamed file is the picture it was.
    EXPECT_EQ(QImage(folder + QString::fromUtf8("Köln-1.png")).size(), QSize(16, 12));
}

TEST(InvalidNames, RenamesAreReportedWithTheirRawBytes) {
    QTemporaryDir tmp;
    const QByteArray f = QFile::encodeName(tmp.path()) + '/';
    const RawCleanup cleanup{f};
    writeRaw(f + "\xA9 QV1.jpg", "x");
    const QList<RawRename> done = renameInvalidNames(tmp.path());
    ASSERT_EQ(done.size(), 1);
    EXPECT_EQ(done[0].from, QByteArray("\xA9 QV1.jpg"));
    EXPECT_EQ(done[0].to, QString::fromUtf8("© QV1.jpg"));
    EXPECT_TRUE(renameInvalidNames(tmp.path()).isEmpty()); // nothing left to do
}
