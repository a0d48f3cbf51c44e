#include "plot/pane_mapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wingmap {

namespace {

// Below this width a range's scale factor could overflow.
constexpr double kNarrowSpan = 1e-200;

// Splits a double into two parts of at most 27 significant bits (Veltkamp).
constexpr double kSplitter = 134217729.0; // 2^27 + 1

constexpr double kLargest = std::numeric_limits<double>::max();

} // namespace

PaneMapping::PaneMapping(double x1, double y1, double x2, double y2, double width, double height,
                         double offset)
    : m_x(axis(x1, x2, width, offset)), m_y(axis(y1, y2, height, offset)),
      m_transform(m_x.head + m_x.tail, 0.0, 0.0, m_y.head + m_y.tail, m_x.origin, m_y.origin)
{
}

PaneMapping::Axis PaneMapping::axis(double from, double to, double pixels, double offset)
{
    Axis a;
    a.from = from;
    a.to = to;
    a.pixels = pixels;
    a.offset = offset;
    const double span = to - from;
    if (!std::isfinite(span))
        a.exponent = -1;
    else if (std::fabs(span) < kNarrowSpan)
        a.exponent = -std::ilogb(span);
    const double low = std::ldexp(from, a.exponent);
    const double high = std::ldexp(to, a.exponent);
    // The width and its rounding error (Knuth's two-sum).
    const double width = high - low;
    const double back = width - high;
    const double widthError = (high - (width - back)) + (-low - back);

    const double scale = pixels / width;
    a.rest = (-std::fma(scale, width, -pixels) - scale * widthError) / width;
    const double split = kSplitter * scale;
    a.head = split - (split - scale);
    a.tail = scale - a.head;
    // Exact for ranges symmetric about 0, whose user 0 falls halfway.
    a.origin = offset + (-low / width) * pixels;
    return a;
}

ClipBox PaneMapping::userBox(double margin) const
{
    // The user coordinate of device coordinate d is from + (d - offset) /
    // pixels * (to - from); the width is halved so that the widest range's
    // stays finite.
    const auto bounds = [margin](const Axis &a, double &low, double &high) {
        const double half = a.to / 2 - a.from / 2;
        const double before = a.from + (-margin - a.offset) / a.pixels * 2 * half;
        const double after = a.from + (a.pixels + margin - a.offset) / a.pixels * 2 * half;
        low = std::clamp(std::min(before, after), -kLargest, kLargest);
        high = std::clamp(std::max(before, after), -kLargest, kLargest);
    };
    ClipBox box{};
    bounds(m_x, box.xMin, box.xMax);
    bounds(m_y, box.yMin, box.yMax);
    return box;
}

} // namespace wingmap
