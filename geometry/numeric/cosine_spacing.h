#ifndef WINGMAP_NUMERIC_COSINE_SPACING_H
#define WINGMAP_NUMERIC_COSINE_SPACING_H

#include <cmath>
#include <cstddef>
#include <numbers>

namespace wingmap::numeric {

// Position k of `intervals` equal steps in angle mapped onto 0..1 through
// (1 - cos)/2: 0 at k = 0, 1 at k = intervals, the steps closest together
// at both ends. Chord positions are spaced so, to keep the nose and the
// trailing edge from being skipped.
inline double CosineSpacing(std::size_t k, std::size_t intervals)
{
    return 0.5 * (1.0 - std::cos(std::numbers::pi * static_cast<double>(k) /
                                 static_cast<double>(intervals)));
}

} // namespace wingmap::numeric

#endif
