// The text effects preview, redrawn at every key press: for each of the eight
// styles three lines of text at 24, 48 and 72 points (the outline styles at
// their widest outline), the median and the worst of 50 redraws; and the same
// text scaled x 3 as the composer draws it onto a 1600 x 1200 picture.
// Asserts nothing. An argument 0..7 measures that style only.

#include "texteffects/text_layout.h"
#include "texteffects/text_renderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace quiverel;

namespace {

const QString kText = QStringLiteral("CQ CQ CQ de DLØABC\r\nSSTV 73 and good DX\r\nQSL via bureau");
constexpr int kRuns = 50;
constexpr int kFullRuns = 10;

struct Times {
    double median = 0;
    double worst = 0;
    double cpuMedian = 0; // this thread's processor time: what other programs on the cores hide
};

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

Times measure(int runs, const std::function<void()>& work) {
    std::vector<double> ms, cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        const double c0 = threadCpuMs();
        t.start();
        work();
        ms.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - c0);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    return {ms[ms.size() / 2], ms.back(), cpu[cpu.size() / 2]};
}

// The slider value the bench draws with: the widest outline, a pen of a
// fifth of the point size for Hollow, depth 10 otherwise.
int sliderValue(TextStyle style, double points) {
    if (const auto range = styleSliderRange(style, points))
        return style == TextStyle::Hollow ? std::min(range->maximum, 10) : range->maximum;
    return 10;
}

TextJob job(TextStyle style, double points) {
    TextJob j;
    j.text = kText;
    j.font = QFont(QStringLiteral("Arial"));
    j.font.setPointSizeF(points);
    j.font.setBold(true);
    j.style = style;
    j.gradient = GradientKind::Spherical;
    const int value = sliderValue(style, points);
    int maximum = kDefaultDepthMaximum;
    if (const auto range = styleSliderRange(style, points)) maximum = range->maximum;
    j.depth = value;
    j.outlineWidth = outlineWidth(style, points, maximum, value);
    j.fontColour = 255;
    j.secondColour = 16711680;
    j.box = PreviewSize(kText, j.font, style, value);
    return j;
}

// The composer's full-resolution job: font, depth, outline and box x 3, at
// the layer's place, with the wider gradient pen.
TextJob fullResolution(const TextJob& preview) {
    TextJob j = preview;
    j.font.setPointSizeF(preview.font.pointSizeF() * 3);
    j.depth = preview.depth * 3;
    j.outlineWidth = preview.outlineWidth * 3;
    j.origin = QPoint(60, 90);
    j.gradientPen = 4;
    double h = j.depth + TextHeight(j.font, j.text);
    h += h / 20;
    j.box = QSize(int(j.depth + TextWidth(j.font, j.text)), int(h));
    return j;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    double worstMedian48 = 0, widestOutline72 = 0, fullWorst = 0;
    QString worstStyle;
    std::printf("%-20s %4s %10s %10s %10s %12s %12s\n", "style", "pt", "median ms", "worst ms",
                "cpu ms", "full med ms", "full worst ms");
    // One style only when its index is given, for looking at it closer.
    const int only = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : -1;
    for (int s = 0; s < kTextStyles; ++s) {
        if (only >= 0 && s != only) continue;
        const TextStyle style = TextStyle(s);
        for (double points : {24.0, 48.0, 72.0}) {
            const TextJob preview = job(style, points);
            const Times redraw = measure(kRuns, [&preview] {
                // What one redraw does: size the preview, clear it, draw.
                const QSize size =
                    PreviewSize(preview.text, preview.font, preview.style, preview.depth);
                QImage img = whiteSurface(size);
                DrawStyledText(img, preview);
            });
            const TextJob full = fullResolution(preview);
            QImage picture(1600, 1200, QImage::Format_RGB32);
            picture.fill(qRgb(90, 120, 160));
            const Times composite =
                measure(kFullRuns, [&full, &picture] { DrawStyledText(picture, full); });
            std::printf("%-20s %4.0f %10.2f %10.2f %10.2f %12.2f %12.2f\n",
                        styleCaption(style).toUtf8().constData(), points, redraw.median,
                        redraw.worst, redraw.cpuMedian, composite.median, composite.worst);
            if (points == 48.0 && redraw.median > worstMedian48) {
                worstMedian48 = redraw.median;
                worstStyle = styleCaption(style);
            }
            if (points == 72.0 && style == TextStyle::Outline) widestOutline72 = redraw.median;
            fullWorst = std::max(fullWorst, composite.worst);
        }
    }
    std::printf("texteffects: worst median at 48 pt %.1f ms (%s); widest outline at 72 pt %.1f "
                "ms; full resolution worst %.1f ms\n",
                worstMedian48, worstStyle.toUtf8().constData(), widestOutline72, fullWorst);
    return 0;
}
