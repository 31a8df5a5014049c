#pragma once
// The test context as the viewer finds it: the program's own converter, the
// text table read, the GUI scale of a 768-pixel screen, a TX folder; and the
// pictures the tests look at, written into an rx folder.

#include "support/test_context.h"

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

struct ViewerContext : TestContext {
    explicit ViewerContext(Desktop* otherDesktop = nullptr);

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
