#ifndef WINGMAP_FLOW_LIFT_CURVE_H
#define WINGMAP_FLOW_LIFT_CURVE_H

#include <vector>

namespace wingmap {

class Flow;

// One angle of the lift curve.
struct LiftCurvePoint
{
    double alphaDegrees = 0.0;
    double lift = 0.0;     // C_L under the Kutta condition
    double moment = 0.0;   // C_M about the quarter chord, positive nose up
    double thinLift = 0.0; // thin-airfoil theory: 2 pi (alpha - alpha_0), in radians
};

inline constexpr double kLiftCurveFromDegrees = -15.0;
inline constexpr double kLiftCurveToDegrees = 15.0;
inline constexpr double kLiftCurveStepDegrees = 0.25;
inline constexpr int kLiftCurvePoints = 121;

// The lift curve of the flow's profile under the Kutta condition, whatever
// the flow's own circulation and angle: kLiftCurvePoints angles from -15 to
// 15 degrees in steps of 0.25 (each angle -15 + k / 4, exact), in closed
// form (Flow::kuttaCoefficientsAt), with alpha_0 the flow's zeroLiftDegrees.
// Empty for a refused flow.
[[nodiscard]] std::vector<LiftCurvePoint> LiftCurve(const Flow &flow);

} // namespace wingmap

#endif
