#include "composer/print_composite.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quiverel {
namespace {

// The printed page, rendered back by pdftoppm at 150 dpi: the dark picture
// stands where the placement says.
TEST(PrintComposite, PictureLandsAtItsPlaceOnThePage) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QImage composite(640, 480, QImage::Format_RGB32);
    composite.fill(Qt::black);
    ASSERT_TRUE(printComposite(printer, composite, 0.75));
    EXPECT_EQ(printer.resolution(), kPrintDpi);

    QProcess render;
    render.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-gray"),
                            QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                            dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(render.waitForFinished(-1));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());

    QRect dark;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) dark |= QRect(x, y, 1, 1);
    const QRectF expected = printPlacement(0.75, 150); // 93.75, 0, 666.7 x 500
    EXPECT_NEAR(dark.left(), expected.left(), 1.5);
    EXPECT_NEAR(dark.top(), 0, 1.5);
    EXPECT_NEAR(dark.width(), expected.width(), 2);
    EXPECT_NEAR(dark.height(), expected.height(), 2);
}

} // namespace
} // namespace quiverel
