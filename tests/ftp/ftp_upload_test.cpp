// Uploads to a real FTP server on 127.0.0.1, through the frame as a user
// drives it and through the transfer on its own.

#include "ftp/ftp_frame.h"
#include "ftp/ftp_transfer.h"
#include "ftp/ftp_uploader.h"
#include "imaging/picture_file.h"
#include "support/ftp_server_process.h"
#include "support/test_context.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace quiverel {
namespace {

constexpr int kWait = 120000; // ms; only a bound for a broken run, never reached

QByteArray bytes(qint64 n) {
    QByteArray b(n, Qt::Uninitialized);
    for (qint64 i = 0; i < n; ++i)
        b[i] = char((i * 7 + i / 251) & 0xff);
    return b;
}

class FtpUpload : public ::testing::Test {
protected:
    void SetUp() override { t_.state.settings.guiScale = 1.0; }

    // The picture in a folder with a blank and a non-ASCII letter in its name.
    void makePicture(const QString& name, const QByteArray& content) {
        t_.app.write(QStringLiteral("Bilder Ü/") + name, content);
        folder_ = t_.app.path() + QStringLiteral("/Bilder Ü/");
        name_ = name;
    }

    FtpFrame& frame(const test::FtpServerProcess& server, const QString& dir = {}) {
        t_.state.settings.ftpServer = server.address();
        t_.state.settings.ftpUser = server.user();
        t_.state.settings.ftpPassword = server.password();
        t_.state.settings.ftpFolder = dir;
        frame_ = std::make_unique<FtpFrame>(t_.ctx, folder_, name_);
        return *frame_;
    }

    // Presses "FTP upload" and waits for the end; true when it succeeded.
    bool upload(FtpFrame& f) {
        QSignalSpy done(&f, &FtpFrame::uploadFinished);
        f.cmdFTP->click();
        if (done.isEmpty() && !done.wait(kWait)) return false;
        return done.first().first().toBool();
    }

    void expectPasswordNeverShown(const QString& password) {
        for (const ShownPrompt& p : t_.prompts.shown()) {
            EXPECT_FALSE(p.text.contains(password)) << p.text.toStdString();
            EXPECT_FALSE(p.title.contains(password));
        }
    }

    test::TestContext t_{test::TestConverter::InProcess};
    QString folder_;
    QString name_;
    std::unique_ptr<FtpFrame> frame_;
};

TEST_F(FtpUpload, SendsTheStatusPictureAndThePictureToTheLoginFolder) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    const QByteArray content = bytes(12345);
    makePicture(QStringLiteral("sstv 'rx' 1.jpg"), content);
    FtpFrame& f = frame(server);
    EXPECT_EQ(f.title(), QStringLiteral("FTP upload settings"));
    EXPECT_EQ(f.cboName->currentText(), QStringLiteral("image1"));

    ASSERT_TRUE(upload(f)) << t_.prompts.messages().join(u'|').toStdString();
    EXPECT_EQ(server.file(QStringLiteral("image1")), content);
    EXPECT_TRUE(server.exists(QStringLiteral("checknew.jpg")));
    EXPECT_EQ(f.title(), QStringLiteral("Image uploaded."));
    EXPECT_EQ(f.Prog1->value(), 0);
    EXPECT_TRUE(f.cmdFTP->isEnabled());
    EXPECT_TRUE(t_.prompts.shown().isEmpty());
}

TEST_F(FtpUpload, SendsBothIntoTheWebDirectoryAndReplacesAnOldFile) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    QDir(server.home()).mkpath(QStringLiteral("www/pics"));
    QFile old(server.home() + QStringLiteral("/www/pics/image1"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(bytes(5000).toHex());
    old.close();
    const QByteArray content = bytes(777);
    makePicture(QStringLiteral("a.png"), content);

    FtpFrame& f = frame(server, QStringLiteral("www/pics"));
    ASSERT_TRUE(upload(f)) << t_.prompts.messages().join(u'|').toStdString();
    EXPECT_EQ(server.file(QStringLiteral("www/pics/image1")), content);
    EXPECT_TRUE(server.exists(QStringLiteral("www/pics/checknew.jpg")));
    EXPECT_FALSE(server.exists(QStringLiteral("image1")));
}

TEST_F(FtpUpload, UsesANameTypedIntoTheListAsTyped) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    makePicture(QStringLiteral("notes.TXT"), "73 de station\r\n");
    FtpFrame& f = frame(server);
    EXPECT_EQ(f.cboName->currentText(), QStringLiteral("text1.txt"));
    const QString typed = QStringLiteral("Grüße \"QSL\" #2.txt");
    f.cboName->setEditText(typed);
    f.Ck1->setChecked(false);
    ASSERT_TRUE(upload(f)) << t_.prompts.messages().join(u'|').toStdString();
    EXPECT_EQ(server.file(typed), QByteArray("73 de station\r\n"));
}

