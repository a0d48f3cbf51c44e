#include "geometry/joukowsky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <stdexcept>
#include <utility>

using wingmap::kSegments;
using wingmap::ParameterState;
using wingmap::SampleFailure;
using wingmap::SampleProfile;

namespace {

constexpr double kPi = 3.14159265358979323846;

ParameterState sampled(double F, double G, double b)
{
    ParameterState state;
    state.F = F;
    state.G = G;
    state.b = b;
    const auto outcome = SampleProfile(state);
    EXPECT_TRUE(outcome.ok()) << "F=" << F << " G=" << G << " b=" << b;
    return state;
}

struct Params
{
    double F, G, b;
};

class SampleProfileValid : public testing::TestWithParam<Params>
{
};

// Checked against the geometry itself, not against the formulas of the
// sampling: every circle point lies on the unit circle about (-F*b, G*b) in
// the direction of its angle, and every profile point is z + b^2/z.
TEST_P(SampleProfileValid, PointsLieOnTheCircleAndMapByJoukowsky)
{
    const auto [F, G, b] = GetParam();
    const ParameterState state = sampled(F, G, b);
    EXPECT_DOUBLE_EQ(state.a, 1.0 / b);

    const std::complex<double> centre(-F * b, G * b);
    for (int i = 0; i <= kSegments; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::complex<double> z(state.circle_x.at(k), state.circle_y.at(k));
        EXPECT_NEAR(std::abs(z - centre), 1.0, 1e-12) << "point " << i;

        // The point lies on the ray of angle 2i degrees (or, for negative b,
        // the opposite ray): its cross product with the direction vanishes.
        const double theta = 2.0 * kPi * i / kSegments;
        EXPECT_NEAR(z.real() * std::sin(theta) - z.imag() * std::cos(theta), 0.0, 1e-12);

        const std::complex<double> zeta = z + b * b / z;
        EXPECT_NEAR(state.airfoil_x.at(k), zeta.real(), 1e-12) << "point " << i;
        EXPECT_NEAR(state.airfoil_y.at(k), zeta.imag(), 1e-12) << "point " << i;
    }
    // The curves close: point 180 equals point 0 up to rounding.
    EXPECT_NEAR(state.circle_x.at(180), state.circle_x.at(0), 1e-12);
    EXPECT_NEAR(state.circle_y.at(180), state.circle_y.at(0), 1e-12);
    EXPECT_NEAR(state.airfoil_x.at(180), state.airfoil_x.at(0), 1e-12);
    EXPECT_NEAR(state.airfoil_y.at(180), state.airfoil_y.at(0), 1e-12);
    // Entries above 180 are never written.
    EXPECT_EQ(state.circle_x.at(181), 0.0);
    EXPECT_EQ(state.airfoil_y.at(500), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Spread, SampleProfileValid,
                         testing::Values(Params{0, 0, 1}, Params{0, 0, 0.5}, Params{0.1, 0, 1},
                                         Params{0.1, 0.1, 0.9}, Params{0.08, 0.12, 0.85},
                                         Params{1, 0.5, 0.5}, Params{0.3, 0.2, 2},
                                         Params{0, 0.5, 0.01}, Params{0.2, 0, -1}));

TEST(SampleProfile, CentredUnitCircleFlattensIntoTheSegment)
{
    const ParameterState state = sampled(0, 0, 1);
    for (int i = 0; i <= kSegments; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double theta = 2.0 * kPi * i / kSegments;
        EXPECT_NEAR(state.airfoil_x.at(k), 2.0 * std::cos(theta), 1e-12);
        EXPECT_NEAR(state.airfoil_y.at(k), 0.0, 1e-12);
    }
}

TEST(SampleProfile, SmallerBGivesAnEllipse)
{
    const ParameterState state = sampled(0, 0, 0.5);
    EXPECT_DOUBLE_EQ(state.a, 2.0);
    for (int i = 0; i <= kSegments; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double x = state.airfoil_x.at(k) / 1.25;
        const double y = state.airfoil_y.at(k) / 0.75;
        EXPECT_NEAR(x * x + y * y, 1.0, 1e-12) << "point " << i;
    }
}

TEST(SampleProfile, ShiftedCircleStartsAtItsRightCrossing)
{
    const ParameterState state = sampled(0.1, 0, 1);
    EXPECT_NEAR(state.circle_x.at(0), 0.9, 1e-15);
    EXPECT_NEAR(state.circle_y.at(0), 0.0, 1e-15);
    EXPECT_NEAR(state.circle_x.at(90), -1.1, 1e-15);
    EXPECT_NEAR(state.circle_y.at(90), 0.0, 1e-15);
}

TEST(SampleProfile, MissedDirectionStopsAtItsIndexKeepingOlderPoints)
{
    ParameterState state;
    for (std::size_t k = 0; k <= 180; ++k)
        state.circle_x.set(k, 42.0);
    state.F = 0.6;
    state.G = 0;
    state.b = 2;
    const auto outcome = SampleProfile(state);
    EXPECT_EQ(outcome.failure, SampleFailure::NegativeRoot);
    EXPECT_EQ(outcome.index, 29); // 58 degrees: the first direction that misses
    for (std::size_t k = 0; k <= 28; ++k)
        EXPECT_NE(state.circle_x.at(k), 42.0) << "point " << k;
    for (std::size_t k = 29; k <= 180; ++k)
        EXPECT_EQ(state.circle_x.at(k), 42.0) << "point " << k;
}

TEST(SampleProfile, ReportsEachFailureWithItsKind)
{
    ParameterState state;
    state.b = 0;
    auto outcome = SampleProfile(state);
    EXPECT_EQ(outcome.failure, SampleFailure::DivisionByZero);
    EXPECT_EQ(outcome.index, -1);

    // The origin on the circle: F*b = 1 puts the centre at (-1, 0), and the
    // direction of 0 degrees meets the circle at the origin itself.
    state = {};
    state.F = 1;
    state.b = 1;
    outcome = SampleProfile(state);
    EXPECT_EQ(outcome.failure, SampleFailure::ZeroRadius);
    EXPECT_EQ(outcome.index, 0);

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Out of range: a^2 = 1 / b^2 overflows for b = 1e-300 and underflows for
    // b = 1e200, where the centred circle would seem to meet the origin.
    const std::pair<Params, SampleFailure> ranges[] = {
        {{nan, 0, 1}, SampleFailure::NotANumber},  {{0, inf, 1}, SampleFailure::TooLarge},
        {{0, 0, -inf}, SampleFailure::TooLarge},   {{1e300, 0, 1e-300}, SampleFailure::TooSmall},
        {{0, 0, 1e-300}, SampleFailure::TooSmall}, {{0, 0, 1e200}, SampleFailure::TooLarge},
        {{1e200, 0, 1}, SampleFailure::TooLarge},
    };
    for (const auto &[p, failure] : ranges) {
        state = {};
        state.F = p.F;
        state.G = p.G;
        state.b = p.b;
        outcome = SampleProfile(state);
        EXPECT_EQ(outcome.failure, failure) << p.F << " " << p.G << " " << p.b;
    }

    // Tiny b: the circle is huge in the normalised plane but every point is
    // still finite.
    state = {};
    state.b = 1e-150;
    EXPECT_TRUE(SampleProfile(state).ok());
}

TEST(ParameterState, StartsAtZeroAndChecksTableIndices)
{
    const ParameterState state;
    EXPECT_EQ(state.F, 0.0);
    EXPECT_EQ(state.Fb, 0.0);
    EXPECT_EQ(state.Gb, 0.0);
    EXPECT_EQ(state.circle_x.at(500), 0.0);
    EXPECT_THROW((void)state.circle_x.at(501), std::out_of_range);
    ParameterState writable;
    EXPECT_THROW(writable.airfoil_y.set(501, 1.0), std::out_of_range);
}

} // namespace
