#include "convert/converter_command_line.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quiverel;

TEST(ConverterCommandLine, TheProgramsFormsReadBackAsTheirJobs) {
    const QString src = QStringLiteral("/pics/a b.jpg");
    auto c = parseConverterArguments(convertArguments(src, QStringLiteral("/t/Temp.bmp")));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->job.source, src);
    EXPECT_EQ(c->job.target, u"/t/Temp.bmp");
    EXPECT_FALSE(c->job.resample);
    EXPECT_FALSE(c->job.iniFolder);

    c = parseConverterArguments(thumbnailArguments(src, QStringLiteral("/t/th.jpg")));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->job.resample, QSize(112, 84));
    EXPECT_TRUE(c->job.keepAspect);
    EXPECT_TRUE(c->silent);

    c = parseConverterArguments(
        resampleArguments(src, 320, 256, QStringLiteral("/app/ini"), QStringLiteral("/tx/x.jp2")));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->job.source, src);
    EXPECT_EQ(c->job.resample, QSize(320, 256));
    EXPECT_EQ(c->job.iniFolder, QStringLiteral("/app/ini"));

    c = parseConverterArguments(
        compressArguments(src, QStringLiteral("/app/ini"), QStringLiteral("/tx/x.jp2")));
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->job.resample);
    EXPECT_EQ(c->job.iniFolder, QStringLiteral("/app/ini"));

    c = parseConverterArguments(editArguments(src));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->action, ConverterCommand::Action::Edit);
    EXPECT_EQ(c->editFile, src);
}

TEST(ConverterCommandLine, NamesWithLineBreaksKeepEveryCharacter) {
    for (const QString& src : {QStringLiteral("/pics/two\nlines.jpg"), QStringLiteral("/pics/\n"),
                               QStringLiteral("/pics/end.jpg\n")}) {
        auto c = parseConverterArguments(resampleArguments(
            src, 320, 256, QStringLiteral("/app/ini"), QStringLiteral("/tx/x.jp2")));
        ASSERT_TRUE(c);
        EXPECT_EQ(c->job.source, src);
        EXPECT_EQ(c->job.resample, QSize(320, 256));
    }
    // A size followed by a line break is no size.
    EXPECT_FALSE(
        parseConverterArguments({QStringLiteral("a.jpg"), QStringLiteral("/resample=(1,2)\n"),
                                 QStringLiteral("/convert=b.bmp")}));
}

TEST(ConverterCommandLine, MalformedCommandsAreRefusedWithAReason) {
    const QStringList bad[] = {
        {},
        {QStringLiteral("/convert=x.bmp")},
        {QStringLiteral("a.jpg")},
        {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("/convert=x.bmp")},
        {QStringLiteral("a.jpg"), QStringLiteral("/resample=(0,5)"),
         QStringLiteral("/convert=x.bmp")},
        {QStringLiteral("a.jpg"), QStringLiteral("/resample=(70000,5)"),
         QStringLiteral("/convert=x.bmp")},
        {QStringLiteral("a.jpg"), QStringLiteral("/resample=(-3,5)"),
         QStringLiteral("/convert=x.bmp")},
        {QStringLiteral("a.jpg/resample=(1,x)"), QStringLiteral("/convert=x.bmp")},
        {QStringLiteral("a.jpg"), QStringLiteral("/one"), QStringLiteral("/convert=x.bmp")},
    };
    for (const QStringList& args : bad) {
        QString error;
        EXPECT_FALSE(parseConverterArguments(args, &error)) << qPrintable(args.join(u' '));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(parseConverterArguments({QStringLiteral("x"), QStringLiteral("--help")})->action,
              ConverterCommand::Action::Help);
}

TEST(ConverterCommandLine, AFileReallyNamedLikeTheGluedOptionKeepsItsName) {
    QTemporaryDir dir;
    const QString odd = dir.filePath(QStringLiteral("resample=(3,4)"));
    QFile(odd).open(QIODevice::WriteOnly);
    const auto c = parseConverterArguments({odd, QStringLiteral("/convert=x.bmp")});
    ASSERT_TRUE(c);
    EXPECT_EQ(c->job.source, odd);
    EXPECT_FALSE(c->job.resample);
}
