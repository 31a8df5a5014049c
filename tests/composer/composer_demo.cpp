// Opens the composer on one picture on a real display, to look at it:
//   composer_demo PICTURE [--mug MUG] [--text "LINE|LINE"] [--frame WIDTH] [--solid]
//                 [--panel] [--save OUT] [--info]
// --mug lays that picture as the mug shot; --text a Gradient + outline text
// as the text effects dialog would hand it over; --frame a frame of that
// width; --panel leaves the frame panel open; --save writes the composite
// the composer would send to OUT; --info shows the file report.

#include "app/setup_ini.h"
#include "app/text_table.h"
#include "composer/form3.h"
#include "convert/in_process_converter.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "imaging/picture_file.h"
#include "support/demo_state.h"
#include "support/recording_windows.h"
#include "texteffects/text_dialog_state.h"
#include "texteffects/text_renderer.h"
#include "texteffects/transparent_region.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

using namespace quiverel;

namespace {

QString option(const QStringList& args, const QString& name, const QString& fallback) {
    const qsizetype i = args.indexOf(name);
    return i > 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

// What the text effects dialog leaves when it closes on this text.
TextEffectsResult renderedText(AppState& state, const QString& text) {
    TextEffectSettings& te = state.textEffects;
    te.effectText = text;
    te.style = int(TextStyle::GradientOutline);
    te.gradientKind = int(GradientKind::Vertical);
    te.fontColour = 65535;      // yellow
    te.secondColour = 16711680; // blue
    te.depth = 1;
    TextDefaults& d = state.settings.textDefaults;
    d.fontName = QStringLiteral("Liberation Sans");
    d.fontSize = 26;
    d.bold = true;
    const QFont font = labelFont(state);
    TextJob job;
    job.text = text;
    job.font = font;
    job.style = TextStyle::GradientOutline;
    job.gradient = GradientKind::Vertical;
    job.depth = 1;
    job.fontColour = te.fontColour;
    job.secondColour = te.secondColour;
    job.box = PreviewSize(text, font, job.style, job.depth);
    job.outlineWidth =
        outlineWidth(job.style, d.fontSize, styleSliderRange(job.style, d.fontSize)->maximum, 1);
    QImage picture(job.box, QImage::Format_RGB32);
    picture.fill(Qt::white);
    DrawStyledText(picture, job);
    return {picture, glyphMask(picture, 16777215), te, labelFont(state)};
}

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) return 2;

    test::TempApp app;
    AppState state;
    test::prepareDemoState(state, app);
    // The sizes of a started program.
    state.settings.jp2TargetSize = 12000;
    state.settings.resizeSetting = QStringLiteral("800x600");
    deriveResize(state.settings);
    test::setDemoPicture(state, args[1]);
    const QString mug = option(args, QStringLiteral("--mug"), QString());
    if (!mug.isEmpty()) QFile::copy(mug, app.path() + QStringLiteral("/Mug.jpg"));

    QtPrompts prompts;
    InProcessConverter converter(app.path(), prompts);
    QtDesktop desktop;
    SystemClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    Form3* form = Form3::open(ctx, {.picture = currentPictureRef(state)}, nullptr);
    if (!form) return 1;
    QObject::connect(form, &Form3::closed, &qapp, &QCoreApplication::quit);
    if (!mug.isEmpty()) {
        form->cmdMug_Click();
        form->setLayerRect(Form3::Mug, QRectF(18, 16, 112, 84));
    }
    const QString text = option(args, QStringLiteral("--text"), QString());
    if (!text.isEmpty()) {
        windows.textEffectsAnswer = renderedText(state, QString(text).replace(u'|', "\r\n"));
        form->cmdText_Click();
        const QSizeF size = form->layerRect(Form3::Txt).size();
        form->setLayerRect(Form3::Txt,
                           QRectF(QPointF((form->canvasRect().width() - size.width()) / 2,
                                          form->canvasRect().height() - size.height() - 30),
                                  size));
    }
    const int frame = option(args, QStringLiteral("--frame"), QStringLiteral("1")).toInt();
    if (frame > 1) {
        state.frames.solid = args.contains(QStringLiteral("--solid"));
        form->cmdFrame_Click();
        form->frame.Slider1->setValue(frame);
        if (!args.contains(QStringLiteral("--panel"))) form->cmdOkFrame_Click();
    }
    form->txtInfo->hide();
    if (args.contains(QStringLiteral("--info"))) form->cmdInfo->click();
    const QString save = option(args, QStringLiteral("--save"), QString());
    if (!save.isEmpty()) savePicture(ComposeFullSize(form->composition()), save);
    return qapp.exec();
}