class FtpSizes : public FtpUpload, public ::testing::WithParamInterface<int> {};

TEST_P(FtpSizes, ArriveByteExactWithTheBarEndingAtTheLength) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    const int length = GetParam();
    const QByteArray content = bytes(length);
    makePicture(QStringLiteral("p.jpg"), content);
    FtpFrame& f = frame(server);
    f.Ck1->setChecked(false);
    QSignalSpy bar(f.Prog1, &QProgressBar::valueChanged);
    ASSERT_TRUE(upload(f)) << t_.prompts.messages().join(u'|').toStdString();

    EXPECT_EQ(server.file(QStringLiteral("image1")), content);
    EXPECT_FALSE(server.exists(QStringLiteral("checknew.jpg")));
    EXPECT_EQ(f.Prog1->maximum(), std::max(length, 1));
    QList<int> values;
    for (const QList<QVariant>& v : bar)
        values << v.first().toInt();
    if (length > 0) {
        // Whole blocks while it runs, the length at the end, then back to 0.
        ASSERT_GE(values.size(), 2);
        EXPECT_EQ(values.last(), 0);
        EXPECT_EQ(values[values.size() - 2], length);
        for (qsizetype i = 0; i + 2 < values.size(); ++i)
            EXPECT_EQ(values[i] % 100, 0);
    } else {
        EXPECT_TRUE(values.isEmpty() || values.last() == 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, FtpSizes, ::testing::Values(99, 250, 300, 0, 1000001));

TEST_F(FtpUpload, StatusPictureIsTwoUnitsWideOffAirAndOneOnAir) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    makePicture(QStringLiteral("p.jpg"), bytes(10));
    t_.state.settings.guiScale = 2.0;
    FtpFrame& f = frame(server);
    f.Option2->setChecked(true);
    ASSERT_TRUE(upload(f));
    const QString local = server.home() + QStringLiteral("/checknew.jpg");
    QImage status = loadPicture(local);
    EXPECT_EQ(status.width(), 4); // 2 units of 2 pixels
    EXPECT_GE(status.height(), 2);
    EXPECT_LE(status.height(), 100);
    EXPECT_EQ(QFile(t_.app.path() + QStringLiteral("/checknew.jpg")).size(), QFile(local).size());

    f.Option1->setChecked(true);
    ASSERT_TRUE(upload(f));
    status = loadPicture(local);
    EXPECT_EQ(status.width(), 2);
    EXPECT_TRUE(QFile::exists(t_.app.path() + QStringLiteral("/checknew.bmp")));
}

TEST_F(FtpUpload, OptionsFollowTheStatusCheckBoxAndSettingsFollowEveryChange) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    makePicture(QStringLiteral("p.jpg"), bytes(10));
    FtpFrame& f = frame(server);
    EXPECT_TRUE(f.Ck1->isChecked());
    EXPECT_TRUE(f.Option1->isChecked());
    f.Ck1->setChecked(false);
    EXPECT_FALSE(f.Option1->isEnabled());
    EXPECT_FALSE(f.Option2->isEnabled());
    f.Ck1->setChecked(true);
    EXPECT_TRUE(f.Option2->isEnabled());

    EXPECT_EQ(f.txtAdd->text(), server.address());
    f.txtAdd->setText(QStringLiteral("ftp.example.org"));
    f.txtUser->setText(QStringLiteral("me"));
    f.txtPass->setText(QStringLiteral("pw"));
    f.txtDir->setText(QStringLiteral("www"));
    EXPECT_EQ(t_.state.settings.ftpServer, QStringLiteral("ftp.example.org"));
    EXPECT_EQ(t_.state.settings.ftpUser, QStringLiteral("me"));
    EXPECT_EQ(t_.state.settings.ftpPassword, QStringLiteral("pw"));
    EXPECT_EQ(t_.state.settings.ftpFolder, QStringLiteral("www"));
    EXPECT_EQ(f.txtPass->echoMode(), QLineEdit::Normal); // shown as typed
    // A pasted line break never reaches a field or its setting.
    f.txtPass->setText(QStringLiteral("pw\r\nDELE www/victim.txt\r\n"));
    EXPECT_EQ(f.txtPass->text(), QStringLiteral("pwDELE www/victim.txt"));
    EXPECT_EQ(t_.state.settings.ftpPassword, QStringLiteral("pwDELE www/victim.txt"));
    t_.state.settings.ftpFolder = QStringLiteral("www\n");
    FtpFrame again(t_.ctx, folder_, name_);
    EXPECT_EQ(again.txtDir->text(), QStringLiteral("www"));
}

