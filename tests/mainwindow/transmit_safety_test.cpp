// The hand-off never loses the previous transmit files and never shows a
// half-made or unresized file under a final name: a full disk, a failing
// conversion or a kill on the way leave TX and the clipboard as they were.

#include "convert/in_process_converter.h"
#include "convert/iview_ini.h"
#include "imaging/picture_file.h"
#include "mainwindow/transmit.h"
#include "support/small_disk.h"
#include "support/test_context.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

// The in-process converter, with a look at TX before each step and a step
// that can be made to fail as a full disk would.
class WatchedConverter : public InProcessConverter {
public:
    using InProcessConverter::InProcessConverter;
    bool resample(const QString& s, int w, int h, const QString& ini, const QString& t) override {
        if (beforeStep) beforeStep();
        if (failJp2 && t.endsWith(u".jp2")) {
            failed_ = QStringLiteral("cannot write %1: No space left on device").arg(t);
            return false;
        }
        failed_.clear();
        return InProcessConverter::resample(s, w, h, ini, t);
    }
    bool compress(const QString& s, const QString& ini, const QString& t) override {
        if (beforeStep) beforeStep();
        return InProcessConverter::compress(s, ini, t);
    }
    QString lastError() const override {
        return failed_.isEmpty() ? InProcessConverter::lastError() : failed_;
    }

    std::function<void()> beforeStep;
    bool failJp2 = false;

private:
    QString failed_;
};

struct TransmitSafety : ::testing::Test {
    test::TestContext t;
    WatchedConverter converter{t.app.path(), t.prompts};
    Context ctx{t.state, converter, t.desktop, t.prompts, t.clock, t.windows, t.app.path()};
    Pause pause = [](int) {};
    QString rx;

    void SetUp() override {
        useTx(t.app.path() + QStringLiteral("/TX"));
        t.state.settings.jp2TargetSize = 12000;
        writeIviewIni(t.app.ini(QStringLiteral("i_view32.ini")), 12000);
        rx = t.app.path() + QStringLiteral("/rx/");
        QDir().mkpath(rx);
        // Everything a hand-off could type or paste is watched.
        t.state.settings.autoPaste = true;
        t.desktop.windowTitles = {QStringLiteral("EasyPal"), QStringLiteral("MMSSTV")};
    }
    void useTx(const QString& folder) {
        t.state.transmit.txFolder = folder;
        QDir().mkpath(folder);
    }
    void resizeTo(int w, int h) {
        t.state.settings.resizeSetting = QStringLiteral("%1x%2").arg(w).arg(h);
    }
    HandOff picture(const QString& name, QSize size) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        savePicture(img, rx + name);
        return {rx, name, img, false, true, true};
    }
    void writeTx(const QString& name, const QByteArray& bytes) {
        QFile f(t.state.transmit.txFolder + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Everything in TX, hidden files and folders included, with sizes.
    QStringList txListing() const {
        QStringList out;
        const QFileInfoList all = QDir(t.state.transmit.txFolder)
                                      .entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot,
                                                     QDir::Name);
        for (const QFileInfo& i : all)
            out.append(i.fileName() + u' ' + QString::number(i.isDir() ? -1 : i.size()));
        return out;
    }
    void expectNothingHandedOver() {
        EXPECT_TRUE(t.desktop.log.isEmpty()) << t.desktop.log.join(u'|').toStdString();
        EXPECT_FALSE(t.state.transmit.handOffRunning);
    }
};

} // namespace

