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
    OutOfRange,     // a non-finite input, or a point that is not finite
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
[[nodiscard]] SampleOutcome SampleProfile(ParameterState &state);

} // namespace wingmap

#endif
