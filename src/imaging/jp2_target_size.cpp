#include "imaging/jp2_target_size.h"

#include "imaging/jp2_encoder.h"

#include <algorithm>
#include <cmath>

namespace quiverel {

namespace {

// Close enough: each further try costs a whole encode for a per cent or less.
constexpr double kGoodEnough = 0.975;
constexpr int kMaxEncodes = 6;

QByteArray encodeAtRatio(const QImage& picture, double ratio, int codeBlockSize) {
    Jp2EncodeOptions o;
    o.mode = Jp2EncodeOptions::Mode::Ratio;
    o.ratio = ratio;
    o.codeBlockSize = codeBlockSize;
    return encodeJpeg2000(picture, o);
}

// The largest encoding within the target that a few tries find; `fits` gets
// the smallest ratio that fitted (0 when none did).
QByteArray search(const QImage& picture, qint64 targetBytes, int codeBlockSize, double& fits) {
    const int components = picture.isGrayscale() ? 1 : 3;
    const double rawBytes = double(picture.width()) * picture.height() * components;

    // OpenJPEG's rate control sizes the whole codestream to raw / ratio within
    // about a per cent, so the first try usually fits; later tries correct in
    // proportion, kept between the nearest ratios known to fit and not to fit.
    fits = 0;          // smallest ratio known to fit (0: none yet)
    double tooBig = 1; // largest ratio known not to fit
    double ratio = std::max(1.0, rawBytes / (targetBytes * 0.995));
    QByteArray best;
    for (int i = 0; i < kMaxEncodes; ++i) {
        QByteArray out = encodeAtRatio(picture, ratio, codeBlockSize);
        if (out.isEmpty()) break;
        const double size = double(out.size());
        if (size <= targetBytes) {
            if (out.size() > best.size()) best = std::move(out);
            fits = fits == 0 ? ratio : std::min(fits, ratio);
            if (best.size() >= kGoodEnough * targetBytes || ratio <= 1.0) break;
        } else {
            tooBig = std::max(tooBig, ratio);
        }
        double next = std::max(1.0, ratio * size / (targetBytes * 0.99));
        // Stay strictly between the bounds; halve the gap when the estimate leaves it.
        const double upper = fits == 0 ? INFINITY : fits;
        if (!(next > tooBig && next < upper)) next = fits == 0 ? tooBig * 1.5 : (tooBig + fits) / 2;
        if (fits != 0 && fits - tooBig < fits * 0.002) break;
        ratio = next;
    }
    return best;
}

} // namespace

QByteArray encodeJpeg2000ToSize(const QImage& picture, qint64 targetBytes) {
    if (picture.isNull() || targetBytes < kJp2MinimumTarget) return {};
    double fits = 0;
    QByteArray best = search(picture, targetBytes, 32, fits);
    if (best.size() < kGoodEnough * targetBytes && (fits == 0 || fits > 1.5)) {
        // The steps of the rate control straddle the target: smaller blocks step finer.
        double finerFits = 0;
        QByteArray finer = search(picture, targetBytes, 16, finerFits);
        if (finer.size() > best.size()) best = std::move(finer);
    }
    // A picture simpler than the target allows is kept whole when that fits.
    if (best.size() < kGoodEnough * targetBytes && fits != 0 && fits <= 1.5) {
        QByteArray lossless = encodeJpeg2000(picture, {Jp2EncodeOptions::Mode::Lossless});
        if (!lossless.isEmpty() && lossless.size() <= targetBytes) best = std::move(lossless);
    }
    return best;
}

} // namespace quiverel
