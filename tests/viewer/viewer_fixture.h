#pragma once
// A Context for viewer tests: a temporary application folder with the real
// in-process converter, a fixed 1024 x 768 screen, scripted prompts, and the
// pictures the tests look at, written into that folder.

#include "app/context.h"
#include "convert/in_process_converter.h"
#include "support/fixed_clock.h"
#include "support/recording_desktop.h"
#include "support/recording_windows.h"
#include "support/scripted_prompts.h"
#include "support/temp_app.h"

#include <QByteArray>
#include <QImage>
#include <QList>

namespace quiverel::test {

// A desktop that will not move the pointer, as some platforms refuse to.
class RefusingDesktop : public RecordingDesktop {
public:
    using RecordingDesktop::RecordingDesktop;
    bool setCursorPos(QPoint) override { return false; }
    void userMoves(QPoint p) { RecordingDesktop::setCursorPos(p); }
};

struct ViewerContext {
    explicit ViewerContext(Desktop* desktop = nullptr);

    TempApp app;
    AppState state;
    ScriptedPrompts prompts;
    InProcessConverter converter{app.path(), prompts};
    RecordingDesktop ownDesktop{QSize(1024, 768)};
    FixedClock clock;
    RecordingWindows windows;
    Context ctx;

    QString rx() const { return app.path() + QStringLiteral("/rx/"); }
    // Writes a picture into the rx folder and makes it the current picture.
    void setCurrent(const QString& name);
    QString writePicture(const QString& name, const QImage& picture);
    void writeBytes(const QString& path, const QByteArray& bytes);
};

// A picture whose every pixel tells where it is: red grows to the right,
// green downwards, blue marks the four edges.
QImage tellTalePicture(int width, int height);

// A GIF89a of `images` one-pixel images on a logical screen of width x
// height, each after a graphic-control block.
QByteArray gifBytes(int width, int height, int images);

// A JPEG 2000 file of exactly `length` bytes (the codestream followed by a
// free box) holding `picture`.
QByteArray jp2OfLength(const QImage& picture, int length);

} // namespace quiverel::test
