#include "imaging/picture_file.h"
#include "support/small_disk.h"
#include "util/file_copy.h"

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

} // namespace
