#include "ftp/ftp_address.h"
#include "ftp/ftp_error.h"
#include "ftp/ftp_fields.h"
#include "ftp/remote_names.h"
#include "ftp/status_picture.h"
#include "support/fixed_clock.h"

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <set>

namespace quiverel {
namespace {

TEST(RemoteNames, ListsTheFileThenTheTwentyEightFixedNames) {
    const QStringList names = remoteNameList(QStringLiteral("my pic.jpg"));
    ASSERT_EQ(names.size(), 29);
    EXPECT_EQ(names[0], QStringLiteral("my pic.jpg"));
    EXPECT_EQ(names[1], QStringLiteral("image1"));
    EXPECT_EQ(names[15], QStringLiteral("image15"));
    EXPECT_EQ(names[16], QStringLiteral("TX1.jpg"));
    EXPECT_EQ(names[20], QStringLiteral("TX5.jpg"));
    EXPECT_EQ(names[21], QStringLiteral("text1.txt"));
    EXPECT_EQ(names[28], QStringLiteral("text8.txt"));
}

struct PreselectCase {
    const char* fileName;
    int index;
};

class Preselect : public ::testing::TestWithParam<PreselectCase> {};

TEST_P(Preselect, PicksTextForTextFilesAndImageOtherwise) {
    EXPECT_EQ(preselectedRemoteName(QString::fromUtf8(GetParam().fileName)), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Names, Preselect,
                         ::testing::Values(PreselectCase{"a.jpg", 1},
                                           PreselectCase{"notes.TXT", 21},
                                           PreselectCase{"notes.txt", 21},
                                           PreselectCase{"a.txt.jpg", 1}, PreselectCase{"txt", 21},
                                           PreselectCase{"", 1}, PreselectCase{"ätxT", 21}));

TEST(RemoteNames, PathHasAFolderOnlyWhenOneIsSet) {
    EXPECT_EQ(remotePath({}, QStringLiteral("image1")), QStringLiteral("image1"));
    EXPECT_EQ(remotePath(QStringLiteral("www/pics"), QStringLiteral("image1")),
              QStringLiteral("www/pics/image1"));
}

struct AddressCase {
    const char* server;
    const char* host;
    int port;
};

class Address : public ::testing::TestWithParam<AddressCase> {};

TEST_P(Address, SplitsHostAndPort) {
    const FtpAddress a = parseFtpAddress(QString::fromUtf8(GetParam().server));
    EXPECT_EQ(a.host, QString::fromUtf8(GetParam().host));
    EXPECT_EQ(a.port, GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(
    Servers, Address,
    ::testing::Values(AddressCase{"ftp.example.org", "ftp.example.org", 21},
                      AddressCase{" ftp.example.org:2121 ", "ftp.example.org", 2121},
                      AddressCase{"10.0.0.1:21", "10.0.0.1", 21},
                      // Not a port: left for the connection to fail on.
                      AddressCase{"host:0", "host:0", 21},
                      AddressCase{"host:99999", "host:99999", 21},
                      AddressCase{"host:ab", "host:ab", 21},
                      AddressCase{"host:+21", "host:+21", 21}, AddressCase{"::1", "::1", 21},
                      AddressCase{"[::1]:2121", "::1", 2121}, AddressCase{"[::1]", "::1", 21},
                      AddressCase{"", "", 21}));

TEST(FtpUrl, EncodesEveryPartOfThePathAndKeepsTheFolders) {
    const FtpAddress a{QStringLiteral("127.0.0.1"), 2121};
    EXPECT_EQ(ftpUrl(a, QStringLiteral("www/pics/image1")),
              QByteArray("ftp://127.0.0.1:2121/www/pics/image1"));
    EXPECT_EQ(ftpUrl(a, QStringLiteral("my \"pic\" #1 100%.jpg")),
              QByteArray("ftp://127.0.0.1:2121/my%20%22pic%22%20%231%20100%25.jpg"));
    EXPECT_EQ(ftpUrl(a, QStringLiteral("bild/Grüße.jpg")),
              QByteArray("ftp://127.0.0.1:2121/bild/Gr%C3%BC%C3%9Fe.jpg"));
    // A line end in a name never becomes a second command.
    EXPECT_EQ(ftpUrl(a, QStringLiteral("a\r\nDELE b")),
              QByteArray("ftp://127.0.0.1:2121/a%0D%0ADELE%20b"));
}

TEST(FtpUrl, KeepsIPv6InBracketsAndEncodesWhatWouldEndTheHost) {
    EXPECT_EQ(ftpUrl({QStringLiteral("::1"), 21}, QStringLiteral("x")),
              QByteArray("ftp://[::1]:21/x"));
    EXPECT_EQ(ftpUrl({QStringLiteral("evil.org/x@host"), 21}, QStringLiteral("x")),
              QByteArray("ftp://evil.org%2fx%40host:21/x"));
}

struct OperationCase {
    int code;
    FtpStage stage;
    const char* operation;
};

class Operation : public ::testing::TestWithParam<OperationCase> {};

TEST_P(Operation, NamesTheStepThatFailed) {
    EXPECT_EQ(operationName(GetParam().code, GetParam().stage),
              QString::fromLatin1(GetParam().operation));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Operation,
    ::testing::Values(
        OperationCase{CURLE_FAILED_INIT, FtpStage::Session, "InternetOpen"},
        OperationCase{CURLE_OUT_OF_MEMORY, FtpStage::Write, "InternetOpen"},
        OperationCase{CURLE_COULDNT_CONNECT, FtpStage::Session, "InternetConnect"},
        OperationCase{CURLE_COULDNT_RESOLVE_HOST, FtpStage::Session, "InternetConnect"},
        OperationCase{CURLE_LOGIN_DENIED, FtpStage::Login, "InternetConnect"},
        OperationCase{CURLE_OPERATION_TIMEDOUT, FtpStage::Login, "InternetConnect"},
        OperationCase{CURLE_REMOTE_ACCESS_DENIED, FtpStage::OpenFile, "FtpOpenFile"},
        OperationCase{CURLE_UPLOAD_FAILED, FtpStage::OpenFile, "FtpOpenFile"},
        OperationCase{CURLE_SEND_ERROR, FtpStage::Write, "InternetWriteFile"},
        OperationCase{CURLE_OPERATION_TIMEDOUT, FtpStage::Write, "InternetWriteFile"}));

TEST(InternetError, ReadsAsTheReportOfTheOperation) {
    EXPECT_EQ(internetErrorText(QStringLiteral("FtpOpenFile"), 9, QStringLiteral("Access denied")),
              QStringLiteral("FtpOpenFile error code: 9 Message: Access denied"));
    EXPECT_EQ(internetErrorText(QStringLiteral("InternetOpen"), 2, {}),
              QStringLiteral("InternetOpen error code: 2 Message: "));
}

TEST(InternetError, PassiveIsTriedOnlyWhenTheActiveDataConnectionFailed) {
    EXPECT_TRUE(activeConnectionFailed(CURLE_FTP_PORT_FAILED, FtpStage::OpenFile, 502));
    EXPECT_TRUE(activeConnectionFailed(CURLE_FTP_ACCEPT_TIMEOUT, FtpStage::OpenFile, 150));
    EXPECT_TRUE(activeConnectionFailed(CURLE_UPLOAD_FAILED, FtpStage::OpenFile, 425));
    EXPECT_FALSE(activeConnectionFailed(CURLE_OK, FtpStage::OpenFile, 425));
    EXPECT_FALSE(activeConnectionFailed(CURLE_LOGIN_DENIED, FtpStage::Login, 530));
    EXPECT_FALSE(activeConnectionFailed(CURLE_REMOTE_ACCESS_DENIED, FtpStage::OpenFile, 550));
    EXPECT_FALSE(activeConnectionFailed(CURLE_SEND_ERROR, FtpStage::Write, 425));
}

TEST(InternetError, NeverShowsThePassword) {
    EXPECT_EQ(
        hideSecret(QStringLiteral("530 Bad password s3cret for s3cret"), QStringLiteral("s3cret")),
        QStringLiteral("530 Bad password ******** for ********"));
    EXPECT_EQ(hideSecret(QStringLiteral("530 Login incorrect"), {}),
              QStringLiteral("530 Login incorrect"));
}

struct StatusCase {
    bool onAir;
    int heightUnits;
    double pixelsPerUnit;
    QSize size;
};

class StatusSize : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusSize, IsOneUnitWideOnAirAndTwoOffAir) {
    const StatusCase& c = GetParam();
    const QImage p = statusPicture(c.onAir, c.heightUnits, c.pixelsPerUnit, Qt::lightGray);
    EXPECT_EQ(p.size(), c.size);
    EXPECT_EQ(p.pixelColor(p.width() - 1, p.height() - 1), QColor(Qt::lightGray));
}

INSTANTIATE_TEST_SUITE_P(Scales, StatusSize,
                         ::testing::Values(StatusCase{true, 1, 1.0, {1, 1}},
                                           StatusCase{false, 50, 1.0, {2, 50}},
                                           StatusCase{true, 10, 1.5, {2, 15}},
                                           StatusCase{false, 10, 1.5, {3, 15}},
                                           // Never narrower than a pixel.
                                           StatusCase{true, 1, 0.3, {1, 1}}));

TEST(StatusPicture, HeightStaysInOneToFiftyAndChanges) {
    FixedClock clock;
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int h = statusPictureHeight(clock);
        ASSERT_GE(h, 1);
        ASSERT_LE(h, 50);
        seen.insert(h);
    }
    EXPECT_GT(seen.size(), 40u);
}

} // namespace
} // namespace quiverel

namespace quiverel {
namespace {

struct FieldCase {
    const char* typed;
    const char* kept;
};

class FtpField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FtpField, TakesNoControlCharacter) {
    const QString typed = QString::fromUtf8(GetParam().typed);
    const QString kept = QString::fromUtf8(GetParam().kept);
    EXPECT_EQ(ftpFieldText(typed), kept);
    EXPECT_EQ(holdsControlCharacter(typed), typed != kept);
    EXPECT_FALSE(holdsControlCharacter(kept));
}

INSTANTIATE_TEST_SUITE_P(Texts, FtpField,
                         ::testing::Values(FieldCase{"pw", "pw"}, FieldCase{"pw\r\n", "pw"},
                                           FieldCase{"pw\r\nDELE www/victim.txt",
                                                     "pwDELE www/victim.txt"},
                                           FieldCase{"\nwww\n", "www"},
                                           FieldCase{"a\tb\x7f"
                                                     "c\x1b",
                                                     "abc"},
                                           FieldCase{"pa ss\"w0rd", "pa ss\"w0rd"},
                                           FieldCase{"Grüße\xc2\x85", "Grüße"}, FieldCase{"", ""}));

} // namespace
} // namespace quiverel
