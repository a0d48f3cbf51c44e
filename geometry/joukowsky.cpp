#include "geometry/joukowsky.h"

#include "geometry/circle.h"

#include <cmath>
#include <limits>

namespace wingmap {

namespace {

bool allFinite(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

SampleOutcome SampleProfile(ParameterState &state)
{
    const double F = state.F;
    const double G = state.G;
    const double b = state.b;
    if (std::isnan(F) || std::isnan(G) || std::isnan(b))
        return {SampleFailure::NotANumber, -1};
    if (std::isinf(F) || std::isinf(G) || std::isinf(b))
        return {SampleFailure::TooLarge, -1};
    if (b == 0.0)
        return {SampleFailure::DivisionByZero, -1};

    const double a = Circle(F, G, b).normalisedRadius();
    state.a = a;
    // With a^2 infinite every direction's r is infinite or NaN, and point 0
    // would fail as out of range: the cause is b's smallness.
    if (!std::isfinite(a * a))
        return {SampleFailure::TooSmall, -1};
    const bool radiusUnderflows = a * a < std::numeric_limits<double>::min();

    const double pi = 4.0 * std::atan(1.0);
    const double dtheta = (pi * 2.0) / kSegments;

    // The groupings below are deliberate: they fix the rounding of every
    // point, so keep them as they stand.
    for (int i = 0; i <= kSegments; ++i) {
        const double theta = dtheta * i;
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        const double p = (s * G) - (c * F);
        const double q = p * p - ((F * F + G * G) - a * a);
        if (q < 0.0)
            return {SampleFailure::NegativeRoot, i};
        const double r = p + std::sqrt(q);
        if (r == 0.0)
            return {radiusUnderflows ? SampleFailure::TooLarge : SampleFailure::ZeroRadius, i};

        // The circle point z = b r e^(i theta) and its image z + b^2/z =
        // b (r e^(i theta) + (1/r) e^(-i theta)), in polar form.
        const double cx = c * (r * b);
        const double cy = s * (r * b);
        const double ax = c * ((1.0 / r + r) * b);
        const double ay = s * ((r - 1.0 / r) * b);
        if (!allFinite(cx, cy, ax, ay))
            return {SampleFailure::TooLarge, i};

        const auto index = static_cast<std::size_t>(i);
        state.circle_x.set(index, cx);
        state.circle_y.set(index, cy);
        state.airfoil_x.set(index, ax);
        state.airfoil_y.set(index, ay);
    }
    return {};
}

} // namespace wingmap
