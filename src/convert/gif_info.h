#pragma once
// The size and image count of a GIF file, read from its bytes.

#include <QByteArray>
#include <QString>

class QWidget;

namespace quiverel {

class Prompts;

struct GifInfoResult {
    int width = 0;
    int height = 0;
    int imageCount = 0; // graphic-control blocks; above 1 means animated
    bool isGif = false;
};

// Reads the header and counts graphic-control blocks (bytes 21 F9 04).
GifInfoResult gifInfoFromBytes(const QByteArray& bytes);
GifInfoResult readGifInfo(const QString& path);

// readGifInfo, and the message "Error... not a GIF file" when it is none.
GifInfoResult GifInfo(const QString& path, Prompts& prompts, QWidget* owner = nullptr);

} // namespace quiverel
