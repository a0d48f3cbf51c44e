#include "plot/speed_shading.h"

#include "geometry/flow/flow.h"

#include <QColor>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

namespace wingmap {

namespace {

// cividis at ten equally spaced points, 0x00BBGGRR.
constexpr std::array<Colour, 10> kStops = {
    0x4D2000, 0x6F3300, 0x6B4839, 0x6D5C57, 0x737170,
    0x79878A, 0x759DA6, 0x6CB5C4, 0x5BCFE4, 0x46EAFF,
};

// Between two channel values, rounded to the nearest (never negative, so
// adding a half and truncating rounds).
int blend(int from, int to, double t)
{
    return static_cast<int>(from + (to - from) * t + 0.5);
}

// The legend's bar and text, in logical pixels.
constexpr double kLegendPadding = 4.0;
constexpr double kBarWidth = 10.0;
constexpr double kLabelGap = 4.0;

} // namespace

Colour SpeedColour(double speed)
{
    if (!(speed > 0.0))
        return kStops.front();
    const double position = std::min(speed / kShadingTopSpeed, 1.0) * (kStops.size() - 1);
    const std::size_t k = std::min(static_cast<std::size_t>(position), kStops.size() - 2);
    const double t = position - static_cast<double>(k);
    const Colour a = kStops[k];
    const Colour b = kStops[k + 1];
    return static_cast<Colour>(blend(redOf(a), redOf(b), t)) |
           static_cast<Colour>(blend(greenOf(a), greenOf(b), t)) << 8 |
           static_cast<Colour>(blend(blueOf(a), blueOf(b), t)) << 16;
}

Shading SpeedShading(const Flow &flow, FlowPlane plane, const PaneExtent &extent,
                     int pixelsAcross, int pixelsDown)
{
    const double width = extent.right - extent.left;
    const double height = extent.bottom - extent.top;
    if (!flow.ok() || pixelsAcross < 1 || pixelsDown < 1 || !std::isfinite(width) ||
        !std::isfinite(height) || width == 0.0 || height == 0.0)
        return {};
    Shading shading;
    shading.width = (pixelsAcross + kShadingCell - 1) / kShadingCell;
    shading.height = (pixelsDown + kShadingCell - 1) / kShadingCell;
    shading.colours.resize(static_cast<std::size_t>(shading.width) * shading.height);
    const Circle &circle = flow.circle();
    const double dx = width / shading.width;
    const double dy = height / shading.height;
    Colour *colour = shading.colours.data();
    for (int j = 0; j < shading.height; ++j) {
        const double y = extent.top + (j + 0.5) * dy;
        for (int i = 0; i < shading.width; ++i, ++colour) {
            const std::complex<double> point(extent.left + (i + 0.5) * dx, y);
            const std::complex<double> z =
                plane == FlowPlane::Circle ? point : circle.inverse(point);
            // Squares rather than hypot, which costs more than the rest of a
            // sample; a square that overflows is infinite: outside the
            // circle, and the top colour.
            if (std::norm(z - circle.centre()) < Circle::radius() * Circle::radius()) {
                *colour = kBackground;
                continue;
            }
            const std::complex<double> velocity = plane == FlowPlane::Circle
                                                      ? flow.circleVelocity(z)
                                                      : flow.profileVelocity(z);
            *colour = SpeedColour(std::sqrt(std::norm(velocity)));
        }
    }
    return shading;
}

void PaintSpeedLegend(QPainter &painter, const QRectF &area, const QColor &foreground)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(area, toQColor(kBackground));

    const QFontMetricsF metrics(painter.font());
    const QString title = QStringLiteral("q/U");
    const double line = metrics.height();
    const double barTop = area.top() + kLegendPadding + line + line / 2;
    const double barBottom = area.bottom() - kLegendPadding - line / 2;
    const QRectF bar(area.left() + kLegendPadding, barTop, kBarWidth, barBottom - barTop);
    if (bar.height() > 0.0) {
        // Every stop of the map lies on a stop of the gradient, which then
        // interpolates linearly between them as the map does.
        constexpr int kSteps = 4 * 9;
        QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
        for (int k = 0; k <= kSteps; ++k) {
            const double t = double(k) / kSteps;
            gradient.setColorAt(t, toQColor(SpeedColour(t * kShadingTopSpeed)));
        }
        painter.fillRect(bar, gradient);
    }

    painter.setPen(foreground);
    painter.drawText(QPointF(area.left() + kLegendPadding, area.top() + kLegendPadding +
                                                               metrics.ascent()),
                     title);
    const double labelX = bar.right() + kLabelGap;
    for (const int value : {0, 1, 2}) {
        const double y = bar.bottom() - bar.height() * value / kShadingTopSpeed;
        // QString::number writes "." in every locale.
        painter.drawText(QPointF(labelX, y - metrics.height() / 2 + metrics.ascent()),
                         QString::number(value));
    }
    painter.restore();
}

QRectF SpeedLegendArea(const QRectF &pane, const QFont &font)
{
    constexpr double kInset = 6.0;
    constexpr double kLines = 5.0; // the title, and the bar over four lines
    const QFontMetricsF metrics(font);
    const double width =
        std::max(metrics.horizontalAdvance(QStringLiteral("q/U")),
                 kBarWidth + kLabelGap + metrics.horizontalAdvance(QStringLiteral("2"))) +
        2.0 * kLegendPadding;
    const double height = kLines * metrics.height() + 2.0 * kLegendPadding;
    return QRectF(std::round(pane.right() - kInset - width), std::round(pane.top() + kInset),
                  std::ceil(width), std::ceil(height));
}

} // namespace wingmap
