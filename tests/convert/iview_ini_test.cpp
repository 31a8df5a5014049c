#include "convert/iview_ini.h"
#include "support/temp_app.h"

#include <gtest/gtest.h>

using namespace quiverel;

TEST(IviewIni, ReadsTheTargetSizeAfterTheHeader) {
    test::TempApp app;
    const QString path = app.ini(QStringLiteral("i_view32.ini"));
    ASSERT_TRUE(writeIviewIni(path, 12500));
    EXPECT_EQ(app.read(QStringLiteral("ini/i_view32.ini")),
              QByteArray("[JP2]\r\nSaveOption = 3\r\nSaveQuality = 90\r\n"
                         "SaveCompressionFileSize = 12500\r\n"));
    EXPECT_EQ(readJp2TargetSize(path), 12500);

    app.write(QStringLiteral("ini/i_view32.ini"),
              "[Other]\nx=1\n[JP2]\na\nb\nSize = 30000 bytes\n");
    EXPECT_EQ(readJp2TargetSize(path), 30000);
    app.write(QStringLiteral("ini/i_view32.ini"), "[jp2]\nSaveCompressionFileSize = 1\n");
    EXPECT_FALSE(readJp2TargetSize(path).has_value());
    app.write(QStringLiteral("ini/i_view32.ini"), "[JP2]\nSaveOption = 3\n");
    EXPECT_EQ(readJp2TargetSize(path), 0);
    EXPECT_FALSE(readJp2TargetSize(app.ini(QStringLiteral("none.ini"))).has_value());
}
