// The hand-off: from the click to the TX files and the clipboard, for a
// 640 x 496 JPEG sent as it is and a 1600 x 1200 JPEG resized to 800 x 600
// with a 12,000-byte JPEG 2000, in-process and with one i__view32.exe
// process per converter step. Medians over 20 runs; asserts nothing.

#include "app/context.h"
#include "bench_corpus.h"
#include "convert/in_process_converter.h"
#include "convert/iview_ini.h"
#include "imaging/picture_file.h"
#include "mainwindow/transmit.h"
#include "support/fixed_clock.h"
#include "support/recording_desktop.h"
#include "support/recording_windows.h"
#include "support/scripted_prompts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace quiverel;

namespace {

// The original design: every converter step is a process of its own.
class ProcessConverter : public Converter {
public:
    explicit ProcessConverter(QString exe) : exe_(std::move(exe)) {}
    bool convert(const QString& s, const QString& t) override { return run({s, "/convert=" + t}); }
    bool thumbnail(const QString& s, const QString& t) override {
        return run({s, "/resample=(112,84)", "/aspectratio", "/silent", "/convert=" + t});
    }
    bool resample(const QString& s, int w, int h, const QString& ini, const QString& t) override {
        return run({s + QStringLiteral("/resample=(%1,%2)").arg(w).arg(h), "/aspectratio",
                    "/ini=" + ini, "/convert=" + t});
    }
    bool compress(const QString& s, const QString& ini, const QString& t) override {
        return run({s, "/ini=" + ini, "/convert=" + t});
    }
    bool edit(const QString&) override { return false; }

private:
    bool run(const QStringList& args) {
        QProcess p;
        p.start(exe_, args);
        return p.waitForFinished(-1) && p.exitCode() == 0;
    }
    QString exe_;
};

double medianMs(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

double handOffMs(Converter& converter, AppState& state, const QString& folder, const QString& name,
                 int runs) {
    RecordingDesktop desktop;
    ScriptedPrompts prompts;
    FixedClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, state.appFolder};
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const QImage picture = loadPicture(folder + name);
        SendToTransmit(ctx, {folder, name, picture, false, false, true}, [](int) {});
        times.append(t.nsecsElapsed() / 1e6);
    }
    return medianMs(times);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString appFolder = dir.path();
    const QString exe =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../app/i__view32.exe");
    QDir().mkpath(appFolder + QStringLiteral("/ini"));
    QDir().mkpath(appFolder + QStringLiteral("/rx"));
    writeIviewIni(appFolder + QStringLiteral("/ini/i_view32.ini"), 12000);
    const QString rx = appFolder + QStringLiteral("/rx/");
    bench::photoLike(640, 496, 1).save(rx + QStringLiteral("small.jpg"), "JPG", 85);
    bench::photoLike(1600, 1200, 2).save(rx + QStringLiteral("large.jpg"), "JPG", 85);

    AppState state;
    state.appFolder = appFolder;
    state.transmit.txFolder = appFolder + QStringLiteral("/TX");
    state.settings.jp2TargetSize = 12000;
    ScriptedPrompts prompts;
    InProcessConverter inProcess(appFolder, prompts);
    ProcessConverter perProcess(exe);

    std::printf("hand-off latency, median of 20 (click to TX files and clipboard)\n");
    state.settings.resizeEnabled = false;
    const double smallIn = handOffMs(inProcess, state, rx, QStringLiteral("small.jpg"), 20);
    const double smallPer = handOffMs(perProcess, state, rx, QStringLiteral("small.jpg"), 20);
    std::printf("640 x 496 JPEG, no resize:          in-process %7.1f ms   per process %7.1f ms "
                "(goal < 50 ms)\n",
                smallIn, smallPer);
    state.settings.resizeEnabled = true;
    state.settings.resizeWidth = 800;
    state.settings.resizeHeight = 600;
    const double largeIn = handOffMs(inProcess, state, rx, QStringLiteral("large.jpg"), 20);
    const double largePer = handOffMs(perProcess, state, rx, QStringLiteral("large.jpg"), 20);
    std::printf("1600 x 1200 JPEG to 800x600 + 12k:  in-process %7.1f ms   per process %7.1f ms "
                "(goal < 400 ms)\n",
                largeIn, largePer);
    const qint64 jp2 = QFileInfo(state.transmit.txFolder + QStringLiteral("/large.jp2")).size();
    std::printf("the 12k JPEG 2000 came out at %lld bytes\n", static_cast<long long>(jp2));
    return 0;
}
