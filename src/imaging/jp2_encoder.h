#pragma once
// JPEG 2000 writing through OpenJPEG, into memory.

#include <QByteArray>
#include <QImage>

namespace quiverel {

struct Jp2EncodeOptions {
    enum class Mode {
        Lossless, // reversible wavelet, every bit kept
        Ratio,    // irreversible wavelet, compressed `ratio` : 1 against the raw pixels
        Quality,  // irreversible wavelet, `psnr` decibels of fidelity
    };
    Mode mode = Mode::Quality;
    double ratio = 20.0;
    double psnr = 45.0;
    bool codestreamOnly = false; // a raw .j2k codestream instead of a .jp2 file
    // Smaller code blocks give the rate control finer steps to stop at, for a
    // little more header.
    int codeBlockSize = 32;
};

// The quality plain conversions to .jp2 use when no target size is given.
inline constexpr double kJp2DefaultPsnr = 45.0;

// The picture encoded as .jp2 (or a raw codestream). Grey pictures get one
// component, colour ones three, pictures with transparent pixels a fourth.
// Empty on failure.
QByteArray encodeJpeg2000(const QImage& picture, const Jp2EncodeOptions& options);

} // namespace quiverel
