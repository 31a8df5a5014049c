// Opens the viewer on one picture on a real display, to look at it:
//   viewer_demo PICTURE [--compressed] [--pan X Y]
// --compressed shows the JPEG 2000 transmit version (made here at 15,000
// bytes); --pan moves the pointer to X, Y once the viewer is up.

#include "app/text_table.h"
#include "convert/in_process_converter.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "imaging/picture_encoder.h"
#include "imaging/picture_file.h"
#include "support/demo_state.h"
#include "support/recording_windows.h"
#include "viewer/form2.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

using namespace quiverel;

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) return 2;
    const QFileInfo picture(args[1]);
    const bool compressed = args.contains(QStringLiteral("--compressed"));
    const int pan = int(args.indexOf(QStringLiteral("--pan")));

    test::TempApp app;
    AppState state;
    test::prepareDemoState(state, app);
    state.current.folder = picture.absolutePath() + u'/';
    state.current.fileName = picture.fileName();

    if (compressed) {
        // What a hand-off with 640 x 480 and 15,000 bytes leaves in the TX folder.
        const QImage source = loadPicture(picture.absoluteFilePath());
        EncodeOptions options;
        options.jp2TargetBytes = 15000;
        const QImage fitted =
            source.scaled(640, 480, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        writeFileReplacing(state.transmit.txFolder + u'/' + picture.completeBaseName() +
                               QStringLiteral(".jp2"),
                           encodePicture(fitted, PictureFormat::Jp2, options));
    }

    QtPrompts prompts;
    InProcessConverter converter(app.path(), prompts);
    QtDesktop desktop;
    SystemClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    auto* form = new Form2(ctx, ViewerRequest{state.current.folder, state.current.fileName});
    QObject::connect(form, &Form2::closed, &qapp, &QCoreApplication::quit);
    form->Form_Load();
    if (compressed) form->mnuDisplay_Click(1);
    if (pan > 0 && pan + 2 < args.size()) {
        const QPoint to(args[pan + 1].toInt(), args[pan + 2].toInt());
        // Step by step, as a hand moves the mouse.
        QTimer::singleShot(1000, form, [to] {
            const QPoint from = QCursor::pos();
            for (int i = 1; i <= 20; ++i) {
                QCursor::setPos(from + (to - from) * i / 20);
                QCoreApplication::processEvents();
            }
        });
    }
    return qapp.exec();
}
