#include "plot/device_lines.h"

#include <QLineF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace wingmap {

namespace {

constexpr double kWholeRatioTolerance = 1e-6;

} // namespace

DeviceLines::DeviceLines(qreal devicePixelRatio)
{
    ratio = devicePixelRatio > 0.0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1.0;
    penWidth = std::max(1, static_cast<int>(std::floor(ratio + kWholeRatioTolerance)));
    offset = penWidth % 2 ? 0.5 : 0.0;
    wholeRatio = std::fabs(ratio - std::round(ratio)) <= kWholeRatioTolerance;
}

qreal devicePixelRatioOf(const QPainter &painter)
{
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

void drawOverlappingSegments(QPainter &painter, const QPointF *points, int count, double overlap)
{
    std::vector<QLineF> segments;
    segments.reserve(std::max(count - 1, 0));
    for (int i = 1; i < count; ++i) {
        const QPointF along = points[i] - points[i - 1];
        const double length = std::hypot(along.x(), along.y());
        if (!(length > 0.0))
            continue;
        const QPointF reach = along * (overlap / length);
        segments.emplace_back(points[i - 1] - reach, points[i] + reach);
    }
    painter.drawLines(segments.data(), int(segments.size()));
}

} // namespace wingmap
