#include "tools/frm_search.h"

#include "support/test_context.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

class FrmSearch : public ::testing::Test {
protected:
    void SetUp() override {
        t.readTextTable();
        folder = t.app.path() + QStringLiteral("/rx/");
        QDir().mkpath(folder);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(folder + QStringLiteral("SK0_12.jpg")));
        ASSERT_TRUE(image.save(folder + QString::fromUtf8("skØ.png")));
        ASSERT_TRUE(image.save(folder + QStringLiteral("other.bmp")));
        t.state.appFolder = t.app.path();
        t.state.folders.rows = {{QStringLiteral("RX"), folder}};
        window = new frmSearch(t.ctx, &opener);
        window->Form_Load();
        window->show();
    }
    void TearDown() override { delete window.data(); }

    test::TestContext t;
    QWidget opener;
    QString folder;
    QPointer<frmSearch> window;
};

TEST_F(FrmSearch, TypedZeroBecomesSlashedOAndOpenerIsDisabled) {
    QTest::keyClicks(window->Text1, QStringLiteral("sk0"));
    EXPECT_EQ(window->Text1->text(), QString::fromUtf8("skØ"));
    EXPECT_EQ(window->Text1->cursorPosition(), 3);
    EXPECT_FALSE(opener.isEnabled());
    window->close();
    EXPECT_TRUE(opener.isEnabled());
}

TEST_F(FrmSearch, EnterWithMatchesFillsResultsAndCloses) {
    QSignalSpy found(window.data(), &frmSearch::found);
    QTest::keyClicks(window->Text1, QStringLiteral("SK0"));
    QTest::keyClick(window->Text1, Qt::Key_Return);
    ASSERT_EQ(found.count(), 1);
    const QString search = t.app.path() + QStringLiteral("/Search/");
    EXPECT_TRUE(QFileInfo::exists(search + QStringLiteral("SK0_12.jpg")));
    EXPECT_TRUE(QFileInfo::exists(search + QString::fromUtf8("skØ.png")));
    EXPECT_TRUE(QFileInfo::exists(search + QStringLiteral("ThumbFiles/SK0_12.jpg")));
    EXPECT_TRUE(QFileInfo::exists(search + QString::fromUtf8("ThumbFiles/skØ.jpg")));
    EXPECT_FALSE(QFileInfo::exists(search + QStringLiteral("other.bmp")));
    EXPECT_EQ(t.state.catalogue.searchResultPaths.size(), 2);
    EXPECT_TRUE(opener.isEnabled());
    QTRY_VERIFY(window.isNull()); // closed and gone
}

TEST_F(FrmSearch, NoMatchSaysSoAndStaysOpen) {
    QSignalSpy found(window.data(), &frmSearch::found);
    QTest::keyClicks(window->Text1, QStringLiteral("zzz"));
    window->cmdOk_Click();
    EXPECT_EQ(found.count(), 0);
    EXPECT_EQ(window->Label2->text(), t.state.text[110] + QStringLiteral(" 'zzz'"));
    EXPECT_TRUE(window->Text1->text().isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFileInfo::exists(t.app.path() + QStringLiteral("/Search")));
}

TEST_F(FrmSearch, EmptyKeywordDoesNothing) {
    window->Label2->setText(QStringLiteral("old"));
    window->cmdOk_Click();
    EXPECT_TRUE(window->Label2->text().isEmpty());
    EXPECT_TRUE(window->isVisible());
}

} // namespace

namespace {

// 50,000 matches froze the window while the copies were written. Now the
// window stays live (a timer runs, progress arrives) and Esc stops the copying
// with only whole copies in the results folder.
TEST(FrmSearchManyMatches, WindowStaysLiveAndEscLeavesOnlyWholeCopies) {
    test::TestContext t;
    t.readTextTable();
    const QString folder = t.app.path() + QStringLiteral("/many/");
    QDir().mkpath(folder);
    const int count = 50000;
    for (int k = 0; k < count; ++k) {
        QFile f(folder + QStringLiteral("qsl%1.txt").arg(k, 5, 10, QLatin1Char('0')));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("73 de ") + QByteArray::number(k) + "\r\n");
    }
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::white);
    ASSERT_TRUE(icon.save(t.app.path() + QStringLiteral("/TextFile.jpg")));
    t.state.appFolder = t.app.path();
    t.state.folders.rows = {{QStringLiteral("Many"), folder}};

    QWidget opener;
    QPointer<frmSearch> window = new frmSearch(t.ctx, &opener);
    window->Form_Load();
    window->show();
    QSignalSpy found(window.data(), &frmSearch::found);
    int ticksWhileCopying = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (!window || window->cmdOk->isEnabled() || window->pBar->value() == 0) return;
        if (++ticksWhileCopying == 1) QTest::keyClick(window.data(), Qt::Key_Escape);
    });
    tick.start(1);
    window->Text1->setText(QStringLiteral("QSL"));
    window->cmdOk_Click();
    tick.stop();

    EXPECT_GE(ticksWhileCopying, 1);
    EXPECT_EQ(found.count(), 1);
    QTRY_VERIFY(window.isNull());
    EXPECT_TRUE(opener.isEnabled());
    const QString search = t.app.path() + QStringLiteral("/Search/");
    const QStringList copies =
        QDir(search).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    EXPECT_LT(copies.size(), count);
    EXPECT_EQ(t.state.catalogue.searchResultPaths.size(), copies.size());
    for (const QString& name : copies) {
        QFile copy(search + name);
        QFile original(folder + name);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_EQ(copy.readAll(), original.readAll()) << name.toStdString();
    }
}

} // namespace
