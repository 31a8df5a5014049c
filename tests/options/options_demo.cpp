// Opens the options panel on a real display, to look at it:
//   options_demo            the panel on a drawn picture, entry "Copy to folder" under the pointer
//   options_demo --convert  the same with the convert frame open

#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "options/form5.h"
#include "options_fixture.h"
#include "support/demo_state.h"
#include "support/null_converter.h"
#include "support/recording_windows.h"
#include "support/temp_app.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

using namespace quiverel;

namespace {

// A sky over green hills with a call sign: something to recognise in the preview.
QImage demoPicture() {
    QImage picture(640, 480, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, 480);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(200, 220, 255));
    p.fillRect(picture.rect(), sky);
    p.setBrush(QColor(40, 140, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(160, 520), 360, 200);
    p.drawEllipse(QPointF(520, 540), 320, 190);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 48, QFont::Bold));
    p.drawText(picture.rect().adjusted(0, 40, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("DL0ABC"));
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();

    test::TempApp app;
    AppState state;
    test::prepareDemoState(state, app);
    const QString folder = app.path() + QStringLiteral("/Samples/");
    const QImage picture = demoPicture();
    test::writePicture(folder + QStringLiteral("sunrise over hills.jpg"), picture);
    OptionsRequest request = test::pictureRequest(
        folder, QStringLiteral("sunrise over hills.jpg"),
        picture.scaled(112, 84, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    request.picture.picture = picture;
    request.picture.size = picture.size();
    test::NullConverter converter;
    QtDesktop desktop;
    QtPrompts prompts;
    SystemClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    auto* panel = new Form5(ctx, request, nullptr);
    panel->Form_Load();
    panel->move(200, 120);
    panel->show();
    QTimer::singleShot(300, panel, [panel, &args] {
        QLabel* entry = panel->lblOpt[CopyEntry];
        const QPointF at(40, entry->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, entry->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(entry, &move);
        if (args.contains(QStringLiteral("--convert"))) panel->lblOpt_Click(ConvertEntry);
    });
    return qapp.exec();
}
