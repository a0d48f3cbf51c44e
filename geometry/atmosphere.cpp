#include "geometry/atmosphere.h"

#include <cmath>
#include <initializer_list>

namespace wingmap {

namespace {

constexpr double kSeaLevelTemperature = 288.15; // K
constexpr double kSeaLevelPressure = 101325.0;  // Pa
constexpr double kLapseRate = 0.0065;           // K/m
constexpr double kTropopause = 11000.0;         // m
constexpr double kGravity = 9.80665;            // m/s^2
constexpr double kGasConstant = 287.05287;      // J/(kg K)
constexpr double kSutherlandScale = 1.458e-6;   // kg/(m s K^0.5)
constexpr double kSutherlandTemperature = 110.4; // K

} // namespace

Atmosphere StandardAtmosphere(double altitude)
{
    Atmosphere air;
    if (!(altitude >= kAtmosphereLowest && altitude <= kAtmosphereHighest)) {
        air.failure = AtmosphereFailure::AltitudeOutOfRange;
        return air;
    }
    const double exponent = kGravity / (kLapseRate * kGasConstant);
    const double tropopauseTemperature = kSeaLevelTemperature - kLapseRate * kTropopause;
    if (altitude <= kTropopause) {
        air.temperature = kSeaLevelTemperature - kLapseRate * altitude;
        air.pressure = kSeaLevelPressure * std::pow(air.temperature / kSeaLevelTemperature, exponent);
    } else {
        const double tropopausePressure =
            kSeaLevelPressure * std::pow(tropopauseTemperature / kSeaLevelTemperature, exponent);
        air.temperature = tropopauseTemperature;
        air.pressure = tropopausePressure * std::exp(-kGravity * (altitude - kTropopause) /
                                                     (kGasConstant * tropopauseTemperature));
    }
    air.density = air.pressure / (kGasConstant * air.temperature);
    air.viscosity = kSutherlandScale * std::pow(air.temperature, 1.5) /
                    (air.temperature + kSutherlandTemperature);
    return air;
}

SectionForces SectionForcesAt(double speed, double chord, double density, double viscosity,
                              double liftCoefficient, double momentCoefficient)
{
    SectionForces forces;
    for (const double value : {speed, chord, density, viscosity, liftCoefficient, momentCoefficient}) {
        if (!std::isfinite(value)) {
            forces.failure = ForceFailure::NotFinite;
            return forces;
        }
    }
    if (speed <= 0.0)
        forces.failure = ForceFailure::SpeedNotPositive;
    else if (chord <= 0.0)
        forces.failure = ForceFailure::ChordNotPositive;
    else if (density <= 0.0 || viscosity <= 0.0)
        forces.failure = ForceFailure::AirNotPositive;
    if (!forces.ok())
        return forces;
    forces.dynamicPressure = 0.5 * density * speed * speed;
    forces.lift = forces.dynamicPressure * chord * liftCoefficient;
    forces.moment = forces.dynamicPressure * chord * chord * momentCoefficient;
    forces.reynolds = density * speed * chord / viscosity;
    return forces;
}

} // namespace wingmap