TEST(FtpTransfer, RefusesAControlCharacterAndSendsNothing) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    test::TempApp dir;
    dir.write(QStringLiteral("f"), "x");
    const QString path = dir.path() + QStringLiteral("/f");
    const FtpAccount good{server.address(), server.user(), server.password()};
    for (const auto& [account, remote] :
         {std::pair{FtpAccount{good.server, good.user, good.password + "\r\nDELE a"},
                    QStringLiteral("a")},
          std::pair{FtpAccount{good.server, good.user + "\n", good.password}, QStringLiteral("a")},
          std::pair{good, QStringLiteral("www\r\n/a")}}) {
        const FtpOutcome o = uploadFiles(account, {{path, remote}});
        EXPECT_FALSE(o.ok);
        EXPECT_EQ(o.code, 43); // refused before the connection
        EXPECT_EQ(o.operation, QStringLiteral("InternetConnect"));
    }
    EXPECT_TRUE(QDir(server.home()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(FtpUpload, WrongPasswordReportsTheConnectionThenTheServersReply) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    makePicture(QStringLiteral("p.jpg"), bytes(10));
    FtpFrame& f = frame(server);
    const QString wrong = QStringLiteral("not-the-password");
    f.txtPass->setText(wrong);
    EXPECT_FALSE(upload(f));

    const QList<ShownPrompt>& shown = t_.prompts.shown();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].title, QStringLiteral("Quiverel"));
    EXPECT_TRUE(
        shown[0].text.startsWith(QStringLiteral("InternetConnect error code: 67 Message: ")))
        << shown[0].text.toStdString();
    EXPECT_TRUE(shown[1].text.startsWith(QStringLiteral("530"))) << shown[1].text.toStdString();
    EXPECT_EQ(f.title(), QStringLiteral("Uploading image . . ."));
    EXPECT_TRUE(f.cmdFTP->isEnabled());
    EXPECT_FALSE(server.exists(QStringLiteral("image1")));
    expectPasswordNeverShown(wrong);
}

TEST_F(FtpUpload, MissingRemoteFolderFailsOpeningTheFile) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    makePicture(QStringLiteral("p.jpg"), bytes(10));
    FtpFrame& f = frame(server, QStringLiteral("no/such/folder"));
    EXPECT_FALSE(upload(f));
    const QList<ShownPrompt>& shown = t_.prompts.shown();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("FtpOpenFile error code: ")))
        << shown[0].text.toStdString();
    EXPECT_TRUE(shown[1].text.startsWith(QStringLiteral("550"))) << shown[1].text.toStdString();
    expectPasswordNeverShown(server.password());
}

TEST_F(FtpUpload, DataConnectionClosedMidwayFailsTheWrite) {
    test::FtpServerProcess server({.cutAfter = 1000});
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    makePicture(QStringLiteral("big.bmp"), bytes(8 << 20));
    FtpFrame& f = frame(server);
    f.Ck1->setChecked(false);
    EXPECT_FALSE(upload(f));
    ASSERT_FALSE(t_.prompts.shown().isEmpty());
    EXPECT_TRUE(
        t_.prompts.shown()[0].text.startsWith(QStringLiteral("InternetWriteFile error code: ")))
        << t_.prompts.shown()[0].text.toStdString();
    EXPECT_EQ(f.title(), QStringLiteral("Uploading image . . ."));
    expectPasswordNeverShown(server.password());
}

TEST_F(FtpUpload, RefusedPortFailsTheConnectionWithoutAServerReply) {
    makePicture(QStringLiteral("p.jpg"), bytes(10));
    t_.state.settings.ftpServer = QStringLiteral("127.0.0.1:%1").arg(test::closedLoopbackPort());
    FtpFrame f(t_.ctx, folder_, name_);
    EXPECT_FALSE(upload(f));
    ASSERT_EQ(t_.prompts.shown().size(), 1);
    EXPECT_TRUE(t_.prompts.shown()[0].text.startsWith(
        QStringLiteral("InternetConnect error code: 7 Message: ")))
        << t_.prompts.shown()[0].text.toStdString();
}

