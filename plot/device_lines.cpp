#include "plot/device_lines.h"

#include <QLineF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace wingmap {

namespace {

constexpr double kWholeRatioTolerance = 1e-6;

// Points this close to the chord past them, in device pixels, are passed
// over: one segment costs less than several, and draws one joint less. A
// chord passes over this many points at most, which bounds the checks.
constexpr double kStraightTolerance = 0.05;
constexpr int kLongestRun = 32;

// Whether the points between the first and the last lie on the chord
// between those two, within `tolerance` of it and not beyond its ends (a
// line that turns back on itself is no straight run).
bool onChord(const QPointF *points, int count, double tolerance)
{
    const QPointF chord = points[count - 1] - points[0];
    const double squared = QPointF::dotProduct(chord, chord);
    const double length = std::sqrt(squared);
    for (int i = 1; i + 1 < count; ++i) {
        const QPointF d = points[i] - points[0];
        const double across = d.x() * chord.y() - d.y() * chord.x();
        const double along = QPointF::dotProduct(d, chord);
        if (!(std::fabs(across) <= tolerance * length && along >= 0.0 && along <= squared))
            return false;
    }
    return true;
}

} // namespace

DeviceLines::DeviceLines(qreal devicePixelRatio)
{
    ratio = devicePixelRatio > 0.0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1.0;
    penWidth = std::max(1, static_cast<int>(std::floor(ratio + kWholeRatioTolerance)));
    offset = penWidth % 2 ? 0.5 : 0.0;
    wholeRatio = std::fabs(ratio - std::round(ratio)) <= kWholeRatioTolerance;
    thinWidth = std::max(1, penWidth / 2);
    thinOpacity = penWidth >= 2 ? 1.0 : kThinOpacity;
}

qreal devicePixelRatioOf(const QPainter &painter)
{
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

void drawOverlappingSegments(QPainter &painter, const QPointF *points, int count,
                             double devicePixel)
{
    const double overlap = devicePixel / 2;
    const double tolerance = kStraightTolerance * devicePixel;
    std::vector<QLineF> segments;
    segments.reserve(std::max(count - 1, 0));
    const auto add = [&](QPointF from, QPointF to) {
        const QPointF along = to - from;
        const double length = std::sqrt(QPointF::dotProduct(along, along));
        if (!(length > 0.0))
            return;
        const QPointF reach = along * (overlap / length);
        segments.emplace_back(from - reach, to + reach);
    };
    int start = 0;
    for (int end = 2; end < count; ++end) {
        if (end - start > kLongestRun || !onChord(points + start, end - start + 1, tolerance)) {
            add(points[start], points[end - 1]);
            start = end - 1;
        }
    }
    if (count > 1)
        add(points[start], points[count - 1]);
    painter.drawLines(segments.data(), int(segments.size()));
}

} // namespace wingmap
