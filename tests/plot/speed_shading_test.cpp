// The speed shading: its colour map, its pixels against the flow, and how
// the surfaces keep and paint it with the lines readable over it.
#include "geometry/flow/flow.h"
#include "plot/device_lines.h"
#include "plot/drawing.h"
#include "plot/flow_drawing.h"
#include "plot/image_surface.h"
#include "plot/speed_shading.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <complex>
#include <limits>

using namespace wingmap;

namespace {

using Complex = std::complex<double>;

// WCAG 2 relative luminance of a 0x00BBGGRR colour, and the contrast ratio.
double luminance(Colour c)
{
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

double contrast(Colour a, Colour b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool near(QRgb p, Colour c, int tolerance)
{
    return std::abs(qRed(p) - redOf(c)) <= tolerance &&
           std::abs(qGreen(p) - greenOf(c)) <= tolerance &&
           std::abs(qBlue(p) - blueOf(c)) <= tolerance;
}

// The published cividis map's ends (#00204D, #FFEA46) and its middle
// between the fifth and sixth of ten stops (#707173, #8A8779).
TEST(SpeedShading, ColourMapRunsFromDarkBlueToYellowGettingLighter)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        double speed;
        Colour colour;
    } rows[] = {{0.0, 0x4D2000}, {-1.0, 0x4D2000}, {nan, 0x4D2000},
                {2.0, 0x46EAFF}, {7.5, 0x46EAFF},  {inf, 0x46EAFF},
                {1.0, 0x767C7D}};
    for (const auto &row : rows)
        EXPECT_EQ(SpeedColour(row.speed), row.colour) << row.speed;

    // Eight steps to a stop's interval: finer ones meet the channels'
    // rounding to whole numbers.
    double previous = luminance(SpeedColour(0.0));
    for (int k = 1; k <= 72; ++k) {
        const double now = luminance(SpeedColour(k * kShadingTopSpeed / 72));
        EXPECT_GT(now, previous) << k;
        previous = now;
    }
    EXPECT_GT(luminance(SpeedColour(kShadingTopSpeed)), 20 * luminance(SpeedColour(0.0)));
}

// The centred circle at alpha = 0 without circulation: dw/dz = 1 - 1/z^2
// in the circle plane; in the profile plane zeta = z + b^2/z maps it onto
// the ellipse of half axes 1 + b^2 and 1 - b^2, and the speed is
// |1 - 1/z^2| / |1 - b^2/z^2| at the root of z^2 - zeta z + b^2 = 0 outside
// the circle. 20 x 20 cells (40 x 20 for the profile) have their centres on
// odd tenths: never on the unit circle.
TEST(SpeedShading, ColoursEachCellByTheSpeedAtItsCentreAndKeepsTheBody)
{
    const double b = 0.8;
    const Flow flow(0.0, 0.0, b, 0.0, false);
    ASSERT_TRUE(flow.ok());
    const double b2 = b * b;
    const struct
    {
        FlowPlane plane;
        double MaxC;
    } rows[] = {{FlowPlane::Circle, 2.0}, {FlowPlane::Circle, -2.0}, {FlowPlane::Profile, 2.0}};
    for (const auto &row : rows) {
        const PaneExtents panes = PaneExtentsAt(row.MaxC);
        const bool circle = row.plane == FlowPlane::Circle;
        const PaneExtent &extent = circle ? panes.circle : panes.profile;
        const int across = circle ? 20 : 40;
        const Shading shading =
            SpeedShading(flow, row.plane, extent, across * kShadingCell, 20 * kShadingCell);
        ASSERT_EQ(shading.width, across);
        ASSERT_EQ(shading.height, 20);
        ASSERT_TRUE(shading.usable());
        int body = 0;
        for (int j = 0; j < shading.height; ++j)
            for (int i = 0; i < shading.width; ++i) {
                const double sign = row.MaxC > 0 ? 1.0 : -1.0;
                const Complex p(sign * (-extent.halfWidth() + (i + 0.5) * 0.2),
                                sign * (extent.halfHeight() - (j + 0.5) * 0.2));
                const Colour got = shading.colours[j * shading.width + i];
                bool inside = false;
                double speed = 0.0;
                if (circle) {
                    inside = std::abs(p) < 1.0;
                    speed = std::abs(1.0 - 1.0 / (p * p));
                } else {
                    const double ex = p.real() / (1 + b2);
                    const double ey = p.imag() / (1 - b2);
                    inside = ex * ex + ey * ey < 1.0;
                    const Complex root = std::sqrt(p * p - 4.0 * b2);
                    Complex z = (p + root) / 2.0;
                    if (std::abs(z) < 1.0)
                        z = (p - root) / 2.0;
                    speed = std::abs(1.0 - 1.0 / (z * z)) / std::abs(1.0 - b2 / (z * z));
                }
                body += inside;
                const Colour want = inside ? kBackground : SpeedColour(speed);
                EXPECT_EQ(got, want) << row.MaxC << " " << i << "," << j;
            }
        EXPECT_GT(body, 10);
    }
    EXPECT_FALSE(SpeedShading(flow, FlowPlane::Circle, PaneExtentsAt(2).circle, 0, 40).usable());
    EXPECT_FALSE(SpeedShading(Flow(0, 0, 0, 0, false), FlowPlane::Circle,
                              PaneExtentsAt(2).circle, 40, 40)
                     .usable());
}

// Without a halo the streamlines' dark green would need a shade of
// luminance 0.87 or more for 4.5 : 1, which leaves the map no room: the
// halo carries the contrast instead (white on dark green is 5.14 : 1).
TEST(SpeedShading, LinesKeepTheirContrastOnTheirHalo)
{
    EXPECT_NEAR(contrast(0x000000, 0xFFFFFF), 21.0, 1e-9);
    for (const Colour line : {kStreamlineColour, kCurveColour, Colour(0x000000)})
        EXPECT_GE(contrast(line, kHaloColour), 4.5) << std::hex << line;
    EXPECT_NEAR(contrast(kStreamlineColour, kHaloColour), 5.14, 0.01);
    EXPECT_LT(contrast(kStreamlineColour, SpeedColour(1.0)), 4.5);
}

// A 2 x 2 shading of four colours under a dark green line across the middle
// of a 40 x 40 pane: each quarter shows its colour at its centre (between
// the centres the painter blends them), the line its own colour with a
// white halo each side, and Cls takes the shading away.
TEST(SpeedShading, DrawingKeepsClearsAndPaintsTheShadingUnderItsLines)
{
    const Shading four{2, 2, {0x4D2000, 0x737170, 0x6CB5C4, 0x46EAFF}};
    ImageSurface pane(QSize(40, 40), 1.0);
    pane.setHalo(true);
    pane.Cls();
    pane.Scale(-1, 1, 1, -1);
    pane.Line(-1.0f, 0.75f, 1.0f, 0.75f, kStreamlineColour);
    pane.Shade(four); // after the line: still under it
    pane.Line(-1.0f, 0.0f, 1.0f, 0.0f, kStreamlineColour);
    ASSERT_TRUE(pane.drawing().shading().usable());
    const QImage image = pane.image();
    EXPECT_TRUE(near(image.pixel(10, 30), 0x6CB5C4, 8));
    EXPECT_TRUE(near(image.pixel(30, 30), 0x46EAFF, 8));
    EXPECT_TRUE(near(image.pixel(30, 10), 0x737170, 8));
    EXPECT_TRUE(near(image.pixel(10, 10), 0x4D2000, 8));
    EXPECT_TRUE(near(image.pixel(30, 5), kStreamlineColour, 0));
    // The axis y = 0 falls on row 20 (the pixels' centres at +0.5).
    EXPECT_TRUE(near(image.pixel(30, 20), kStreamlineColour, 0));
    EXPECT_TRUE(near(image.pixel(30, 19), kHaloColour, 0));
    EXPECT_TRUE(near(image.pixel(30, 21), kHaloColour, 0));

    pane.setHalo(false);
    EXPECT_FALSE(near(pane.image().pixel(30, 19), kHaloColour, 40));
    EXPECT_TRUE(near(pane.image().pixel(30, 20), kStreamlineColour, 0));

    pane.Cls();
    EXPECT_FALSE(pane.drawing().shading().usable());
    EXPECT_TRUE(near(pane.image().pixel(10, 30), kBackground, 0));
}

// A thin vertical line beside a plain one: at ratio 2 one device pixel
// where the plain one has two; at ratio 1 one pixel at 60 % over the
// background.
TEST(SpeedShading, ThinLinesAreHalfAsWideOrFainter)
{
    const struct
    {
        qreal ratio;
        int thinWidth;
        double opacity;
    } rows[] = {{1.0, 1, 0.6}, {1.5, 1, 0.6}, {2.0, 1, 1.0}, {3.0, 1, 1.0}, {4.0, 2, 1.0}};
    for (const auto &row : rows) {
        const DeviceLines lines(row.ratio);
        EXPECT_EQ(lines.thinWidth, row.thinWidth) << row.ratio;
        EXPECT_DOUBLE_EQ(lines.thinOpacity, row.opacity) << row.ratio;
    }
    for (const qreal ratio : {1.0, 2.0}) {
        ImageSurface pane(QSize(20, 10), ratio);
        pane.Cls();
        pane.Line(5.0f, 0.0f, 5.0f, 10.0f, 0x000000);
        pane.Line(14.0f, 0.0f, 14.0f, 10.0f, Colour(0x000000) | kThinLine);
        const QImage &image = pane.image();
        const int row = image.height() / 2;
        int plain = 0;
        int thin = 0;
        int faint = 255;
        for (int i = 0; i < image.width(); ++i) {
            const int red = qRed(image.pixel(i, row));
            if (red == 255)
                continue;
            (i < image.width() / 2 ? plain : thin) += 1;
            if (i >= image.width() / 2)
                faint = std::min(faint, red);
        }
        EXPECT_EQ(plain, ratio == 1.0 ? 1 : 2) << ratio;
        EXPECT_EQ(thin, 1) << ratio;
        // 40 % of the background's 255 shows through the black at ratio 1.
        EXPECT_NEAR(faint, ratio == 1.0 ? 102 : 0, 1) << ratio;
    }
}

// The legend on a box of the background: the bar's foot the colour of
// q/U = 0, its head that of 2, and text in the foreground beside the bar.
TEST(SpeedShading, LegendShowsTheMapAndItsValues)
{
    QImage image(60, 120, QImage::Format_RGB32);
    image.fill(Qt::gray);
    {
        QPainter painter(&image);
        PaintSpeedLegend(painter, QRectF(0, 0, 60, 120), Qt::black);
    }
    EXPECT_TRUE(near(image.pixel(59, 119), kBackground, 0));
    int dark = 0;
    int lowest = -1;
    int highest = -1;
    for (int j = 0; j < image.height(); ++j) {
        if (near(image.pixel(8, j), SpeedColour(0.0), 6))
            lowest = j;
        if (highest < 0 && near(image.pixel(8, j), SpeedColour(kShadingTopSpeed), 6))
            highest = j;
        for (int i = 20; i < image.width(); ++i)
            dark += qGray(image.pixel(i, j)) < 100;
    }
    EXPECT_GT(lowest, 60);
    EXPECT_GE(highest, 0);
    EXPECT_LT(highest, 60);
    EXPECT_GT(dark, 10);
}

} // namespace
