#pragma once
// Pictures made by the tests: drawn with Qt, encoded with Qt, giflib or
// OpenJPEG, or written byte by byte where no encoder makes the variant.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quiverel::test {

// A photograph-like picture: gradients, soft shapes and sensor noise.
QImage photoLike(int width, int height, int seed = 1);

// The picture in a Qt format ("jpeg", "png", "bmp"); `quality` -1 for default.
QByteArray qtEncoded(const QImage& picture, const char* format, int quality = -1,
                     bool progressive = false);

// A JPEG 2000 picture made by OpenJPEG with components of any precision,
// signedness and sub-sampling. Sample values are taken from `picture`'s
// channels (R, G, B, A; grey for one component) scaled to the precision.
struct Jp2Variant {
    int components = 3;
    int precision = 8;
    bool isSigned = false;
    int chromaSubsampling = 1; // dx = dy of components 1 and 2
    bool codestream = false;   // raw .j2k instead of .jp2
    int layers = 1;            // quality layers, for truncation tests
    bool ycc = false;          // components 0..2 hold Y, Cb, Cr
    int firstSubsampling = 1;  // dx = dy of component 0
};
QByteArray jp2Encoded(const QImage& picture, const Jp2Variant& variant);

// A bitmap file of `bits` per pixel (1, 4, 8, 16, 24, 32); 8-bit with
// `rle` uses RLE8 compression. Palette pictures use a grey ramp.
QByteArray bmpBytes(const QImage& picture, int bits, bool rle = false);

// An animated GIF of two frames: all red, then all blue.
QByteArray twoFrameGif(int width, int height);

// Mean absolute difference per channel between two pictures of one size.
double meanDifference(const QImage& a, const QImage& b);

// Writes bytes to a file; false on failure.
bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace quiverel::test
