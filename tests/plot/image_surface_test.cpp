// What the redraw looks like on the image-backed panes, checked on pixels.
#include "plot/image_surface.h"
#include "plot/profile_redraw.h"
#include "tests/support/pixel_checks.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>

using namespace wingmap;
using namespace pixels;

namespace {

// The panes' inner areas in logical pixels (outer 200 x 200 and 400 x 200,
// less a 2-pixel border).
const QSize kCircleInner(196, 196);
const QSize kAirfoilInner(396, 196);

struct Panes
{
    explicit Panes(qreal ratio = 1.0) : circle(kCircleInner, ratio), airfoil(kAirfoilInner, ratio)
    {
    }
    RedrawOutcome draw(const InputTexts &texts)
    {
        return RedrawProfile(texts, state, circle, airfoil);
    }
    ParameterState state;
    ImageSurface circle;
    ImageSurface airfoil;
};

TEST(ImageSurface, ConvertsColoursWithRedInTheLowByte)
{
    EXPECT_EQ(toQColor(kCurveColour), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(kMarkColour), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(kBackground), QColor(255, 255, 192));
    EXPECT_EQ(toQColor(0x008000), QColor(0, 128, 0));
}

TEST(ImageSurface, ClsLeavesAnEmptyLightYellowPane)
{
    ImageSurface surface(kCircleInner);
    surface.Scale(-1.5, 1.5, 1.5, -1.5);
    surface.Line(-1.5f, 0, 1.5f, 0);
    surface.Cls();
    const QImage &image = surface.image();
    for (int j = 0; j < image.height(); ++j)
        for (int i = 0; i < image.width(); ++i)
            ASSERT_TRUE(isBackground(image.pixel(i, j))) << i << "," << j;
}

TEST(ImageSurface, MapsUserCoordinatesWithYUp)
{
    ImageSurface surface(kCircleInner);
    surface.Scale(-1.5, 1.5, 1.5, -1.5);
    surface.Line(-1.5f, 0, 1.5f, 0);
    surface.Line(-1, 1, 1, 1, kMarkColour);
    const QImage &image = surface.image();
    // The x axis runs edge to edge on the middle row, one pixel thick.
    for (int i = 0; i < 196; ++i) {
        EXPECT_TRUE(isDark(image.pixel(i, 98))) << i;
        EXPECT_TRUE(isBackground(image.pixel(i, 97))) << i;
        EXPECT_TRUE(isBackground(image.pixel(i, 99))) << i;
    }
    // y = 1 lies a third of the height above it.
    EXPECT_TRUE(isRed(image.pixel(98, 98 - 65)));
    EXPECT_TRUE(isBackground(image.pixel(98, 98 + 65)));
}

// A vertical line whose exact device position is a pixel's centre fills that
// one column in its own colour, with background on both sides: the mapping
// must not lose the last bit of the position to rounding.
struct CrispCase
{
    const char *what;
    int width;     // the pane's inner width; its height is 196
    double extent; // Scale(-extent, 1, extent, -1)
    float x;       // the line's user x
    int column;    // 0.5 + (x + extent) / (2 extent) * width - 0.5
};

void PrintTo(const CrispCase &c, std::ostream *os)
{
    *os << c.what;
}

class CrispLine : public testing::TestWithParam<CrispCase>
{
};

TEST_P(CrispLine, FillsTheOneColumnItsCentreFallsIn)
{
    const CrispCase &c = GetParam();
    ImageSurface surface(QSize(c.width, 196));
    surface.Scale(-c.extent, 1, c.extent, -1);
    surface.Line(c.x, -1, c.x, 1, kMarkColour);
    const QImage &image = surface.image();
    for (int j = 0; j < image.height(); ++j) {
        ASSERT_EQ(image.pixel(c.column, j), qRgb(255, 0, 0)) << c.what << " row " << j;
        ASSERT_TRUE(isBackground(image.pixel(c.column - 1, j))) << c.what << " row " << j;
        ASSERT_TRUE(isBackground(image.pixel(c.column + 1, j))) << c.what << " row " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CrispLine,
                         testing::Values(
                             // The airfoil pane at Scale 1.1 (its scroll bar at 11): x = 0 falls
                             // halfway, 0.5 + 396 / 2 = 198.5, however 4.4 rounds.
                             CrispCase{"y axis at Scale 1.1", 396, 2.2, 0.0f, 198},
                             // E = 0x1.48c3f8p+0 is a float, and so is -E / 2, a quarter across:
                             // 0.5 + 196 / 4 = 49.5. Its product with the rounded scale factor
                             // 98 / E comes out a unit in the last place short of 49.
                             CrispCase{"a quarter across", 196, 0x1.48c3f8p+0, -0x1.48c3f8p-1f,
                                       49}));

TEST(ImageSurface, StartDrawingShowsCircleMarksAndCross)
{
    Panes panes;
    ASSERT_TRUE(panes.draw({"0", "0", "1", "1.5"}).drawn);
    const QImage &c = panes.circle.image();
    const QImage &a = panes.airfoil.image();
    EXPECT_TRUE(showsStartCircle(c));
    EXPECT_TRUE(showsStartProfile(a));
    // The circle's radius is right all round, not just at the top.
    const double unit = 196.0 / 3.0;
    EXPECT_TRUE(near(c, 98.5 - unit * std::sqrt(0.5), 98.5 + unit * std::sqrt(0.5), 1, isBlue));
    EXPECT_FALSE(near(c, 98.5, 98.5 - unit * 1.2, 3, isBlue));
    const QPointF middle = blueCentroid(c);
    EXPECT_NEAR(middle.x(), 98.5, 0.5);
    EXPECT_NEAR(middle.y(), 98.5, 0.5);

    // Kept for a look, beside the test program in the build folder: the two
    // panes as a user would see them.
    QImage both(a.width() + c.width() + 8, c.height(), QImage::Format_RGB32);
    both.fill(Qt::lightGray);
    QPainter painter(&both);
    painter.drawImage(0, 0, c);
    painter.drawImage(c.width() + 8, 0, a);
    painter.end();
    both.save(QCoreApplication::applicationDirPath() + "/start_drawing.png");
}

TEST(ImageSurface, CambredCircleSitsAboveAndLeftAndNegativeScaleMirrorsIt)
{
    Panes panes;
    panes.state.Fb = 0.1;
    panes.state.Gb = 0.2;
    const double unit = 196.0 / 3.0;
    ASSERT_TRUE(panes.draw({"0.1", "0.2", "1", "1.5"}).drawn);
    QPointF centre = blueCentroid(panes.circle.image());
    // Where the curve crosses the dark axes its pixels blend darker, so the
    // centroid is good to a couple of pixels.
    EXPECT_NEAR(centre.x(), 98.5 - 0.1 * unit, 2.0);
    EXPECT_NEAR(centre.y(), 98.5 - 0.2 * unit, 2.0); // positive y is up
    QImage saved = panes.circle.image();
    EXPECT_TRUE(isRed(saved.pixel(int(98.5 - 0.1 * unit), int(98.5 - 0.2 * unit))));

    ASSERT_TRUE(panes.draw({"0.1", "0.2", "1", "-1.5"}).drawn);
    centre = blueCentroid(panes.circle.image());
    EXPECT_NEAR(centre.x(), 98.5 + 0.1 * unit, 2.0);
    EXPECT_NEAR(centre.y(), 98.5 + 0.2 * unit, 2.0);
    // The profile mirrors too: its upper side is now below the axis.
    const QPointF profile = blueCentroid(panes.airfoil.image());
    EXPECT_GT(profile.y(), 98.5);
}

TEST(ImageSurface, RefusedRunLeavesBothImagesUntouched)
{
    Panes panes;
    ASSERT_TRUE(panes.draw({"0.1", "0", "1", "1.5"}).drawn);
    const QImage circle = panes.circle.image().copy();
    const QImage airfoil = panes.airfoil.image().copy();
    for (const InputTexts &texts :
         {InputTexts{"0.6", "0", "2", "1.5"}, InputTexts{"0", "0", "0", "1.5"},
          InputTexts{"0", "0", "1", "0"}, InputTexts{"0", "0", "1", "1e308"}}) {
        EXPECT_FALSE(panes.draw(texts).drawn);
        EXPECT_EQ(panes.circle.image(), circle);
        EXPECT_EQ(panes.airfoil.image(), airfoil);
    }
}

TEST(ImageSurface, ExtremeScalesReturnPromptlyWithAxesWhereRepresentable)
{
    for (const char *scale : {"1e-300", "1e300", "-1e300", "1e-30", "1e30", "1e-320", "8e307",
                              "0.001", "1000000", "1e-46", "2e-38", "-1e-38"}) {
        Panes panes;
        panes.state.Fb = 0.5; // keep the red cross off the axes
        panes.state.Gb = 0.5;
        const auto start = std::chrono::steady_clock::now();
        const RedrawOutcome outcome = panes.draw({"0.1", "0.1", "0.9", scale});
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_TRUE(outcome.drawn) << scale;
        // The smallest normal float is 2^-126 = 1.18e-38. (from_chars reads
        // the point in every locale, strtod only in the C locale.)
        double extent = 0.0;
        std::from_chars(scale, scale + std::strlen(scale), extent);
        extent = std::abs(extent);
        EXPECT_EQ(outcome.scaleUnderflows, extent < 1.1754943508e-38) << scale;
        EXPECT_LT(elapsed, std::chrono::milliseconds(500)) << scale;
        const QImage &c = panes.circle.image();
        if (std::string(scale) == "1e-30" || std::string(scale) == "1e30" ||
            std::string(scale) == "0.001" || std::string(scale) == "1000000") {
            EXPECT_TRUE(isDark(c.pixel(3, 98))) << scale;
            EXPECT_TRUE(isDark(c.pixel(98, 192))) << scale;
        }
    }
    // A scale so small that the mark's outline is thousands of pixels wide:
    // b = 0.03 puts the mark at (-0.03, 0) through the origin, where its
    // outline crosses the pane as a nearly vertical line.
    Panes panes;
    ASSERT_TRUE(panes.draw({"0", "0", "0.03", "0.0001"}).drawn);
    const QImage &c = panes.circle.image();
    EXPECT_TRUE(isRed(c.pixel(98, 20)));
    EXPECT_TRUE(isRed(c.pixel(98, 170)));
    EXPECT_FALSE(near(c, 60, 20, 5, isRed));
}

// The dark pixels along a row or a column of the image, when every other
// pixel there is the plain background; empty when any is neither (a blurred
// line).
std::vector<int> darkRun(const QImage &image, int fixed, bool alongColumn)
{
    std::vector<int> dark;
    const int length = alongColumn ? image.height() : image.width();
    for (int k = 0; k < length; ++k) {
        const QRgb p = alongColumn ? image.pixel(fixed, k) : image.pixel(k, fixed);
        if (isDark(p))
            dark.push_back(k);
        else if (!isBackground(p))
            return {};
    }
    return dark;
}

class DenseScreen : public ::testing::TestWithParam<double>
{
};

// A line one logical pixel wide is floor(ratio) device pixels: two at ratio
// 2, on a pixel boundary, and one at 1.25 to 1.75, snapped to whole pixels,
// where the pane's odd device size (245 at 1.25, 343 at 1.75) puts the axes
// on a boundary between two pixels.
TEST_P(DenseScreen, DrawsTheSameCrisply)
{
    const double ratio = GetParam();
    Panes dense(ratio);
    ASSERT_TRUE(dense.draw({"0", "0", "1", "1.5"}).drawn);
    const QImage &c = dense.circle.image();
    const int size = int(std::lround(196 * ratio));
    ASSERT_EQ(c.size(), QSize(size, size));
    const std::size_t width = std::size_t(std::floor(ratio));
    // Column and row 10 cross only the background and an axis.
    for (const bool alongColumn : {true, false}) {
        const std::vector<int> axis = darkRun(c, 10, alongColumn);
        ASSERT_EQ(axis.size(), width) << ratio << (alongColumn ? " x axis" : " y axis");
        EXPECT_EQ(axis.back() - axis.front() + 1, int(width)) << ratio;
        EXPECT_LE(std::abs(axis.front() + width / 2.0 - size / 2.0), 1.0) << ratio;
    }
    if (ratio == 2.0) {
        EXPECT_TRUE(isDark(c.pixel(10, 195)));
        EXPECT_TRUE(isDark(c.pixel(10, 196)));
    }
    // The curve stays smooth: the circle's top at y = 1 is antialiased.
    EXPECT_TRUE(near(c, size / 2.0, (98.5 - 196.0 / 3) * ratio, 2, isBlue)) << ratio;

    // Moving a drawing to a denser screen renders it again from what was
    // drawn, pixel for pixel as if it had been drawn there.
    Panes moved(1.0);
    ASSERT_TRUE(moved.draw({"0", "0", "1", "1.5"}).drawn);
    moved.circle.setGeometry(kCircleInner, ratio);
    moved.airfoil.setGeometry(kAirfoilInner, ratio);
    EXPECT_EQ(moved.circle.image(), dense.circle.image());
    EXPECT_EQ(moved.airfoil.image(), dense.airfoil.image());
}

INSTANTIATE_TEST_SUITE_P(Ratios, DenseScreen, ::testing::Values(2.0, 1.25, 1.5, 1.75));

TEST(ImageSurface, DegenerateOrNonFiniteScaleKeepsThePreviousMapping)
{
    ImageSurface surface(kCircleInner);
    surface.Scale(-1.5, 1.5, 1.5, -1.5);
    surface.Scale(0, 0, 0, 0);
    surface.Scale(-1, std::nan(""), 1, 1);
    surface.Line(-1.5f, 0, 1.5f, 0);
    EXPECT_TRUE(isDark(surface.image().pixel(5, 98)));
    // NaN and infinite coordinates: nothing, and the infinite axis in full.
    surface.Line(std::nanf(""), 0, 1, 1, kMarkColour);
    surface.Line(0, -INFINITY, 0, INFINITY, kMarkColour);
    EXPECT_TRUE(isRed(surface.image().pixel(98, 2)));
    EXPECT_TRUE(isRed(surface.image().pixel(98, 193)));
}

} // namespace
