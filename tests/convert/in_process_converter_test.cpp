#include "convert/in_process_converter.h"
#include "convert/iview_ini.h"
#include "converter/editor_window.h"
#include "imaging/picture_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_app.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

QImage quadrants(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y,
                         x < w / 2 ? (y < h / 2 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                                   : (y < h / 2 ? qRgb(0, 0, 255) : qRgb(255, 255, 0)));
    return img;
}

QImage noisy(int w, int h) {
    QImage img = quadrants(w, h);
    quint32 s = 7;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            img.setPixel(x, y, img.pixel(x, y) ^ ((s >> 8) & 0x1F1F1F));
        }
    return img;
}

} // namespace

TEST(InProcessConverter, OperationsKeepTheContract) {
    test::TempApp app;
    ScriptedPrompts prompts;
    InProcessConverter converter(app.path(), prompts);
    const QString src = app.path() + u"/pic.png";
    ASSERT_TRUE(savePicture(quadrants(400, 300), src));

    EXPECT_TRUE(converter.convert(src, app.path() + u"/Temp.bmp"));
    EXPECT_EQ(loadPicture(app.path() + u"/Temp.bmp").size(), QSize(400, 300));
    EXPECT_TRUE(converter.thumbnail(src, app.path() + u"/th.jpg"));
    EXPECT_EQ(loadPicture(app.path() + u"/th.jpg").size(), QSize(112, 84));
    EXPECT_TRUE(converter.resample(src, 200, 200, app.path() + u"/ini", app.path() + u"/r.bmp"));
    EXPECT_EQ(loadPicture(app.path() + u"/r.bmp").size(), QSize(200, 150));

    // No [JP2] yet: a clear failure and no file.
    EXPECT_FALSE(converter.compress(src, app.path() + u"/ini", app.path() + u"/c.jp2"));
    EXPECT_TRUE(converter.lastError().contains(u"[JP2]"));
    EXPECT_FALSE(QFile::exists(app.path() + u"/c.jp2"));

    ASSERT_TRUE(writeIviewIni(app.ini(QStringLiteral("i_view32.ini")), 6000));
    EXPECT_TRUE(converter.compress(src, app.path() + u"/ini", app.path() + u"/c.jp2"));
    EXPECT_LE(QFileInfo(app.path() + u"/c.jp2").size(), 6000);
    EXPECT_TRUE(converter.lastError().isEmpty());
    EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST(InProcessConverter, EventsRunWhileTheWorkIsDone) {
    test::TempApp app;
    ScriptedPrompts prompts;
    InProcessConverter converter(app.path(), prompts);
    const QString src = app.path() + u"/big.bmp";
    ASSERT_TRUE(savePicture(noisy(1600, 1200), src));
    ASSERT_TRUE(writeIviewIni(app.ini(QStringLiteral("i_view32.ini")), 30000));
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    EXPECT_TRUE(converter.compress(src, app.path() + u"/ini", app.path() + u"/big.jp2"));
    EXPECT_TRUE(ran);
}

TEST(InProcessConverter, EditWithoutTheConverterProgramIsToldAsAShellError) {
    test::TempApp app;
    ScriptedPrompts prompts;
    InProcessConverter converter(app.path(), prompts);
    EXPECT_FALSE(converter.edit(app.path() + u"/pic.jpg"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().first().startsWith(
        u"An error occurred with the Shell command: \n\"" + app.path() + u"/i__view32.exe "));
}

TEST(EditorWindow, TurnsFlipsAndSavesOverTheFile) {
    test::TempApp app;
    const QString file = app.path() + u"/e.png";
    ASSERT_TRUE(savePicture(quadrants(40, 20), file));
    EditorWindow window(file, loadPicture(file));
    window.rotateRight();
    ASSERT_EQ(window.picture().size(), QSize(20, 40));
    EXPECT_EQ(window.picture().pixel(19, 0), qRgb(255, 0, 0)); // top-left went to top-right
    window.rotateLeft();
    window.flipHorizontally();
    EXPECT_EQ(window.picture().pixel(0, 0), qRgb(0, 0, 255));
    window.flipVertically();
    EXPECT_EQ(window.picture().pixel(0, 0), qRgb(255, 255, 0));
    EXPECT_TRUE(window.isModified());
    ASSERT_TRUE(window.save());
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(loadPicture(file), window.picture().convertToFormat(loadPicture(file).format()));
}
