#ifndef WINGMAP_JOUKOWSKY_H
#define WINGMAP_JOUKOWSKY_H

#include "geometry/parameter_state.h"

namespace wingmap {

// Segments per curve: points 0 to 180, 2 degrees apart.
inline constexpr int kSegments = 180;

enum class SampleFailure {
    None,
    DivisionByZero, // b = 0
    NegativeRoot,   // a sampled direction misses the circle
    ZeroRadius,     // the circle passes through the origin in a sampled direction
    NotANumber,     // F, G or b is NaN
    TooLarge,       // F, G or b is infinite, or a point lies beyond the double range
    TooSmall,       // b is so close to 0 that a^2 = 1 / b^2 lies beyond the double range
};

struct SampleOutcome
{
    SampleFailure failure = SampleFailure::None;
    int index = -1; // the point being computed when it failed; -1 before any point

    bool ok() const { return failure == SampleFailure::None; }
};

// Samples, from state.F, state.G and state.b, the circle of radius 1 about
// (-F*b, G*b) and its image under z + b^2/z into points 0..180 of the four
// tables, and stores a = 1 / b. On failure the points before `index` hold
// their new values and the rest keep the old ones: draw nothing from them.
//
// The failure says what the user can change. When b is so large that a^2
// falls below the normal doubles, a direction that meets the circle at the
// origin is a loss of range, not geometry, and is reported as TooLarge.
[[nodiscard]] SampleOutcome SampleProfile(ParameterState &state);

} // namespace wingmap

#endif
