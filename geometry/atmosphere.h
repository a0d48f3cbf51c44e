#ifndef WINGMAP_ATMOSPHERE_H
#define WINGMAP_ATMOSPHERE_H

namespace wingmap {

// The International Standard Atmosphere from sea level to 20 000 m: a
// troposphere whose temperature falls 0.0065 K/m from 288.15 K and
// 101 325 Pa up to 11 000 m, isothermal at 216.65 K above it; hydrostatic
// with g0 = 9.80665 m/s^2 and R = 287.05287 J/(kg K); the viscosity from
// Sutherland's law, mu = 1.458e-6 T^1.5 / (T + 110.4).
inline constexpr double kAtmosphereLowest = 0.0;     // m
inline constexpr double kAtmosphereHighest = 20000.0; // m

enum class AtmosphereFailure {
    None,
    AltitudeOutOfRange, // below 0, above 20 000 m, or not finite
};

struct Atmosphere
{
    AtmosphereFailure failure = AtmosphereFailure::None;
    double temperature = 0.0; // K
    double pressure = 0.0;    // Pa
    double density = 0.0;     // kg/m^3
    double viscosity = 0.0;   // dynamic, Pa s

    bool ok() const { return failure == AtmosphereFailure::None; }
};

// The air at a geopotential altitude in metres; on failure every number is 0.
[[nodiscard]] Atmosphere StandardAtmosphere(double altitude);

enum class ForceFailure {
    None,
    NotFinite,        // an input is NaN or infinite
    SpeedNotPositive, // V <= 0
    ChordNotPositive, // c <= 0
    AirNotPositive,   // a density or viscosity <= 0
};

// The forces on a wing section per metre of span.
struct SectionForces
{
    ForceFailure failure = ForceFailure::None;
    double dynamicPressure = 0.0; // q = rho V^2 / 2, Pa
    double lift = 0.0;            // L' = q c C_L, N/m
    double moment = 0.0;          // M' = q c^2 C_M, N m/m, nose up as C_M
    double reynolds = 0.0;        // Re = rho V c / mu

    bool ok() const { return failure == ForceFailure::None; }
};

// For the speed V (m/s), the chord c (m), the air's density (kg/m^3) and
// viscosity (Pa s), and the lift and moment coefficients. Non-finite inputs
// are refused first, then V, then c, then the air. On failure every number
// is 0.
[[nodiscard]] SectionForces SectionForcesAt(double speed, double chord, double density,
                                            double viscosity, double liftCoefficient,
                                            double momentCoefficient);

} // namespace wingmap

#endif
