#include "qsl/qsl_sample.h"

#include "qsl/qsl_card.h"
#include "texteffects/text_colours.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace quiverel {

QImage DrawQslSample(const QslSampleInput& in) {
    const double k = in.pixelsPerUnit > 0 ? in.pixelsPerUnit : 1.0;
    QImage sample = qslSurfaceImage(
        QSize(int(std::lround(in.size.width() * k)), int(std::lround(in.size.height() * k))));
    if (!in.canvas.isNull()) {
        // The bottom 50 units of the canvas at the top of the sample.
        QPainter p(&sample);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(k, k);
        p.drawImage(QRectF(QPointF(0, 50 - in.canvasUnits.height()), in.canvasUnits), in.canvas);
    }
    maskWithColour(sample, sample.rect(), in.colours[0]);

    QPainter p(&sample);
    p.scale(k, k);
    QPen pen(toQColor(in.colours[1]));
    pen.setCosmetic(true);
    p.setPen(pen);
    p.drawLine(QPointF(7, 0), QPointF(7, 103));
    p.drawLine(QPointF(7, 103), QPointF(150, 103));
    p.drawLine(QPointF(7, 50), QPointF(150, 50));

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(18);
    p.setFont(font);
    const QFontMetricsF fm(font, &sample);
    p.drawText(QPointF(40, 10 + fm.ascent()), QStringLiteral("Date"));
    p.setPen(toQColor(in.colours[2]));
    p.drawText(QPointF(30, 60 + fm.ascent()), in.date);
    return sample;
}

} // namespace quiverel
