// Shows the FTP frame alone on a real display, as the options panel hosts
// it, after it uploaded a picture to an FTP server on 127.0.0.1:
//   ftp_demo [PICTURE]
// Without a picture a small one is drawn.

#include "ftp/ftp_frame.h"
#include "imaging/picture_file.h"
#include "support/demo_context.h"
#include "support/ftp_server_process.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <cmath>

using namespace quiverel;

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();

    test::DemoContext demo;
    const test::TempApp& app = demo.app;
    AppState& state = demo.state;
    QString picture = args.size() > 1 ? QFileInfo(args[1]).absoluteFilePath() : QString();
    if (picture.isEmpty()) {
        QImage drawn(320, 256, QImage::Format_RGB32);
        drawn.fill(QColor(30, 90, 160));
        picture = app.path() + QStringLiteral("/Received/sstv 2024-05-17.jpg");
        app.write(QStringLiteral("Received/.keep"), {});
        savePicture(drawn, picture);
    }

    test::FtpServerProcess server;
    if (!server.running()) return 3;
    state.settings.ftpServer = server.address();
    state.settings.ftpUser = server.user();
    state.settings.ftpPassword = server.password();
    state.settings.ftpFolder = QString();

    // Alone in a window of the frame's size in the panel: 300 x 204 units.
    const double scale = state.settings.guiScale;
    QWidget window;
    window.setWindowTitle(QFileInfo(picture).fileName());
    window.resize(int(std::lround(300 * scale)), int(std::lround(204 * scale)));
    auto* frame = new FtpFrame(demo.ctx, QFileInfo(picture).absolutePath() + u'/',
                               QFileInfo(picture).fileName(), &window);
    frame->setGeometry(window.rect());
    window.move(300, 200);
    window.show();
    QTimer::singleShot(500, frame, [frame] { frame->cmdFTP->click(); });
    return qapp.exec();
}