TEST_F(FtpUpload, ServerWithoutActiveModeGetsTheFileInPassiveMode) {
    test::FtpServerProcess server({.noActive = true});
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    const QByteArray content = bytes(4321);
    makePicture(QStringLiteral("p.jpg"), content);
    FtpFrame& f = frame(server);
    ASSERT_TRUE(upload(f)) << t_.prompts.messages().join(u'|').toStdString();
    EXPECT_EQ(server.file(QStringLiteral("image1")), content);
    EXPECT_TRUE(server.exists(QStringLiteral("checknew.jpg")));
    EXPECT_EQ(f.title(), QStringLiteral("Image uploaded. (passive mode)"));
}

TEST_F(FtpUpload, ButtonIsDisabledWhileAnUploadRunsAndClosingMidwayIsSafe) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    makePicture(QStringLiteral("big.bmp"), bytes(8 << 20));
    FtpFrame& f = frame(server);
    f.Ck1->setChecked(false);
    QSignalSpy bar(f.Prog1, &QProgressBar::valueChanged);
    f.cmdFTP->click();
    EXPECT_FALSE(f.cmdFTP->isEnabled());
    EXPECT_TRUE(f.uploading());
    ASSERT_TRUE(bar.wait(kWait));
    frame_.reset(); // the panel closes while the file is on its way
    EXPECT_TRUE(t_.prompts.shown().isEmpty());
}

TEST_F(FtpUpload, UnreadablePictureIsToldWithItsPath) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    makePicture(QStringLiteral("gone.jpg"), bytes(10));
    FtpFrame& f = frame(server);
    QFile::remove(folder_ + name_);
    f.Ck1->setChecked(false);
    EXPECT_FALSE(upload(f));
    ASSERT_EQ(t_.prompts.shown().size(), 1);
    EXPECT_TRUE(t_.prompts.shown()[0].text.startsWith(folder_ + name_));
}

TEST(FtpStatusPicture, NotMadeStopsTheUploadAndAnOldOneIsNeverSent) {
    test::TestContext t; // its converter makes nothing
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    t.app.write(QStringLiteral("checknew.jpg"), "an old status picture");
    t.app.write(QStringLiteral("p.jpg"), "picture");
    t.state.settings.ftpServer = server.address();
    FtpFrame f(t.ctx, t.app.path() + u'/', QStringLiteral("p.jpg"));
    QSignalSpy done(&f, &FtpFrame::uploadFinished);
    f.cmdFTP->click();
    ASSERT_EQ(done.size(), 1);
    EXPECT_FALSE(done.first().first().toBool());
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_TRUE(
        t.prompts.shown()[0].text.startsWith(t.app.path() + QStringLiteral("/checknew.jpg")));
    EXPECT_FALSE(t.app.exists(QStringLiteral("checknew.jpg")));
    EXPECT_TRUE(f.cmdFTP->isEnabled());
    EXPECT_FALSE(server.exists(QStringLiteral("checknew.jpg")));
    EXPECT_FALSE(server.exists(QStringLiteral("image1")));
}

TEST(FtpTransfer, ReportsProgressInWholeBlocksUpToTheLength) {
    test::FtpServerProcess server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    test::TempApp dir;
    dir.write(QStringLiteral("f"), bytes(300050));
    const QString path = dir.path() + QStringLiteral("/f");

    QList<qint64> seen;
    QList<qint64> lengths;
    FtpHooks hooks;
    hooks.fileStarted = [&](int, qint64 length) { lengths << length; };
    hooks.progress = [&](qint64 sent) { seen << sent; };
    const FtpOutcome o =
        uploadFiles({server.address(), server.user(), server.password()},
                    {{path, QStringLiteral("a")}, {path, QStringLiteral("b")}}, hooks);
    ASSERT_TRUE(o.ok) << o.text.toStdString();
    EXPECT_FALSE(o.passive);
    EXPECT_EQ(o.filesSent, 2);
    EXPECT_EQ(lengths, (QList<qint64>{300050, 300050}));
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.last(), 300050);
    for (qsizetype i = 1; i < seen.size(); ++i) {
        if (seen[i] != 300050) {
            EXPECT_EQ(seen[i] % 100, 0);
        }
    }
    EXPECT_EQ(server.file(QStringLiteral("b")).size(), 300050);
}

