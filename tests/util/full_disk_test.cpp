#include "imaging/file_copy.h"
#include "imaging/picture_file.h"
#include "support/small_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

QStringList everything(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A writer: the reason it gives for `bytes` (also in file `source`) written to `target`.
struct Writer {
    const char* name;
    std::function<QString(const QString& source, const QByteArray& bytes, const QString& target)>
        write;
};

class FullDisk : public ::testing::TestWithParam<Writer> {};

// On a full disk the system takes part of a write without an error, and
// Qt's own text was "Unknown error"; the half-written file stayed.
TEST_P(FullDisk, SaysTheSystemsReasonAndLeavesNothing) {
    test::SmallDisk disk("128k");
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/big.bin");
    const QByteArray bytes(400 * 1024, 'q');
    writeAll(source, bytes);

    const QString why = GetParam().write(source, bytes, disk.path() + QStringLiteral("/big.bin"));
    EXPECT_TRUE(why.contains(QStringLiteral("No space left on device"))) << why.toStdString();
    EXPECT_TRUE(everything(disk.path()).isEmpty())
        << everything(disk.path()).join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Writers, FullDisk,
    ::testing::Values(Writer{"CopyStaged",
                             [](const QString& source, const QByteArray&, const QString& target) {
                                 return copyFileStaged(source, target);
                             }},
                      Writer{"WriteFileReplacing",
                             [](const QString&, const QByteArray& bytes, const QString& target) {
                                 QString why;
                                 writeFileReplacing(target, bytes, &why);
                                 return why;
                             }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopyStaged, CopiesWholeNeverOverAFileAndAStopLeavesNothing) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/a.jpg");
    const QString target = dir.path() + QStringLiteral("/out/b.jpg");
    QDir().mkpath(dir.path() + QStringLiteral("/out"));
    writeAll(source, QByteArray(3 << 20, 'a'));
    QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    const std::atomic<bool> stop{true};
    EXPECT_FALSE(copyFileStaged(source, target, &stop).isEmpty());
    EXPECT_TRUE(everything(dir.path() + QStringLiteral("/out")).isEmpty());

    EXPECT_EQ(copyFileStaged(source, target), QString());
    EXPECT_EQ(readAll(target), readAll(source));
    EXPECT_EQ(QFile::permissions(target), QFile::permissions(source));

    writeAll(source, "changed");
    EXPECT_FALSE(copyFileStaged(source, target).isEmpty());
    EXPECT_EQ(readAll(target).size(), 3 << 20);
    EXPECT_EQ(everything(dir.path() + QStringLiteral("/out")), QStringList{"b.jpg"});
}

} // namespace
