// The kept drawing painted on devices other than the pane's own image.
#include "plot/drawing.h"
#include "plot/hesapla.h"
#include "plot/image_surface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
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
        EXPECT_TRUE(hesapla({"0.1", "0.1", "0.9", "1.5"}, state, circle, airfoil).drawn);
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
