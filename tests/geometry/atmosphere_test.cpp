#include "geometry/atmosphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using wingmap::AtmosphereFailure;
using wingmap::ForceFailure;

struct AtmosphereRow
{
    double altitude, temperature, pressure, density;
};

// The standard's table (U.S. Standard Atmosphere 1976, which agrees with the
// ISA to 20 km): geopotential altitude in m, T in K, p in Pa, rho in kg/m^3.
const AtmosphereRow kTable[] = {
    {0, 288.15, 101325, 1.2250},
    {1000, 281.65, 89876, 1.1117},
    {5000, 255.65, 54048, 0.73643},
    {11000, 216.65, 22632, 0.36392},
    {20000, 216.65, 5474.9, 0.088035},
};

// Within 0.1 % of the table; the viscosity at sea level is the table's
// 1.7894e-5 Pa s. Altitudes outside 0 to 20 000 m are refused.
TEST(StandardAtmosphere, AgreesWithTheTableAndRefusesOutsideIt)
{
    for (const AtmosphereRow &row : kTable) {
        const wingmap::Atmosphere air = wingmap::StandardAtmosphere(row.altitude);
        ASSERT_TRUE(air.ok()) << row.altitude;
        EXPECT_NEAR(air.temperature, row.temperature, 1e-3 * row.temperature) << row.altitude;
        EXPECT_NEAR(air.pressure, row.pressure, 1e-3 * row.pressure) << row.altitude;
        EXPECT_NEAR(air.density, row.density, 1e-3 * row.density) << row.altitude;
    }
    EXPECT_NEAR(wingmap::StandardAtmosphere(0).viscosity, 1.7894e-5, 1e-3 * 1.7894e-5);
    for (const double altitude : {-0.001, 20000.001, std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity()}) {
        const wingmap::Atmosphere air = wingmap::StandardAtmosphere(altitude);
        EXPECT_EQ(air.failure, AtmosphereFailure::AltitudeOutOfRange) << altitude;
        EXPECT_EQ(air.density, 0.0);
    }
}

// Sea-level air (rho = 1.225, mu = 1.7894e-5) at 50 m/s on a 1 m chord:
// q = 1531.25 Pa, L' = 1531.25 C_L, M' = 1531.25 C_M, Re = 1.225 * 50 / 1.7894e-5.
// With c = 2: L' doubles, M' quadruples.
TEST(SectionForces, FollowFromTheDynamicPressureAndRefuseWhatIsNotPhysical)
{
    const wingmap::SectionForces f = wingmap::SectionForcesAt(50, 2, 1.225, 1.7894e-5, 0.5, -0.1);
    ASSERT_TRUE(f.ok());
    EXPECT_DOUBLE_EQ(f.dynamicPressure, 1531.25);
    EXPECT_DOUBLE_EQ(f.lift, 1531.25 * 2 * 0.5);
    EXPECT_DOUBLE_EQ(f.moment, 1531.25 * 4 * -0.1);
    EXPECT_NEAR(f.reynolds, 1.225 * 50 * 2 / 1.7894e-5, 1e-6);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        double speed, chord, density, viscosity, lift;
        ForceFailure failure;
    } refused[] = {
        {0, 1, 1.225, 1.8e-5, 0.5, ForceFailure::SpeedNotPositive},
        {-3, 1, 1.225, 1.8e-5, 0.5, ForceFailure::SpeedNotPositive},
        {50, 0, 1.225, 1.8e-5, 0.5, ForceFailure::ChordNotPositive},
        {50, -1, 1.225, 1.8e-5, 0.5, ForceFailure::ChordNotPositive},
        {50, 1, 0, 1.8e-5, 0.5, ForceFailure::AirNotPositive},
        {nan, 1, 1.225, 1.8e-5, 0.5, ForceFailure::NotFinite},
        {50, 1, 1.225, 1.8e-5, std::numeric_limits<double>::infinity(), ForceFailure::NotFinite},
    };
    for (const auto &r : refused) {
        const wingmap::SectionForces forces =
            wingmap::SectionForcesAt(r.speed, r.chord, r.density, r.viscosity, r.lift, 0.0);
        EXPECT_EQ(forces.failure, r.failure) << r.speed << " " << r.chord;
        EXPECT_EQ(forces.lift, 0.0);
    }
}

} // namespace
