#include "app/sstv_folders.h"

#include "app/startup.h"
#include "catalogue/hostile_folders.h"
#include "support/temp_app.h"
#include "util/text_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

// A made-up home folder.
struct Home {
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    void put(const QString& relative, const QByteArray& bytes = "picture") const {
        const QString file = path() + u'/' + relative;
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }
    void folder(const QString& relative) const { QDir().mkpath(path() + u'/' + relative); }
    void link(const QString& relative, const QString& target) const {
        QDir().mkpath(QFileInfo(path() + u'/' + relative).path());
        QFile::link(target, path() + u'/' + relative);
    }
    void qsstv(const QString& name, const QByteArray& text) const {
        put(QStringLiteral(".config/ON4QZ/") + name, text);
    }
    // Every entry below the home folder with its size and time.
    QStringList snapshot() const {
        QStringList out;
        QDirIterator it(path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            out << it.next() + QString::number(it.fileInfo().lastModified().toMSecsSinceEpoch());
        out.sort();
        return out;
    }
};

// "caption|folder" with the home folder as "~".
QStringList described(const QList<FolderRow>& rows, const QString& home) {
    QStringList out;
    for (const FolderRow& r : rows)
        out << r.caption + u'|' + QString(r.path).replace(home, QStringLiteral("~"));
    return out;
}

QList<FolderRow> discover(const Home& home, const QString& winePrefix = {}) {
    return addFoldersOnce({}, findSstvFolders({home.path(), winePrefix}));
}

struct DiscoveryCase {
    const char* name;
    std::function<void(const Home&)> make;
    QStringList expected;
    const char* winePrefix = ""; // below the home folder
};

struct SstvDiscovery : testing::TestWithParam<DiscoveryCase> {};

TEST_P(SstvDiscovery, FindsEachReceiveFolderOnceWithItsProgram) {
    const DiscoveryCase& c = GetParam();
    Home home;
    c.make(home);
    const QString prefix =
        *c.winePrefix ? home.path() + u'/' + QLatin1String(c.winePrefix) : QString();
    const QStringList before = home.snapshot();
    EXPECT_EQ(described(discover(home, prefix), home.path()), c.expected) << c.name;
    EXPECT_EQ(home.snapshot(), before) << c.name << ": something was written";
}

const DiscoveryCase kCases[] = {
    {"QSSTV's settings name both folders; two files naming one folder list it once",
     [](const Home& h) {
         h.folder(QStringLiteral("radio/sstv in"));
         h.folder(QStringLiteral("qsstv/rx_sstv"));
         h.link(QStringLiteral("drm"), h.path() + QStringLiteral("/qsstv/rx_sstv"));
         const QByteArray home = QFile::encodeName(h.path());
         h.qsstv(QStringLiteral("qsstv_8.conf"),
                 "[DIRECTORIES]\nrxSSTVImagesPath=" + home + "/radio/sstv in\n");
         h.qsstv(QStringLiteral("qsstv_9.0.conf"),
                 "[DIRECTORIES]\nrxSSTVImagesPath=~/radio/sstv in/\nrxDRMImagesPath=" + home +
                     "/drm\n[GENERAL]\ncallsign=QV1TST\n");
     },
     {"QSSTV sstv in|~/radio/sstv in/", "QSSTV drm|~/drm/"}},
    {"QSSTV's settings without the keys: its usual folders, where they exist",
     [](const Home& h) {
         h.folder(QStringLiteral("qsstv/rx_drm"));
         h.qsstv(QStringLiteral("qsstv_9.0.conf"), "[DIRECTORIES]\ntxSSTVImagesPath=/tmp\n");
     },
     {"QSSTV rx_drm|~/qsstv/rx_drm/"}},
    {"garbage settings, a missing folder, a path with a line break",
     [](const Home& h) {
         h.folder(QStringLiteral("qsstv/rx_sstv"));
         h.folder(QStringLiteral("bad\nname"));
         h.qsstv(QStringLiteral("qsstv_1.conf"), QByteArray("\x00\xff[DIREC\n=\x01", 10));
         h.qsstv(QStringLiteral("qsstv_2.conf"),
                 "[DIRECTORIES]\nrxDRMImagesPath=/no/such/folder\n");
         h.qsstv(QStringLiteral("qsstv_3.conf"), "[DIRECTORIES]\nrxDRMImagesPath=\"" +
                                                     QFile::encodeName(h.path()) +
                                                     "/bad\\nname\"\n");
     },
     {"QSSTV rx_sstv|~/qsstv/rx_sstv/"}},
    {"two Wine prefixes, picture folders up to two levels into each program's folder",
     [](const Home& h) {
         h.put(QStringLiteral(".wine/drive_c/Program Files (x86)/MMSSTV/History/a.jpg"));
         h.put(QStringLiteral(".wine/drive_c/Program Files (x86)/MMSSTV/History/ThumbFiles/a.jpg"));
         h.put(QStringLiteral(".wine/drive_c/Program Files (x86)/MMSSTV/mmsstv.exe"));
         const QString other = QStringLiteral(".local/share/wineprefixes/radio/drive_c/");
         h.put(other + QStringLiteral("EasyPal/RX Images/b.JPG"));
         h.put(other + QStringLiteral("EasyPal/RX Images/2024/c.bmp"));
         h.put(other + QStringLiteral("EasyPal/RX Images/2024/05/too deep.png"));
         h.put(other + QStringLiteral("EasyPal/Empty/readme.doc"));
         h.put(other + QStringLiteral("ham/kgstv 1.5/rx/d.jp2"));
         h.put(other + QStringLiteral("a/b/c/Kg-Stv/Pictures/e.gif"));
         h.put(other + QStringLiteral("a/b/c/d/MMSSTV/History/too deep.jpg"));
     },
     {"MMSSTV History|~/.wine/drive_c/Program Files (x86)/MMSSTV/History/",
      "EasyPal RX Images|~/.local/share/wineprefixes/radio/drive_c/EasyPal/RX Images/",
      "EasyPal RX Images/2024|~/.local/share/wineprefixes/radio/drive_c/EasyPal/RX Images/2024/",
      "KG-STV Pictures|~/.local/share/wineprefixes/radio/drive_c/a/b/c/Kg-Stv/Pictures/",
      "KG-STV rx|~/.local/share/wineprefixes/radio/drive_c/ham/kgstv 1.5/rx/"}},
    {"$WINEPREFIX once though it is ~/.wine; a second MMSSTV gets its own caption",
     [](const Home& h) {
         h.put(QStringLiteral(".wine/drive_c/MMSSTV/History/a.jpg"));
         h.put(QStringLiteral(".local/share/wineprefixes/ham/drive_c/mmsstv/History/b.jpg"));
         h.link(QStringLiteral(".local/share/wineprefixes/same"),
                h.path() + QStringLiteral("/.wine"));
     },
     {"MMSSTV History|~/.wine/drive_c/MMSSTV/History/",
      "MMSSTV History 2|~/.local/share/wineprefixes/ham/drive_c/mmsstv/History/"},
     ".wine/"},
    {"links are never followed: a loop, the home folder, a program or drive_c elsewhere",
     [](const Home& h) {
         h.put(QStringLiteral(".wine/drive_c/EasyPal/RX/a.jpg"));
         h.link(QStringLiteral(".wine/drive_c/loop/again"), QStringLiteral(".."));
         h.link(QStringLiteral(".wine/drive_c/EasyPal/RX/loop"), QStringLiteral("../RX"));
         h.link(QStringLiteral(".wine/drive_c/users/op/Desktop"), h.path());
         h.put(QStringLiteral("elsewhere/MMSSTV/History/b.jpg"));
         h.link(QStringLiteral(".wine/drive_c/MMSSTV"),
                h.path() + QStringLiteral("/elsewhere/MMSSTV"));
         h.link(QStringLiteral(".wine/drive_c/EasyPal/Linked"),
                h.path() + QStringLiteral("/elsewhere/MMSSTV/History"));
         h.link(QStringLiteral(".local/share/wineprefixes/p/drive_c"), h.path() + "/elsewhere");
     },
     {"EasyPal RX|~/.wine/drive_c/EasyPal/RX/"}},
};

INSTANTIATE_TEST_SUITE_P(MadeUpHomes, SstvDiscovery, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(SstvDiscovery, AFolderTheUserCannotReadIsSkipped) {
    Home home;
    QFile::setPermissions(home.path(), QFile::permissions(home.path()) | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
    home.put(QStringLiteral(".wine/drive_c/MMSSTV/History/a.jpg"));
    home.put(QStringLiteral(".wine/drive_c/MMSSTV/Locked/b.jpg"));
    home.put(QStringLiteral(".wine/drive_c/Closed/EasyPal/RX/c.jpg"));
    home.folder(QStringLiteral("qsstv/rx_sstv"));
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    for (const char* locked :
         {".wine/drive_c/MMSSTV/Locked", ".wine/drive_c/Closed", "qsstv/rx_sstv"})
        ASSERT_TRUE(QFile::setPermissions(home.path() + u'/' + QLatin1String(locked), mode));
    // Root reads every folder: the look is taken as an ordinary user.
    const std::optional<QByteArray> found = test::runUnprivileged(
        [&] { return described(discover(home), home.path()).join(u'\n').toUtf8(); });
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, "MMSSTV History|~/.wine/drive_c/MMSSTV/History/");
}

TEST(FirstFolderList, ANewUserGetsTheSamplesThenTheFoldersFoundAndNothingElseChanges) {
    Home home;
    home.put(QStringLiteral(".wine/drive_c/MMSSTV/History/a.jpg"));
    home.folder(QStringLiteral("qsstv/rx_sstv"));
    test::TempApp app;
    app.write(QStringLiteral("Samples/one.jpg"), "picture");
    AppState state;
    state.appFolder = app.path();
    const QStringList before = home.snapshot();

    layOutFirstFolderList(state, {home.path(), {}});
    EXPECT_EQ(readTextLines(app.ini(QStringLiteral("Folders.ini"))),
              (QStringList{"Samples", "", "QSSTV rx_sstv", home.path() + "/qsstv/rx_sstv/",
                           "MMSSTV History", home.path() + "/.wine/drive_c/MMSSTV/History/"}));
    EXPECT_EQ(home.snapshot(), before);

    // A folder list of the user's own stays as it is.
    app.write(QStringLiteral("ini/Folders.ini"), "Rx\r\n/rx/\r\n");
    home.put(QStringLiteral(".wine/drive_c/EasyPal/RX/b.jpg"));
    layOutFirstFolderList(state, {home.path(), {}});
    EXPECT_EQ(app.read(QStringLiteral("ini/Folders.ini")), "Rx\r\n/rx/\r\n");
}

} // namespace