TEST_F(TransmitSafety, AFullDiskKeepsThePreviousFilesAndTheClipboardAndSaysWhy) {
    test::SmallDisk disk("256k");
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    useTx(disk.path() + QStringLiteral("/TX"));
    writeTx(QStringLiteral("old.bmp"), "previous bitmap");
    writeTx(QStringLiteral("old.jp2"), "previous jp2");
    const QStringList before = txListing();

    // 640 x 480 as a bitmap needs 900 kB.
    EXPECT_FALSE(SendToTransmit(ctx, picture(QStringLiteral("big.jpg"), {640, 480}), pause));
    EXPECT_EQ(txListing(), before);
    EXPECT_EQ(t.prompts.messages(),
              QStringList({t.state.transmit.txFolder +
                           QStringLiteral("/big.bmp\nNo space left on device")}));
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].icon, PromptIcon::Warning);
    expectNothingHandedOver();

    // A picture that fits replaces the previous files.
    EXPECT_TRUE(SendToTransmit(ctx, picture(QStringLiteral("small.jpg"), {64, 48}), pause));
    EXPECT_EQ(QDir(t.state.transmit.txFolder)
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"small.bmp"}));
    EXPECT_EQ(t.desktop.clipboard.filePath,
              t.state.transmit.txFolder + QStringLiteral("/small.bmp"));
}

TEST_F(TransmitSafety, AFailedConversionKeepsThePreviousFilesAndTheClipboard) {
    resizeTo(320, 256);
    ASSERT_TRUE(SendToTransmit(ctx, picture(QStringLiteral("first.jpg"), {1024, 768}), pause));
    const QStringList before = txListing();
    EXPECT_EQ(before.size(), 2); // first.bmp, first.jp2
    t.desktop.log.clear();

    converter.failJp2 = true;
    EXPECT_FALSE(SendToTransmit(ctx, picture(QStringLiteral("second.jpg"), {1024, 768}), pause));
    EXPECT_EQ(txListing(), before);
    EXPECT_EQ(t.prompts.messages(),
              QStringList({t.state.transmit.txFolder +
                           QStringLiteral("/second.jp2\nNo space left on device")}));
    expectNothingHandedOver();
}

TEST_F(TransmitSafety, NoFinalNameIsEverIncompleteOrUnresized) {
    writeTx(QStringLiteral("old.bmp"), "previous bitmap");
    const QStringList before = txListing();
    // A kill at any converter step would leave TX as it is at that step.
    QList<QStringList> seen;
    converter.beforeStep = [&] {
        QStringList finalNames;
        for (const QString& entry : txListing())
            if (!entry.startsWith(u'.')) finalNames.append(entry);
        seen.append(finalNames);
    };
    resizeTo(320, 256);
    ASSERT_TRUE(SendToTransmit(ctx, picture(QStringLiteral("photo.jpg"), {1600, 1200}), pause));
    ASSERT_EQ(seen.size(), 2); // the .jp2 and the bitmap fitted
    for (const QStringList& names : seen)
        EXPECT_EQ(names, before);

    // Afterwards only the finished files, fitted, and nothing temporary.
    EXPECT_EQ(QDir(t.state.transmit.txFolder)
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"photo.bmp", "photo.jp2"}));
    EXPECT_EQ(loadPicture(t.state.transmit.txFolder + QStringLiteral("/photo.bmp")).size(),
              QSize(320, 240));
    EXPECT_EQ(t.desktop.clipboard.picture.size(), QSize(320, 240));
}

TEST_F(TransmitSafety, AnUnreadablePictureIsToldAndChangesNothing) {
    writeTx(QStringLiteral("old.bmp"), "previous bitmap");
    const QStringList before = txListing();
    EXPECT_FALSE(
        SendToTransmit(ctx, {rx, QStringLiteral("gone.jpg"), QImage(), false, true, true}, pause));
    // An animated GIF that became a FIFO is not copied either.
    ASSERT_EQ(::mkfifo(QFile::encodeName(rx + QStringLiteral("anim.gif")).constData(), 0600), 0);
    EXPECT_FALSE(
        SendToTransmit(ctx, {rx, QStringLiteral("anim.gif"), QImage(), true, true, true}, pause));
    EXPECT_EQ(txListing(), before);
    EXPECT_EQ(t.prompts.messages().size(), 2);
    EXPECT_TRUE(t.prompts.messages().value(0).startsWith(rx + QStringLiteral("gone.jpg\n")));
    EXPECT_TRUE(t.prompts.messages().value(1).startsWith(rx + QStringLiteral("anim.gif\n")));
    expectNothingHandedOver();
}
