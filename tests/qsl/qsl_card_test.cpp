#include "qsl/qsl_card.h"

#include <QFont>
#include <QFontInfo>
#include <QPainter>
#include <gtest/gtest.h>

namespace quiverel {
namespace {

constexpr ColourCode kYellow = 65535;  // the band
constexpr ColourCode kRed = 255;       // lines and labels
constexpr ColourCode kBlue = 16711680; // calls and values

QImage white(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QslCardText blank() {
    QslCardText t;
    t.colours = {kYellow, kRed, kBlue};
    return t;
}

QslCardText filled() {
    QslCardText t = blank();
    t.ownCall = QStringLiteral("G4XYZ");
    t.connector = QStringLiteral("confirms QSO with");
    t.workedCall = QStringLiteral("K1ABC");
    t.dateHeader = QStringLiteral("Date");
    t.modeHeader = QStringLiteral("Mode");
    t.date = QStringLiteral("12/7/26");
    t.time = QStringLiteral("09:57");
    t.frequency = QStringLiteral("14.230");
    t.mode = QStringLiteral("SSTV");
    t.report = QStringLiteral("595");
    return t;
}

QRgb at(const QImage& img, int x, int y) {
    return img.pixel(x, y) & 0xffffff;
}

constexpr QRgb kYellowRgb = 0xffff00, kRedRgb = 0xff0000, kWhiteRgb = 0xffffff;

struct TableCase {
    QSizeF size;
    double unit;
    double top;
    std::array<int, 4> lines;
    std::array<int, 3> rows;
};

class QslTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(QslTableTest, RowsFollowTheTableHeight) {
    const TableCase& c = GetParam();
    const QslTable t = qslTable({c.size, c.unit, 1});
    EXPECT_DOUBLE_EQ(t.top, c.top);
    EXPECT_EQ(t.lines, c.lines);
    EXPECT_EQ(t.rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, QslTableTest,
    ::testing::Values(TableCase{{320, 256}, 320, 192, {193, 213, 232, 251}, {196, 215, 234}},
                      TableCase{{640, 480}, 320, 416, {417, 437, 456, 475}, {420, 439, 458}},
                      // A canvas showing a 320-pixel picture 497.5 units wide.
                      TableCase{
                          {497.5, 398}, 497.5, 298.5, {301, 331, 361, 391}, {305, 335, 365}}));

TEST(QslCanvasUnit, IsThreeHundredTwentyPixelsOfThePicture) {
    EXPECT_DOUBLE_EQ(qslCanvasUnit(497.5, 320), 497.5);
    EXPECT_DOUBLE_EQ(qslCanvasUnit(530, 640), 265);
    EXPECT_DOUBLE_EQ(qslCanvasUnit(530, 0), 530); // no picture width: the whole canvas
}

TEST(DrawQslCard, BandCoversTheBottomLeftTableAndKeepsDarkPixels) {
    // Wider than the table, with a black patch inside the band.
    QImage picture = white(400, 256);
    QPainter(&picture).fillRect(QRect(150, 240, 10, 5), Qt::black);
    const QImage card = DrawQslCard(picture, {QSizeF(400, 256), 320, 1}, blank());
    ASSERT_EQ(card.size(), QSize(400, 256));
    EXPECT_EQ(at(card, 0, 200), kYellowRgb);
    EXPECT_EQ(at(card, 320, 240), kYellowRgb) << "the box reaches x = u";
    EXPECT_EQ(at(card, 321, 240), kWhiteRgb);
    EXPECT_EQ(at(card, 2, 192), kYellowRgb) << "the band starts at y0";
    EXPECT_EQ(at(card, 2, 191), kWhiteRgb);
    EXPECT_EQ(at(card, 155, 242), 0u) << "dark stays dark under the mask";
}

TEST(DrawQslCard, LinesAtTheRowsBordersAndDividers) {
    const QImage card = DrawQslCard(white(320, 256), {QSizeF(320, 256), 320, 1}, blank());
    for (int y : {193, 213, 232, 251}) {
        EXPECT_EQ(at(card, 100, y), kRedRgb) << "row line at " << y;
        EXPECT_EQ(at(card, 100, y + 2), kYellowRgb) << "only two pixels thick at " << y;
    }
    EXPECT_EQ(at(card, 2, 220), kYellowRgb) << "nothing left of the border";
    EXPECT_EQ(at(card, 318, 220), kYellowRgb) << "nothing right of the border";
    for (int x : {4, 314})
        EXPECT_TRUE(at(card, x, 200) == kRedRgb || at(card, x - 1, 200) == kRedRgb)
            << "border at " << x;
    for (double f : {0.27, 0.45, 0.65, 0.83}) {
        const int x = int(f * 320);
        const auto red = [&](int y) {
            return at(card, x, y) == kRedRgb || at(card, x + 1, y) == kRedRgb ||
                   at(card, x - 1, y) == kRedRgb;
        };
        EXPECT_TRUE(red(225)) << "divider at " << f;
        EXPECT_FALSE(red(203)) << "no divider in the title row at " << f;
    }
}

// Leftmost and rightmost columns with ink in rows [top, bottom), borders excluded.
std::pair<int, int> inkSpan(const QImage& card, int top, int bottom) {
    int left = card.width(), right = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 7; x < 312; ++x)
            if (at(card, x, y) != kYellowRgb) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

TEST(DrawQslCard, TitleIsCentredOnTheTable) {
    const QImage card = DrawQslCard(white(320, 256), {QSizeF(320, 256), 320, 1}, filled());
    const auto [left, right] = inkSpan(card, 195, 212);
    ASSERT_LT(left, right) << "the title is drawn";
    EXPECT_NEAR((left + right) / 2.0, 160, 2.5);
}

// The most saturated ink colour in a strip: which pen drew its text.
QRgb strongestInk(const QImage& card, int top, int bottom) {
    QRgb best = kYellowRgb;
    int bestDistance = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 7; x < 312; ++x) {
            const QRgb c = at(card, x, y);
            const int d = 510 - qRed(c) - qGreen(c) + qBlue(c); // away from yellow
            if (d > bestDistance) {
                bestDistance = d;
                best = c;
            }
        }
    return best;
}

TEST(DrawQslCard, HeaderInLineColourAndValuesInTextColour) {
    const QImage card = DrawQslCard(white(320, 256), {QSizeF(320, 256), 320, 1}, filled());
    const QRgb header = strongestInk(card, 215, 231);
    const QRgb values = strongestInk(card, 234, 250);
    EXPECT_GT(qRed(header), 200);
    EXPECT_LT(qBlue(header), 60);
    EXPECT_GT(qBlue(values), 200);
    EXPECT_LT(qRed(values), 60);
}

TEST(DrawQslCard, ValuesStartAtTheirColumns) {
    QslCardText t = blank();
    t.report = QStringLiteral("595");
    const QImage card = DrawQslCard(white(320, 256), {QSizeF(320, 256), 320, 1}, t);
    // The value's blue ink, not the red dividers that cross its row.
    int left = card.width(), right = -1;
    for (int y = 234; y < 250; ++y)
        for (int x = 0; x < card.width(); ++x)
            if (qBlue(card.pixel(x, y)) > qRed(card.pixel(x, y)) + 60) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_NEAR(left, 0.86 * 320, 3);
    EXPECT_LT(right, 312);
}

TEST(DrawQslCard, CanvasCopyIsTheSameCardInCanvasUnits) {
    // A canvas of 160 x 128 units at two pixels a unit showing a 320-pixel picture.
    const QImage card =
        DrawQslCard(white(320, 256), {QSizeF(160, 128), qslCanvasUnit(160, 320), 2}, blank());
    ASSERT_EQ(card.size(), QSize(320, 256));
    EXPECT_EQ(at(card, 2, 191), kWhiteRgb);
    EXPECT_EQ(at(card, 2, 192), kYellowRgb);
    // The first row line at unit 96 is two pixels, not four.
    EXPECT_EQ(at(card, 100, 192), kRedRgb);
    EXPECT_EQ(at(card, 100, 194), kYellowRgb);
}

TEST(DrawQslCard, ArialIsLiberationSans) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
}

} // namespace
} // namespace quiverel
