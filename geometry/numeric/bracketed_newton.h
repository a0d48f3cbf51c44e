#ifndef WINGMAP_NUMERIC_BRACKETED_NEWTON_H
#define WINGMAP_NUMERIC_BRACKETED_NEWTON_H

#include <algorithm>
#include <cmath>

namespace wingmap::numeric {

// What the function to be solved gives at a point: its value and slope.
struct NewtonValue
{
    double value = 0.0;
    double slope = 0.0;
};

// Newton's method for a root of f between `low` and `high`, where f changes
// sign, kept inside the shrinking bracket by bisection: a step that would
// leave it is replaced by the bracket's midpoint. `lowValue` is f(low), whose
// sign tells which end a new point replaces. Starts at `start` and stops when
// |f| <= tolerance, when a step no longer moves, or after maxSteps
// evaluations. Returns the last point evaluated; f is called once per point,
// so the caller can keep whatever it computed there.
template <typename Function>
double BracketedNewton(double low, double high, double lowValue, double start, double tolerance,
                       int maxSteps, Function &&f)
{
    double x = start;
    for (int step = 0; step < maxSteps; ++step) {
        const NewtonValue at = f(x);
        if (std::abs(at.value) <= tolerance)
            break;
        if ((at.value < 0.0) == (lowValue < 0.0))
            low = x;
        else
            high = x;
        double next = x - at.value / at.slope;
        if (!(next > std::min(low, high) && next < std::max(low, high)))
            next = 0.5 * (low + high);
        if (next == x)
            break;
        x = next;
    }
    return x;
}

} // namespace wingmap::numeric

#endif
