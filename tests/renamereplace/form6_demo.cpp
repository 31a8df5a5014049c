// Opens the rename-or-replace dialog on a real display, to look at it:
//   form6_demo        a copy onto a taken name (mode 5)
//   form6_demo --save a composite saved onto a taken name (mode 3)

#include "app/text_table.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "renamereplace/form6.h"
#include "support/demo_state.h"
#include "support/null_converter.h"
#include "support/recording_windows.h"
#include "support/temp_app.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>

using namespace quiverel;

namespace {

QImage sky(QSize size, QColor top, QColor bottom) {
    QImage p(size, QImage::Format_RGB32);
    QPainter painter(&p);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    painter.fillRect(p.rect(), g);
    painter.setBrush(QColor(250, 220, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(size.width() * 0.7, size.height() * 0.35), size.height() / 8.0,
                        size.height() / 8.0);
    return p;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const bool save = QCoreApplication::arguments().contains(QStringLiteral("--save"));

    test::TempApp app;
    AppState state;
    test::prepareDemoState(state, app);
    const QString from = app.path() + QStringLiteral("/Received/EasyPal/2026-12/");
    const QString to = app.path() + QStringLiteral("/Pictures/");
    QDir().mkpath(from);
    QDir().mkpath(to);
    QFile(to + QStringLiteral("sky.jpg")).open(QIODevice::WriteOnly);
    QFile(to + QStringLiteral("sky_1.jpg")).open(QIODevice::WriteOnly);

    state.current.folder = from;
    state.current.fileName = QStringLiteral("sky.jpg");
    state.current.picture = sky(QSize(640, 496), QColor(40, 90, 200), QColor(250, 160, 90));
    state.current.width = 640;
    state.current.height = 496;

    test::NullConverter converter;
    QtDesktop desktop;
    QtPrompts prompts;
    SystemClock clock;
    test::RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    ClashRequest r;
    r.mode = save ? 3 : 5;
    r.fileName = QStringLiteral("sky.jpg");
    r.targetFolder = to;
    r.sourceFolder = from;
    r.sourceSize = QSize(640, 496);
    r.sourcePicture = state.current.picture;
    r.targetPicture = sky(QSize(320, 256), QColor(20, 30, 90), QColor(200, 80, 60));
    r.chosenPath = to + r.fileName;
    r.pictureToSave = state.current.picture;
    auto* dialog = new Form6(ctx, r);
    dialog->Form_Load();
    return qapp.exec();
}
