#ifndef WINGMAP_SELF_CROSSING_H
#define WINGMAP_SELF_CROSSING_H

#include "geometry/circle.h"

namespace wingmap {

// Internal to geometry/. Whether the profile of `circle` crosses or touches
// itself anywhere but at a sharp edge. Two circle points have the same image
// exactly when their product is b^2, so the profile meets itself where the
// circle meets its mirror image under z -> b^2/z, except at the fixed points
// +-b. A circle through both +-b is its own mirror image: its profile is
// traced out and back, with no thickness, and does not count as crossing.
// The circle must enclose the origin.
[[nodiscard]] bool ProfileCrossesItself(const Circle &circle);

} // namespace wingmap

#endif
