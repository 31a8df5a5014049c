// The composer: the full-resolution composite of a 1600 x 1200 picture with a
// mug shot, a second picture, three lines of Gradient + outline text and a
// gradient frame of width 25; the canvas repaint while a layer is dragged on
// an 800 x 600 picture; and Close up to the TX files (the composite resized
// to 800 x 600 with a 12,000-byte JPEG 2000; the half-second pause for the
// SSTV programs left out). Medians; asserts nothing.

#include "bench_corpus.h"
#include "composer/compose_full_size.h"
#include "composer/composer_canvas.h"
#include "composer/form3.h"
#include "convert/iview_ini.h"
#include "imaging/picture_file.h"
#include "mainwindow/transmit.h"
#include "support/test_context.h"
#include "texteffects/text_style.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>
#include <cstdio>

using namespace quiverel;

namespace {

double medianMs(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

Composition fullComposition(const QImage& base) {
    Composition c;
    c.base = base;
    c.canvas = QSizeF(530.6666, 398);
    c.mug = CompositeLayer{bench::photoLike(640, 480, 3), QRectF(10, 10, 112, 84)};
    c.picture = CompositeLayer{bench::photoLike(800, 600, 4), QRectF(300, 200, 160, 120)};
    CompositeText t;
    t.settings.effectText = QStringLiteral("CQ CQ SSTV\r\nde QV1DEV\r\n73 and thanks");
    t.settings.style = int(TextStyle::GradientOutline);
    t.settings.gradientKind = int(GradientKind::Spherical);
    t.settings.fontColour = 65535;
    t.settings.secondColour = 16711680;
    t.settings.depth = 2;
    t.font = QFont(QStringLiteral("Liberation Sans"));
    t.font.setPointSizeF(24);
    t.font.setBold(true);
    t.topLeft = QPointF(120, 150);
    c.text = t;
    c.frame.width = 25;
    c.frame.solid = false;
    return c;
}

double compositeMs(const QImage& base, int runs) {
    const Composition c = fullComposition(base);
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const QImage out = ComposeFullSize(c);
        times.append(t.nsecsElapsed() / 1e6);
        if (out.size() != base.size()) std::printf("composite has the wrong size\n");
    }
    return medianMs(times);
}

double dragRepaintMs(test::TestContext& t, int steps) {
    Form3* form = Form3::open(t.ctx, {.picture = currentPictureRef(t.state)}, nullptr);
    form->cmdMug_Click();
    QLabel* layer = form->picMug;
    auto send = [layer](QEvent::Type type, QPoint canvasPoint, Qt::MouseButton button) {
        const QPointF local = layer->mapFromParent(canvasPoint);
        QMouseEvent e(type, local, layer->mapToGlobal(local), button, Qt::LeftButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(layer, &e);
    };
    send(QEvent::MouseButtonPress, layer->mapToParent(QPoint(10, 10)), Qt::LeftButton);
    QList<double> times;
    for (int i = 0; i < steps; ++i) {
        const QPoint to(20 + (i * 7) % 400, 20 + (i * 3) % 300);
        QElapsedTimer timer;
        timer.start();
        send(QEvent::MouseMove, to, Qt::NoButton);
        // The canvas with its layers, painted as the screen gets it.
        const QPixmap shown = form->picQSL->grab();
        times.append(timer.nsecsElapsed() / 1e6);
        if (shown.isNull()) std::printf("nothing painted\n");
    }
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    delete form;
    return medianMs(times);
}

double closeToTxMs(test::TestContext& t, const QImage& base, int runs) {
    const Composition c = fullComposition(base);
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QImage composite = ComposeFullSize(c);
        t.state.transmit.picture = composite;
        SendToTransmit(
            t.ctx, {t.state.current.folder, t.state.current.fileName, composite, false, true, true},
            [](int) {});
        times.append(timer.nsecsElapsed() / 1e6);
    }
    return medianMs(times);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::TestContext t(test::TestConverter::InProcess);
    t.readTextTable();
    AppState& state = t.state;
    state.settings.guiScale = 1.0;
    state.transmit.txFolder = t.app.path() + QStringLiteral("/TX");
    QDir().mkpath(state.transmit.txFolder);
    QDir().mkpath(t.app.path() + QStringLiteral("/rx"));
    writeIviewIni(state.iniFile(QStringLiteral("i_view32.ini")), 12000);
    state.settings.jp2TargetSize = 12000;
    savePicture(bench::photoLike(640, 480, 5), t.app.path() + QStringLiteral("/Mug.jpg"));

    const QImage large = bench::photoLike(1600, 1200, 1);
    const QImage medium = bench::photoLike(800, 600, 2);
    CurrentPicture& cur = state.current;
    cur.folder = t.app.path() + QStringLiteral("/rx/");
    cur.fileName = QStringLiteral("medium.jpg");
    savePicture(medium, cur.folder + cur.fileName);
    cur.picture = medium;
    cur.width = 800;
    cur.height = 600;

    const double composite = compositeMs(large, 15);
    std::printf("composite of 1600 x 1200 with two layers, 3 lines of text, frame 25: %.1f ms "
                "(goal < 60 ms)\n",
                composite);
    const double repaint = dragRepaintMs(t, 200);
    std::printf("canvas repaint per drag step on 800 x 600: %.2f ms (goal < 8 ms)\n", repaint);

    cur.fileName = QStringLiteral("large.jpg");
    savePicture(large, cur.folder + cur.fileName);
    cur.picture = large;
    cur.width = 1600;
    cur.height = 1200;
    state.settings.resizeSetting = QStringLiteral("800x600");
    const double close = closeToTxMs(t, large, 10);
    std::printf("Close to TX files (800x600 and a 12k JPEG 2000): %.1f ms (goal < 300 ms)\n",
                close);
    std::printf("composer: composite %.0f ms; drag repaint %.1f ms; close to TX %.0f ms\n",
                composite, repaint, close);
    return 0;
}
