#include "app/startup.h"
#include "support/temp_app.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace quiverel;

TEST(Leftovers, StartUpRemovesWhatAKilledRunLeftAndNothingElse) {
    test::TempApp app;
    AppState s;
    s.appFolder = app.path();
    const QString tx = app.path() + QStringLiteral("/TX/");
    // Left by a kill: a hand-off's staging folder, half-written files, scratch bitmaps.
    app.write(QStringLiteral("TX/.handoff.part-Ab12Cd/photo.bmp"), "full size");
    app.write(QStringLiteral("TX/.photo.jp2.part-Xy34Zz"), "half");
    app.write(QStringLiteral(".Temp.bmp.part-Qw12Er"), "half");
    app.write(QStringLiteral("Temp.bmp"), "scratch");
    app.write(QStringLiteral("ini/.Setup.ini.part-As34Df"), "half");
    // Not ours or not temporary: kept.
    app.write(QStringLiteral("TX/photo.bmp"), "sent");
    app.write(QStringLiteral("TX/.hidden"), "user");
    app.write(QStringLiteral("TX/notes.part-abcdef"), "user");
    app.write(QStringLiteral("keep/inside.jpg"), "user");
    // A link named like a temporary goes, the folder it points to stays whole.
    ASSERT_TRUE(
        QFile::link(app.path() + QStringLiteral("/keep"), tx + QStringLiteral(".x.part-Zz99Zz")));

    loadSettings(s, QSize(1024, 768));
    ASSERT_EQ(s.transmit.txFolder + u'/', tx);
    EXPECT_EQ(
        QDir(tx).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Name),
        QStringList({".hidden", "notes.part-abcdef", "photo.bmp"}));
    EXPECT_FALSE(app.exists(QStringLiteral(".Temp.bmp.part-Qw12Er")));
    EXPECT_FALSE(app.exists(QStringLiteral("Temp.bmp")));
    EXPECT_FALSE(app.exists(QStringLiteral("ini/.Setup.ini.part-As34Df")));
    EXPECT_TRUE(app.exists(QStringLiteral("keep/inside.jpg")));
}