// The limits are shortened here; the frame waits 20 s for a connection and
// 30 s for a stalled transfer.
TEST(FtpTransfer, ServerThatNeverAnswersEndsTheConnection) {
    test::SilentLoopbackPort silent;
    test::TempApp dir;
    dir.write(QStringLiteral("f"), {});
    const QString path = dir.path() + QStringLiteral("/f");
    const FtpOutcome o = uploadFiles({QStringLiteral("127.0.0.1:%1").arg(silent.port()),
                                      QStringLiteral("u"), QStringLiteral("p")},
                                     {{path, QStringLiteral("a")}}, {}, FtpLimits{1, 1});
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.operation, QStringLiteral("InternetConnect"));
    EXPECT_EQ(o.code, 28); // timed out
    EXPECT_TRUE(o.serverReply.isEmpty());
}

TEST(FtpTransfer, TransferThatStallsEndsWithAWriteError) {
    test::FtpServerProcess server({.stallAfter = 1000});
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    test::TempApp dir;
    dir.write(QStringLiteral("f"), bytes(64 << 20));
    const QString path = dir.path() + QStringLiteral("/f");
    const FtpOutcome o = uploadFiles({server.address(), server.user(), server.password()},
                                     {{path, QStringLiteral("a")}}, {}, FtpLimits{5, 1});
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.operation, QStringLiteral("InternetWriteFile"));
    EXPECT_EQ(o.code, 28);
}

} // namespace
} // namespace quiverel

namespace quiverel {
namespace {

// Where the server falls silent. The limits are far beyond the test's wait,
// so only the cancel can end the upload in time.
enum class Stall { Greeting, ReplyToStore, Data, ReplyToLastByte, Quit };

class FtpStalled : public ::testing::TestWithParam<Stall> {};

TEST_P(FtpStalled, EndsAStalledUploadAndSaysCancelled) {
    const Stall stall = GetParam();
    test::TempApp dir;
    dir.write(QStringLiteral("f"), bytes(stall == Stall::Data ? 64 << 20 : 5000));
    const QString path = dir.path() + QStringLiteral("/f");
    std::optional<test::SilentLoopbackPort> silent;
    std::optional<test::FtpServerProcess> server;
    FtpAccount account{{}, QStringLiteral("u"), QStringLiteral("p")};
    if (stall == Stall::Greeting) {
        silent.emplace();
        account.server = QStringLiteral("127.0.0.1:%1").arg(silent->port());
    } else {
        test::FtpServerOptions options;
        if (stall == Stall::ReplyToStore) options.stallOn = QStringLiteral("STOR");
        if (stall == Stall::Quit) options.stallOn = QStringLiteral("QUIT");
        if (stall == Stall::Data || stall == Stall::ReplyToLastByte) options.stallAfter = 1000;
        server.emplace(options);
        ASSERT_TRUE(server->running()) << server->error().toStdString();
        account = {server->address(), server->user(), server->password()};
    }

    FtpUploader uploader;
    QSignalSpy started(&uploader, &FtpUploader::fileStarted);
    QSignalSpy sent(&uploader, &FtpUploader::progress);
    QSignalSpy done(&uploader, &FtpUploader::finished);
    FtpOutcome outcome;
    QObject::connect(&uploader, &FtpUploader::finished,
                     [&outcome](const FtpOutcome& o) { outcome = o; });
    uploader.start(account, {{path, QStringLiteral("a")}}, FtpLimits{3600, 3600});
    ASSERT_TRUE(started.wait(kWait));
    if (stall == Stall::ReplyToStore || stall == Stall::Quit)
        ASSERT_TRUE(server->waitUntilStalled());
    if (stall == Stall::Data) ASSERT_TRUE(sent.wait(kWait));
    if (stall == Stall::ReplyToLastByte) // all of it in the socket buffers
        while (sent.isEmpty() || sent.last().first().toLongLong() < 5000)
            ASSERT_TRUE(sent.wait(kWait));

    uploader.cancel();
    ASSERT_TRUE(done.wait(kWait));
    // Only the goodbye was left: the file is on the server.
    EXPECT_EQ(outcome.ok, stall == Stall::Quit);
    EXPECT_EQ(outcome.cancelled, stall != Stall::Quit)
        << outcome.operation.toStdString() << ' ' << outcome.code;
    EXPECT_FALSE(uploader.running());
}

INSTANTIATE_TEST_SUITE_P(Stalls, FtpStalled,
                         ::testing::Values(Stall::Greeting, Stall::ReplyToStore, Stall::Data,
                                           Stall::ReplyToLastByte, Stall::Quit));

} // namespace
} // namespace quiverel
