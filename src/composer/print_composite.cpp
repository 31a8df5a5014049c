#include "composer/print_composite.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace quiverel {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kLeftTwips = 900;
constexpr double kHeightTwips = 4800;
} // namespace

QRectF printPlacement(double canvasAspect, int dpi) {
    const double perTwip = dpi / kTwipsPerInch;
    const double widthTwips = canvasAspect > 0 ? kHeightTwips / canvasAspect : kHeightTwips;
    return QRectF(kLeftTwips * perTwip, 0, widthTwips * perTwip, kHeightTwips * perTwip);
}

bool printComposite(QPrinter& printer, const QImage& composite, double canvasAspect) {
    if (composite.isNull()) return false;
    printer.setResolution(kPrintDpi);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(printPlacement(canvasAspect, printer.resolution()), composite);
    return painter.end();
}

void PrintOnDefaultPrinter(const QImage& composite, double canvasAspect) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return;
    QPrinter printer(info, QPrinter::HighResolution);
    printComposite(printer, composite, canvasAspect);
}

} // namespace quiverel
