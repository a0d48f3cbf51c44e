#include "plot/segment_clip.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wingmap {

namespace {

constexpr int kMaxClipSteps = 8;

enum Outcode { Inside = 0, LowX = 1, HighX = 2, LowY = 4, HighY = 8 };

int outcode(double x, double y, const ClipBox &box)
{
    int code = Inside;
    if (x < box.xMin)
        code |= LowX;
    else if (x > box.xMax)
        code |= HighX;
    if (y < box.yMin)
        code |= LowY;
    else if (y > box.yMax)
        code |= HighY;
    return code;
}

// Cohen-Sutherland on finite ends.
bool clipFinite(Segment &s, const ClipBox &box)
{
    int code1 = outcode(s.x1, s.y1, box);
    int code2 = outcode(s.x2, s.y2, box);
    for (int step = 0; step < kMaxClipSteps; ++step) {
        if ((code1 | code2) == Inside)
            return true;
        if ((code1 & code2) != Inside)
            return false;
        const int out = code1 != Inside ? code1 : code2;
        double x = 0.0;
        double y = 0.0;
        if (out & LowY) {
            y = box.yMin;
            x = s.x1 + (s.x2 - s.x1) * ((box.yMin - s.y1) / (s.y2 - s.y1));
        } else if (out & HighY) {
            y = box.yMax;
            x = s.x1 + (s.x2 - s.x1) * ((box.yMax - s.y1) / (s.y2 - s.y1));
        } else if (out & LowX) {
            x = box.xMin;
            y = s.y1 + (s.y2 - s.y1) * ((box.xMin - s.x1) / (s.x2 - s.x1));
        } else {
            x = box.xMax;
            y = s.y1 + (s.y2 - s.y1) * ((box.xMax - s.x1) / (s.x2 - s.x1));
        }
        if (!std::isfinite(x) || !std::isfinite(y))
            return false;
        if (out == code1) {
            s.x1 = x;
            s.y1 = y;
            code1 = outcode(s.x1, s.y1, box);
        } else {
            s.x2 = x;
            s.y2 = y;
            code2 = outcode(s.x2, s.y2, box);
        }
    }
    // Only precision lost on ends astronomically far away gets here.
    return (code1 | code2) == Inside;
}

// -1, 0 or +1: the direction of an infinite coordinate, 0 for a finite one.
int infinitySign(double v)
{
    return std::isinf(v) ? (v > 0 ? 1 : -1) : 0;
}

// The part of base + t * direction (direction components -1, 0 or +1) with
// t in [tMin, tMax] that lies in the box, as [tMin, tMax].
bool clipParameter(const double base[2], const int direction[2], const double low[2],
                   const double high[2], double &tMin, double &tMax)
{
    for (int axis = 0; axis < 2; ++axis) {
        if (direction[axis] == 0) {
            if (base[axis] < low[axis] || base[axis] > high[axis])
                return false;
            continue;
        }
        double enter = (low[axis] - base[axis]) * direction[axis];
        double leave = (high[axis] - base[axis]) * direction[axis];
        if (enter > leave)
            std::swap(enter, leave);
        tMin = std::max(tMin, enter);
        tMax = std::min(tMax, leave);
    }
    return tMin <= tMax;
}

// A coordinate on the clipped ray or line: one that does not move stays
// exactly as it was.
double along(double base, int direction, double t)
{
    return direction == 0 ? base : base + t * direction;
}

} // namespace

bool clipSegment(Segment &s, const ClipBox &box)
{
    // Most segments lie inside; NaN fails every comparison and goes on.
    if (s.x1 >= box.xMin && s.x1 <= box.xMax && s.x2 >= box.xMin && s.x2 <= box.xMax &&
        s.y1 >= box.yMin && s.y1 <= box.yMax && s.y2 >= box.yMin && s.y2 <= box.yMax)
        return true;
    if (std::isnan(s.x1) || std::isnan(s.y1) || std::isnan(s.x2) || std::isnan(s.y2))
        return false;
    const int a[2] = {infinitySign(s.x1), infinitySign(s.y1)};
    const int b[2] = {infinitySign(s.x2), infinitySign(s.y2)};
    const bool firstFinite = a[0] == 0 && a[1] == 0;
    const bool secondFinite = b[0] == 0 && b[1] == 0;
    if (firstFinite && secondFinite)
        return clipFinite(s, box);

    const double low[2] = {box.xMin, box.yMin};
    const double high[2] = {box.xMax, box.yMax};
    constexpr double kUnbounded = std::numeric_limits<double>::infinity();
    double base[2];
    int direction[2];
    double tMin = 0.0;
    double tMax = kUnbounded;
    if (firstFinite || secondFinite) {
        // A ray from the finite end along the infinite coordinates of the
        // other; the other's finite coordinate drops out in the limit.
        base[0] = firstFinite ? s.x1 : s.x2;
        base[1] = firstFinite ? s.y1 : s.y2;
        for (int axis = 0; axis < 2; ++axis)
            direction[axis] = firstFinite ? b[axis] : a[axis];
    } else {
        // Both ends at infinity: only opposite infinities meet in the finite
        // plane, halfway, where the finite coordinates average.
        const double first[2] = {s.x1, s.y1};
        const double second[2] = {s.x2, s.y2};
        for (int axis = 0; axis < 2; ++axis) {
            if (a[axis] == 0 && b[axis] == 0) {
                base[axis] = first[axis] / 2 + second[axis] / 2;
                direction[axis] = 0;
            } else if (a[axis] == -b[axis]) {
                base[axis] = 0.0;
                direction[axis] = b[axis];
            } else {
                return false;
            }
        }
        tMin = -kUnbounded;
    }
    if (!clipParameter(base, direction, low, high, tMin, tMax))
        return false;
    Segment clipped{along(base[0], direction[0], tMin), along(base[1], direction[1], tMin),
                    along(base[0], direction[0], tMax), along(base[1], direction[1], tMax)};
    if (!firstFinite && secondFinite) {
        // The ray runs from the second end: give it back the right way round.
        std::swap(clipped.x1, clipped.x2);
        std::swap(clipped.y1, clipped.y2);
    }
    if (!std::isfinite(clipped.x1) || !std::isfinite(clipped.y1) || !std::isfinite(clipped.x2) ||
        !std::isfinite(clipped.y2))
        return false;
    s = clipped;
    return true;
}

} // namespace wingmap
