#include "geometry/numeric/adaptive_step.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wingmap {

double ChordForSagitta(double curvature, double tolerance)
{
    if (!(tolerance > 0.0))
        return 0.0;
    const double curvatureSize = std::abs(curvature);
    if (curvatureSize == 0.0)
        return std::numeric_limits<double>::infinity();
    const double radius = 1.0 / curvatureSize;
    if (tolerance >= radius)
        return 2.0 * radius;
    // tolerance (2 r - tolerance), written so that a huge r does not
    // overflow before the root is taken.
    return 2.0 * std::sqrt(tolerance) * std::sqrt(2.0 * radius - tolerance);
}

AdaptiveStep::AdaptiveStep(const Limits &limits)
    : m_limits(limits), m_last(limits.initial / limits.growth)
{
}

double AdaptiveStep::clamped(double length) const
{
    // NaN (an allowed length that could not be computed) gives the minimum.
    if (!(length >= m_limits.minimum))
        return m_limits.minimum;
    return std::min(length, m_limits.maximum);
}

double AdaptiveStep::propose(double allowed) const
{
    return clamped(std::min(allowed, m_limits.growth * m_last));
}

bool AdaptiveStep::keeps(double tried, double allowedAtEnd) const
{
    return tried <= m_limits.minimum || tried <= m_limits.slack * allowedAtEnd;
}

double AdaptiveStep::retryWithin(double allowedAtEnd) const
{
    return clamped(allowedAtEnd);
}

double AdaptiveStep::retryShorter(double tried) const
{
    return clamped(0.5 * tried);
}

void AdaptiveStep::kept(double length)
{
    m_last = length;
}

} // namespace wingmap
