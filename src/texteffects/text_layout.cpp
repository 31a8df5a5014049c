#include "texteffects/text_layout.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace quiverel {

QFont pixelFont(const QFont& font) {
    QFont f = font;
    if (font.pointSizeF() > 0)
        f.setPixelSize(std::max(1, int(std::nearbyint(font.pointSizeF() * 96.0 / 72.0))));
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
    QImage img(std::max(size.width(), 1), std::max(size.height(), 1), QImage::Format_RGB32);
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
    QImage img(int(std::ceil(widest)) + 2 * pad, (n - 1) * h + QFontMetrics(f).height() + 2 * pad,
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

// out[x] = max of in[x - k + 1 .. x] over an input padded with zeros, for
// x in 0 .. n + k - 2 (van Herk / Gil-Werman, three steps a value).
void windowMax(const std::vector<uchar>& in, int k, std::vector<uchar>& out,
               std::vector<uchar>& left, std::vector<uchar>& right) {
    const int n = int(in.size());
    const int m = n + 2 * (k - 1); // k - 1 zeros on each side
    left.assign(size_t(m), 0);
    right.assign(size_t(m), 0);
    auto h = [&](int i) {
        return i >= k - 1 && i < k - 1 + n ? in[size_t(i - (k - 1))] : uchar(0);
    };
    for (int i = 0; i < m; ++i)
        left[size_t(i)] = i % k == 0 ? h(i) : std::max(left[size_t(i - 1)], h(i));
    for (int i = m - 1; i >= 0; --i)
        right[size_t(i)] =
            (i % k == k - 1 || i == m - 1) ? h(i) : std::max(right[size_t(i + 1)], h(i));
    out.assign(size_t(n + k - 1), 0);
    for (int x = 0; x < n + k - 1; ++x)
        out[size_t(x)] = std::max(right[size_t(x)], left[size_t(x + k - 1)]);
}

} // namespace

Coverage spreadCoverage(const Coverage& coverage, int w) {
    if (w <= 0) return coverage;
    const QImage& src = coverage.alpha;
    const int k = 2 * w + 1;
    const int W = src.width() + k - 1, H = src.height() + k - 1;
    QImage across(W, src.height(), QImage::Format_Alpha8);
    std::vector<uchar> in, out, left, right;
    for (int y = 0; y < src.height(); ++y) {
        const uchar* s = src.constScanLine(y);
        in.assign(s, s + src.width());
        windowMax(in, k, out, left, right);
        std::copy(out.begin(), out.end(), across.scanLine(y));
    }
    QImage result(W, H, QImage::Format_Alpha8);
    in.resize(size_t(src.height()));
    for (int x = 0; x < W; ++x) {
        for (int y = 0; y < src.height(); ++y)
            in[size_t(y)] = across.constScanLine(y)[x];
        windowMax(in, k, out, left, right);
        for (int y = 0; y < H; ++y)
            result.scanLine(y)[x] = out[size_t(y)];
    }
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
    const QRgb solid = colour | 0xff000000u;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* a = coverage.alpha.constScanLine(y - corner.y());
        auto* d = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const int v = a[x - corner.x()];
            if (v == 0) continue;
            d[x] = v == 255 ? solid : (mixRgb(d[x], solid, v) | 0xff000000u);
        }
    }
}

void paintCoverage(QImage& target, const Coverage& coverage, QPoint at, QRgb colour) {
    paintCoverage(target, coverage, at, colour, target.rect());
}

} // namespace quiverel
