#pragma once
// The composer's "Print pic": the composite on the default printer, 3 1/3
// inches high at 5/8 inch from the left, its width in proportion.

#include <QImage>
#include <QRectF>

class QPrinter;

namespace quiverel {

inline constexpr int kPrintDpi = 300;

// Where the composite goes on the page, in device pixels at `dpi`: left 900
// twips, top 0, 4800 twips high and 4800 / `canvasAspect` twips wide
// (`canvasAspect` = canvas height / canvas width).
QRectF printPlacement(double canvasAspect, int dpi);

// Paints the composite onto `printer` at 300 dpi and ends the job. False when
// the printer could not start.
bool printComposite(QPrinter& printer, const QImage& composite, double canvasAspect);

// printComposite on the default printer; without one nothing happens.
void PrintOnDefaultPrinter(const QImage& composite, double canvasAspect);

} // namespace quiverel
