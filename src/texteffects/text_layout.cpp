#include "texteffects/text_layout.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace quiverel {

QFont pixelFont(const QFont& font) {
    QFont f = font;
    double pixels =
        font.pointSizeF() > 0 ? font.pointSizeF() * 96.0 / 72.0 : double(font.pixelSize());
    if (!std::isfinite(pixels)) pixels = kMaxFontPixels;
    f.setPixelSize(int(std::nearbyint(std::clamp(pixels, 1.0, double(kMaxFontPixels)))));
    return f;
}

QStringList textLines(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t.split(u'\n');
}

int lineHeight(const QFont& font) {
    return QFontMetrics(pixelFont(font)).height();
}

double TextWidth(const QFont& font, const QString& text) {
    const QFontMetricsF m(pixelFont(font));
    double widest = 0;
    for (const QString& line : textLines(text))
        widest = std::max(widest, m.horizontalAdvance(line));
    return widest;
}

double TextHeight(const QFont& font, const QString& text) {
    return double(lineHeight(font)) * double(textLines(text).size());
}

QImage whiteSurface(QSize size) {
    QImage img(std::clamp(size.width(), 1, kMaxTextSide),
               std::clamp(size.height(), 1, kMaxTextSide), QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

Coverage textCoverage(const QFont& font, const QStringList& lines, int spacing) {
    const QFont f = pixelFont(font);
    const QFontMetricsF m(f);
    const int h = spacing > 0 ? spacing : QFontMetrics(f).height();
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, m.horizontalAdvance(line));
    // Room for glyphs that reach past their advance (italics, overhangs).
    const int pad = QFontMetrics(f).height() / 2 + 2;
    const int n = int(std::max<qsizetype>(lines.size(), 1));
    const double height = double(n - 1) * h + QFontMetrics(f).height();
    QImage img(int(std::ceil(std::min(widest, double(kMaxTextSide)))) + 2 * pad,
               int(std::min(height, double(kMaxTextSide))) + 2 * pad,
               QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setFont(f);
        p.setPen(Qt::black);
        for (int i = 0; i < lines.size(); ++i)
            p.drawText(QPointF(pad, pad + i * h + m.ascent()), lines[i]);
    }
    return {img.convertToFormat(QImage::Format_Alpha8), QPoint(-pad, -pad)};
}

namespace {

// Sliding maximum over windows of k lines (van Herk / Gil-Werman: three
// steps a value whatever k), on m lines of n bytes each: out line x is the
// maximum of in lines x .. x + k - 1, for x in 0 .. m - k. With lines of one
// byte it runs along a row; with whole rows, down the columns.
void windowMax(const uchar* in, int m, int n, int k, uchar* out, uchar* left, uchar* right) {
    auto line = [n](const uchar* base, int i) { return base + size_t(i) * size_t(n); };
    auto lineOf = [n](uchar* base, int i) { return base + size_t(i) * size_t(n); };
    for (int i = 0; i < m; ++i) {
        uchar* l = lineOf(left, i);
        const uchar* v = line(in, i);
        if (i % k == 0) {
            std::copy(v, v + n, l);
        } else {
            const uchar* p = line(left, i - 1);
            for (int j = 0; j < n; ++j)
                l[j] = std::max(p[j], v[j]);
        }
    }
    for (int i = m - 1; i >= 0; --i) {
        uchar* r = lineOf(right, i);
        const uchar* v = line(in, i);
        if (i % k == k - 1 || i == m - 1) {
            std::copy(v, v + n, r);
        } else {
            const uchar* p = line(right, i + 1);
            for (int j = 0; j < n; ++j)
                r[j] = std::max(p[j], v[j]);
        }
    }
    for (int x = 0; x + k - 1 < m; ++x) {
        uchar* o = lineOf(out, x);
        const uchar* a = line(right, x);
        const uchar* b = line(left, x + k - 1);
        for (int j = 0; j < n; ++j)
            o[j] = std::max(a[j], b[j]);
    }
}

} // namespace

Coverage spreadCoverage(const Coverage& coverage, int w) {
    if (w <= 0) return coverage;
    const QImage& src = coverage.alpha;
    const int k = 2 * w + 1;
    const int sw = src.width(), sh = src.height();
    const int W = sw + k - 1, H = sh + k - 1;

    // Across each row: the row with k - 1 zeros at each end.
    std::vector<uchar> in(size_t(sw + 2 * (k - 1)), 0), left(in.size()), right(in.size());
    // Rows with k - 1 rows of zeros above and below, for the pass down.
    std::vector<uchar> rows(size_t(H + k - 1) * size_t(W), 0);
    for (int y = 0; y < sh; ++y) {
        const uchar* s = src.constScanLine(y);
        std::copy(s, s + sw, in.begin() + (k - 1));
        windowMax(in.data(), int(in.size()), 1, k, rows.data() + size_t(y + k - 1) * size_t(W),
                  left.data(), right.data());
    }
    std::vector<uchar> down(size_t(H) * size_t(W)), up(rows.size()), upRight(rows.size());
    windowMax(rows.data(), H + k - 1, W, k, down.data(), up.data(), upRight.data());
    QImage result(W, H, QImage::Format_Alpha8);
    for (int y = 0; y < H; ++y)
        std::copy(down.begin() + ptrdiff_t(y) * W, down.begin() + ptrdiff_t(y + 1) * W,
                  result.scanLine(y));
    return {result, coverage.offset};
}

QRgb mixRgb(QRgb a, QRgb b, int amount) {
    auto mix = [amount](int x, int y) { return x + ((y - x) * amount + 127) / 255; };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

void paintCoverage(QImage& target, const Coverage& coverage, QPoint at, QRgb colour,
                   const QRect& clip) {
    const QPoint corner = at + coverage.offset;
    const QRect area =
        QRect(corner, coverage.alpha.size()).intersected(clip).intersected(target.rect());
    if (area.isEmpty()) return;
    const QRgb solid = colour | 0xff000000u;
    uchar* bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        // Coverage and target pixels of this row inside the area.
        const uchar* a = coverage.alpha.constScanLine(y - corner.y()) + (area.left() - corner.x());
        auto* d = reinterpret_cast<QRgb*>(bits + y * stride) + area.left();
        const int n = area.width();
        int i = 0;
        while (i < n) {
            // Most of a line of text is not covered: step over eight at a time.
            if (i + 8 <= n) {
                std::uint64_t eight;
                std::memcpy(&eight, a + i, 8);
                if (eight == 0) {
                    i += 8;
                    continue;
                }
            }
            const int v = a[i];
            if (v == 255)
                d[i] = solid;
            else if (v != 0)
                d[i] = mixRgb(d[i], solid, v) | 0xff000000u;
            ++i;
        }
    }
}

void paintCoverage(QImage& target, const Coverage& coverage, QPoint at, QRgb colour) {
    paintCoverage(target, coverage, at, colour, target.rect());
}

} // namespace quiverel
