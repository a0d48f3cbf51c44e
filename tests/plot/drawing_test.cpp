// The kept drawing painted on devices other than the pane's own image.
#include "plot/drawing.h"
#include "plot/image_surface.h"
#include "plot/profile_redraw.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace wingmap;

namespace {

const QSize kCircleInner(196, 196);
const QSize kAirfoilInner(396, 196);
constexpr int kGap = 8;

struct Panes
{
    explicit Panes(qreal ratio) : circle(kCircleInner, ratio), airfoil(kAirfoilInner, ratio)
    {
        state.Fb = 0.1;
        state.Gb = 0.09;
        EXPECT_TRUE(RedrawProfile({"0.1", "0.1", "0.9", "1.5"}, state, circle, airfoil).drawn);
    }
    ParameterState state;
    ImageSurface circle;
    ImageSurface airfoil;
};

// Both panes side by side, the airfoil pane through a translation of the
// painter, on an image of the given ratio whose gap stays grey.
QImage sideBySide(const Panes &panes, qreal ratio)
{
    const QSize logical(kCircleInner.width() + kGap + kAirfoilInner.width(), kCircleInner.height());
    QImage image(logical * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::gray);
    QPainter painter(&image);
    panes.circle.drawing().paint(painter, QRectF(QPointF(0, 0), kCircleInner));
    painter.translate(kCircleInner.width() + kGap, 0);
    panes.airfoil.drawing().paint(painter, QRectF(QPointF(0, 0), kAirfoilInner));
    return image;
}

// The largest difference of one colour channel between two images of a size.
int maxDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

TEST(Drawing, PaintsThePanesOnImagesOfAnyRatioAndPlace)
{
    const Panes normal(1.0);
    const Panes dense(2.0);
    for (const qreal ratio : {1.0, 2.0}) {
        const Panes &kept = ratio == 1.0 ? dense : normal;
        const Panes &same = ratio == 1.0 ? normal : dense;
        // Kept at one ratio, painted at the other: as if drawn there.
        QImage image(kCircleInner * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        {
            QPainter painter(&image);
            kept.circle.drawing().paint(painter, QRectF(QPointF(0, 0), kCircleInner));
        }
        EXPECT_EQ(image, same.circle.image()) << ratio;

        // Side by side, the airfoil pane through a translation: the same up
        // to the rasterizer's rounding of translated coordinates.
        const QImage both = sideBySide(kept, ratio);
        const int left = int((kCircleInner.width() + kGap) * ratio);
        EXPECT_EQ(both.copy(QRect(QPoint(0, 0), kCircleInner * ratio)), same.circle.image());
        EXPECT_LE(maxDifference(both.copy(QRect(QPoint(left, 0), kAirfoilInner * ratio)),
                                same.airfoil.image()),
                  2)
            << ratio;
        // Nothing spills into the gap, not even the clipped axes' margin.
        for (int x = int(kCircleInner.width() * ratio); x < left; ++x)
            ASSERT_EQ(both.pixel(x, int(98 * ratio)), QColor(Qt::gray).rgb()) << x;
    }
}

// Overlapping joins at ratio 2, as the flow panes use them, against round
// ones: in every column of a wavy blue polyline of short segments (one
// pixel of the pane is 0.01 units) the line's middle, weighed by its cover
// of each pixel, stays within a quarter of a device pixel, and its fullest
// pixel is as full as with round joins: no lighter seam at a joint.
TEST(Drawing, OverlappingJoinsKeepLinesOnTheirPointsWithoutSeams)
{
    const auto paint = [](LineJoins joins) {
        Drawing drawing;
        drawing.setLineJoins(joins);
        drawing.Scale(0, 1, 1.96, -1);
        for (int i = 0; i < 60; ++i) {
            const auto y = [](int k) { return float(0.5 * std::sin(k * 0.15)); };
            drawing.Line(i * 0.03f, y(i), (i + 1) * 0.03f, y(i + 1), kCurveColour);
        }
        QImage image(kCircleInner * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        QPainter painter(&image);
        drawing.paint(painter, QRectF(QPointF(0, 0), kCircleInner));
        return image;
    };
    const QImage round = paint(LineJoins::Round);
    const QImage overlap = paint(LineJoins::Overlap);
    ASSERT_NE(overlap, round);
    // Blue over the light yellow: the red channel falls from 255 to 0.
    const auto cover = [](const QImage &image, int x, int y) {
        return (255 - qRed(image.pixel(x, y))) / 255.0;
    };
    for (int x = 10; x < 340; ++x) {
        double weight[2] = {0, 0};
        double middle[2] = {0, 0};
        double fullest[2] = {0, 0};
        for (int y = 0; y < overlap.height(); ++y) {
            const double c[2] = {cover(round, x, y), cover(overlap, x, y)};
            for (int k = 0; k < 2; ++k) {
                weight[k] += c[k];
                middle[k] += c[k] * (y + 0.5);
                fullest[k] = std::max(fullest[k], c[k]);
            }
        }
        ASSERT_GT(weight[0], 1.0) << x;
        EXPECT_NEAR(middle[1] / weight[1], middle[0] / weight[0], 0.25) << x;
        EXPECT_GE(fullest[1], fullest[0] - 0.02) << x;
    }
}

TEST(Drawing, SvgHoldsTheCurveAsVectorPolylines)
{
    const Panes panes(1.0);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(kAirfoilInner);
    svg.setViewBox(QRect(QPoint(0, 0), kAirfoilInner));
    {
        QPainter painter(&svg);
        panes.airfoil.drawing().paint(painter, QRectF(QPointF(0, 0), kAirfoilInner));
    }
    const QString text = QString::fromUtf8(buffer.data());
    // The blue curve is one polyline of its 181 points, not pixels.
    const QRegularExpression blue(R"re(stroke="#0000ff"[^>]*>\s*<polyline[^>]*points="([^"]*)")re");
    const QRegularExpressionMatch match = blue.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.left(2000).toStdString();
    EXPECT_EQ(match.captured(1).split(' ', Qt::SkipEmptyParts).size(), 181);
    EXPECT_FALSE(text.contains("<image"));
}

} // namespace
