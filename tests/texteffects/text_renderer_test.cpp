#include "texteffects/gradient.h"
#include "texteffects/text_colours.h"
#include "texteffects/text_layout.h"
#include "texteffects/text_renderer.h"

#include "render_support.h"

#include <gtest/gtest.h>

using namespace quiverel;
using namespace quiverel::test;

namespace {

struct Origin {
    const char* name;
    QPoint direction;
    int depth;
    QPoint expected;
};

class Compute3dOriginTest : public ::testing::TestWithParam<Origin> {};

TEST_P(Compute3dOriginTest, LeavesRoomForTheExtrusion) {
    EXPECT_EQ(Compute3dOrigin(GetParam().direction, GetParam().depth), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Directions, Compute3dOriginTest,
                         ::testing::Values(Origin{"TopLeft", {1, 1}, 5, {0, 0}},
                                           Origin{"TopRight", {-1, 1}, 5, {10, 0}},
                                           Origin{"BottomLeft", {1, -1}, 5, {0, 5}},
                                           Origin{"BottomRight", {-1, -1}, 5, {10, 5}},
                                           Origin{"BottomRightFlat", {-1, -1}, 0, {0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThreeDTest, DepthZeroDrawsNothing) {
    TextJob job = previewJob(TextStyle::ThreeD, QStringLiteral("Ag"), testFont(24), 0);
    job.direction = {-1, -1};
    const QImage img = renderPreview(job);
    EXPECT_TRUE(nonWhiteBounds(img).isNull());
}

TEST(ThreeDTest, BottomRightAtDepthFivePutsTheFarthestCopyAtTenFiveAndTheFaceAtFiveZero) {
    const QFont font = testFont(24);
    const QImage plain = renderPreview(previewJob(TextStyle::Plain, QStringLiteral("H"), font, 0));
    const QRect glyph = boundsOfColour(plain, toRgb(255));
    const QRect inked = nonWhiteBounds(plain);
    ASSERT_FALSE(glyph.isNull());

    TextJob job = previewJob(TextStyle::ThreeD, QStringLiteral("H"), font, 5);
    job.direction = {-1, -1};
    const QImage img = renderPreview(job);
    EXPECT_EQ(boundsOfColour(img, toRgb(job.faceColour)), glyph.translated(5, 0));
    // The farthest copy (3d colour 2) shows at the bottom right of the extrusion.
    const QRect farthest = boundsOfColour(img, toRgb(job.colour3d2));
    ASSERT_FALSE(farthest.isNull());
    EXPECT_EQ(farthest.bottomRight(), glyph.bottomRight() + QPoint(10, 5));
    EXPECT_EQ(nonWhiteBounds(img),
              QRect(inked.topLeft() + QPoint(5, 0), inked.bottomRight() + QPoint(10, 5)));
}

TEST(ThreeDTest, TheExtrusionBlendsFromTheFarColourToTheNearOne) {
    TextJob job = previewJob(TextStyle::ThreeD, QStringLiteral("I"), crispFont(24), 4);
    job.colour3d2 = 0;                             // far: black
    job.colour3d1 = 200 + 256 * 200 + 65536 * 200; // near: light grey
    const QImage img = renderPreview(job);
    // Top left: the copies step one pixel right and down, each a shade lighter;
    // the last lies under the face.
    for (int t = 0; t < 4; ++t)
        EXPECT_FALSE(boundsOfColour(img, toRgb(BlendColor(0, job.colour3d1, t, 4))).isNull())
            << "copy " << t;
}

TEST(ThreeDTest, OnlyThreeLinesAndNoControlCharacters) {
    EXPECT_EQ(splitTextLines(QStringLiteral("a\r\nb\r\nc\r\nd")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(splitTextLines(QStringLiteral("x\ty\x01")), QStringList{QStringLiteral("xy")});
}

TEST(PreviewSizeTest, FollowsTheTextTheDepthAndTheThreeLineCap) {
    const QFont font = testFont(20);
    const int h = lineHeight(font);
    const QString two = QStringLiteral("Wide line\r\nAg");
    const double tw = TextWidth(font, two);
    auto size = [](double w, double hh) {
        return QSize(int(std::nearbyint(w)), int(std::nearbyint(hh + hh / 20)));
    };
    EXPECT_EQ(PreviewSize(two, font, TextStyle::Plain, 7), size(tw * 1.1, 2 * h));
    EXPECT_EQ(PreviewSize(two, font, TextStyle::Shadow, 7), size(tw * 1.1 + 21, 2 * h + 7));
    const QString four = QStringLiteral("1\r\n2\r\n3\r\n4");
    EXPECT_EQ(PreviewSize(four, font, TextStyle::Plain, 0).height(), size(0, 3 * h).height());
    EXPECT_EQ(PreviewSize(four, font, TextStyle::Outline, 2).height(),
              size(0, 3 * (h + 2)).height());
    // An empty text still sizes the preview.
    EXPECT_EQ(PreviewSize(QString(), font, TextStyle::ThreeD, 4).width(), 12);
    EXPECT_EQ(PreviewSize(QString(), font, TextStyle::Plain, 4).width(), 1);
}

TEST(PreviewSizeTest, AHugeFontAndALongPastedLineStayWithinBounds) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(1e12); // what a garbled settings file can hold
    const QString text = QString(2000, u'W');
    const QSize size = PreviewSize(text, font, TextStyle::Outline, 25);
    EXPECT_LE(size.width(), kMaxTextSide);
    EXPECT_LE(size.height(), kMaxTextSide);
    EXPECT_EQ(pixelFont(font).pixelSize(), kMaxFontPixels);
    TextJob job = previewJob(TextStyle::GradientOutline, text, font, 25);
    EXPECT_LE(job.outlineWidth, 375 / 8 + 1);
    const QImage img = renderPreview(job);
    EXPECT_FALSE(nonWhiteBounds(img).isNull());
}

// Red along one row of a horizontal gradient (or down one column of a vertical one).
std::vector<int> redsAlong(GradientKind kind, int length) {
    const bool across = kind == GradientKind::Horizontal;
    QImage img = whiteSurface(across ? QSize(length, 4) : QSize(4, length));
    const ColourCode c1 = 100 + 256 * 100 + 65536 * 100;
    const ColourCode c2 = 103 + 256 * 100 + 65536 * 100;
    PaintGradient(img, c1, c2, kind, 2);
    std::vector<int> reds;
    for (int i = 0; i < length; ++i) {
        const QRgb p = across ? img.pixel(i, 1) : img.pixel(1, i);
        if ((p & 0xffffff) == 0xffffff) break; // the last 256th stays background
        reds.push_back(qRed(p));
        EXPECT_EQ(qGreen(p), 100);
        EXPECT_EQ(qBlue(p), 100);
    }
    return reds;
}

class CloseColoursTest : public ::testing::TestWithParam<GradientKind> {};

TEST_P(CloseColoursTest, ChangeEvenlyFromTheFirstColourToTheSecond) {
    const std::vector<int> reds = redsAlong(GetParam(), 512);
    ASSERT_GT(reds.size(), 500u);
    EXPECT_EQ(reds.front(), 100);
    EXPECT_EQ(reds.back(), 103);
    std::vector<int> changes;
    for (size_t i = 1; i < reds.size(); ++i) {
        EXPECT_GE(reds[i], reds[i - 1]);
        if (reds[i] != reds[i - 1]) {
            EXPECT_EQ(reds[i], reds[i - 1] + 1);
            changes.push_back(int(i));
        }
    }
    // Three equal steps: near a sixth, a half and five sixths of the way.
    ASSERT_EQ(changes.size(), 3u);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(changes[size_t(k)], 512 * (2 * k + 1) / 6, 6) << "step " << k;
}

INSTANTIATE_TEST_SUITE_P(Gradients, CloseColoursTest,
                         ::testing::Values(GradientKind::Horizontal, GradientKind::Vertical));

constexpr ColourCode kRed = 255;
constexpr ColourCode kBlue = 16711680;

TEST(GradientTest, SphericalHasTheFirstColourInTheMiddleAndTheSecondAtTheRim) {
    QImage img = whiteSurface({512, 256});
    PaintGradient(img, kRed, kBlue, GradientKind::Spherical, 2);
    EXPECT_EQ(img.pixel(256, 128) & 0xffffff, 0xff0000u);
    EXPECT_GT(qBlue(img.pixel(2, 128)), 245);
    EXPECT_EQ(img.pixel(0, 0) & 0xffffff, 0xffffffu) << "corners lie beyond the largest circle";
    int previous = -1;
    for (int x = 256; x < 512; ++x) {
        EXPECT_GE(qBlue(img.pixel(x, 128)), previous) << x;
        previous = qBlue(img.pixel(x, 128));
    }
}

TEST(GradientTest, RectangularKeepsTheFirstColourOutsideThenRunsBackTowardsTheMiddle) {
    QImage img = whiteSurface({512, 256});
    PaintGradient(img, kRed, kBlue, GradientKind::Rectangular, 2);
    EXPECT_EQ(img.pixel(0, 128) & 0xffffff, 0xff0000u) << "the outermost ring: colour 0";
    EXPECT_EQ(img.pixel(3, 128) & 0xffffff, 0x0000ffu) << "the next one: colour 255";
    EXPECT_NEAR(qRed(img.pixel(256, 128)), 128, 6) << "the middle: about colour 128";
}

TEST(GradientTest, LargeSurfacesShowNoBackgroundBetweenRings) {
    for (GradientKind kind : {GradientKind::Rectangular, GradientKind::Spherical}) {
        QImage img = whiteSurface({1800, 400});
        PaintGradient(img, kRed, kBlue, kind, 4);
        const QRect inside =
            kind == GradientKind::Rectangular ? img.rect() : QRect(500, 10, 800, 380);
        EXPECT_EQ(countPixels(img.copy(inside), [](QRgb p) { return (p & 0xffffff) == 0xffffff; }),
                  0)
            << int(kind);
    }
}

TEST(GradientOutlineTest, AtSixteenPointsTheOutlineIsAsWideAsTheSliderValue) {
    const QFont font = crispFont(16);
    const QString text = QStringLiteral("Ag");
    const QImage gradient = renderPreview(previewJob(TextStyle::Gradient, text, font, 0));
    const QRect face = nonWhiteBounds(gradient);
    // Value 0: the black outline is a single copy under the face.
    const TextJob flat = previewJob(TextStyle::GradientOutline, text, font, 0);
    EXPECT_EQ(flat.outlineWidth, 0);
    EXPECT_EQ(renderPreview(flat), gradient);
    const TextJob wide = previewJob(TextStyle::GradientOutline, text, font, 2);
    ASSERT_EQ(wide.outlineWidth, 2);
    const QImage img = renderPreview(wide);
    const QRect inked = nonWhiteBounds(img);
    EXPECT_EQ(inked.topLeft(), face.topLeft());
    EXPECT_EQ(inked.right(), face.right() + 4);
    // On the row where the face reaches farthest left: black outline there,
    // the gradient face two pixels right and down.
    int row = face.top();
    while (row <= face.bottom() && (gradient.pixel(face.left(), row) & 0xffffff) == 0xffffff)
        ++row;
    ASSERT_LE(row, face.bottom());
    EXPECT_EQ(img.pixel(face.left(), row) & 0xffffff, 0u);
    const QRgb inside = img.pixel(face.left() + 2, row + 2);
    EXPECT_EQ(qGreen(inside), 0);
    EXPECT_GT(qRed(inside) + qBlue(inside), 200);
}

// Every style, drawn once for the comparisons between them.
const std::vector<QImage>& allStyles() {
    static const std::vector<QImage> images = [] {
        std::vector<QImage> out;
        for (int s = 0; s < kTextStyles; ++s)
            out.push_back(
                renderPreview(previewJob(TextStyle(s), QStringLiteral("Ag"), testFont(36), 3)));
        return out;
    }();
    return images;
}

class StyleTest : public ::testing::TestWithParam<int> {
protected:
    TextStyle style() const { return TextStyle(GetParam()); }
    TextJob job() const { return previewJob(style(), QStringLiteral("Ag"), testFont(36), 3); }
};

TEST_P(StyleTest, DiffersFromEveryOtherStyle) {
    const QImage& mine = allStyles()[size_t(GetParam())];
    EXPECT_FALSE(nonWhiteBounds(mine).isNull());
    for (int other = 0; other < kTextStyles; ++other) {
        if (other == GetParam()) continue;
        EXPECT_NE(mine, allStyles()[size_t(other)]) << styleCaption(TextStyle(other)).toStdString();
    }
}

TEST_P(StyleTest, KeepsTheGlyphsWhereTheFaceBelongs) {
    const TextJob j = job();
    const QImage& img = allStyles()[size_t(GetParam())];
    const QList<QPoint> inner = innerPixels(allStyles()[0], toRgb(255));
    ASSERT_GT(inner.size(), 20);
    QPoint face(0, 0);
    if (style() == TextStyle::Outline || style() == TextStyle::GradientOutline)
        face = QPoint(j.outlineWidth, j.outlineWidth);
    if (style() == TextStyle::ThreeD) face = QPoint(j.depth, j.depth);
    int whiteInside = 0;
    for (const QPoint& p : inner) {
        const QRgb c = img.pixel(p + face) & 0xffffff;
        switch (style()) {
        case TextStyle::Plain:
        case TextStyle::Shadow:
        case TextStyle::Outline:
            ASSERT_EQ(c, toRgb(j.fontColour) & 0xffffff) << p.x() << "," << p.y();
            break;
        case TextStyle::ThreeD:
            ASSERT_EQ(c, toRgb(j.faceColour) & 0xffffff) << p.x() << "," << p.y();
            break;
        case TextStyle::Gradient:
        case TextStyle::GradientShadow:
        case TextStyle::GradientOutline:
            // Red to blue: no green, and never the white or black around it.
            ASSERT_EQ(qGreen(c), 0) << p.x() << "," << p.y();
            ASSERT_GT(qRed(c) + qBlue(c), 200) << p.x() << "," << p.y();
            break;
        case TextStyle::Hollow:
            whiteInside += c == 0xffffff ? 1 : 0;
            break;
        }
    }
    if (style() == TextStyle::Hollow) {
        EXPECT_GT(whiteInside, 0) << "the inside of the glyphs stays white";
        EXPECT_FALSE(
            boundsOf(img, [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60; }).isNull());
    }
}

TEST_P(StyleTest, DrawsTheSamePixelsAtAnOrigin) {
    TextJob j = job();
    const QImage atZero = renderPreview(j);
    QImage big(j.box + QSize(60, 40), QImage::Format_RGB32);
    big.fill(Qt::white);
    j.origin = QPoint(30, 20);
    DrawStyledText(big, j);
    EXPECT_EQ(big.copy(QRect(QPoint(30, 20), j.box)), atZero);
    EXPECT_EQ(big.pixel(29, 19) & 0xffffff, 0xffffffu);
}

INSTANTIATE_TEST_SUITE_P(Styles, StyleTest, ::testing::Range(0, kTextStyles), [](const auto& info) {
    QString name = styleCaption(TextStyle(info.param));
    name.remove(u' ').replace(u'+', QStringLiteral("And"));
    return QStringLiteral("S%1").arg(name).toStdString();
});

TEST(StyleTest, ShadowFallsRightAndDownWhateverTheDirection) {
    TextJob j = previewJob(TextStyle::Shadow, QStringLiteral("H"), testFont(24), 4);
    const QImage a = renderPreview(j);
    j.direction = {-1, -1};
    EXPECT_EQ(renderPreview(j), a);
    const QRect face = boundsOfColour(a, toRgb(j.fontColour));
    const QRect shadow = boundsOfColour(a, toRgb(j.secondColour));
    EXPECT_EQ(shadow.bottomRight(), face.bottomRight() + QPoint(4, 4));
}

TEST(StyleTest, AFullResolutionTargetThatIsNot32BitIsDrawnOnAllTheSame) {
    TextJob j = previewJob(TextStyle::Plain, QStringLiteral("H"), testFont(24), 0);
    QImage rgb888(j.box, QImage::Format_RGB888);
    rgb888.fill(Qt::white);
    DrawStyledText(rgb888, j);
    EXPECT_EQ(rgb888.convertToFormat(QImage::Format_RGB32), renderPreview(j));
}

} // namespace
