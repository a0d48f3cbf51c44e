#include "geometry/flow/lift_curve.h"

#include "geometry/flow/flow.h"

#include <numbers>

namespace wingmap {

std::vector<LiftCurvePoint> LiftCurve(const Flow &flow)
{
    std::vector<LiftCurvePoint> curve;
    if (!flow.ok())
        return curve;
    curve.reserve(kLiftCurvePoints);
    const double zeroLift = flow.zeroLiftDegrees();
    for (int k = 0; k < kLiftCurvePoints; ++k) {
        const double alpha = kLiftCurveFromDegrees + k * kLiftCurveStepDegrees;
        const KuttaCoefficients c = flow.kuttaCoefficientsAt(alpha);
        const double thin = 2.0 * std::numbers::pi * (alpha - zeroLift) * std::numbers::pi / 180.0;
        curve.push_back({alpha, c.lift, c.moment, thin});
    }
    return curve;
}

} // namespace wingmap
