#ifndef WINGMAP_NUMERIC_ADAPTIVE_STEP_H
#define WINGMAP_NUMERIC_ADAPTIVE_STEP_H

namespace wingmap {

// The longest chord of a circular arc of curvature `curvature` (1 / radius,
// either sign) whose sagitta, the largest distance between chord and arc,
// is at most `tolerance`: 2 sqrt(tolerance (2 r - tolerance)) for a radius
// r above the tolerance, the diameter otherwise; infinity on a straight line.
// Lengths in any one unit. A tolerance that is not positive gives 0.
[[nodiscard]] double ChordForSagitta(double curvature, double tolerance);

// Step-size control for tracing a curve vertex by vertex, with an error
// that is small where the step is small (such as a chord's sagitta). The
// caller says, at each end of a step, how long a step may be there; the
// controller picks the next length and decides whether a trial is kept:
//
//     double h = step.propose(allowedAtStart);
//     while (true) {
//         ... take a trial step of length h ...
//         if (trial failed) { h = step.retryShorter(h); continue; }
//         if (step.keeps(h, allowedAtEnd)) break;
//         h = step.retryWithin(allowedAtEnd);
//     }
//     step.kept(h);
//
// Lengths are never below the minimum nor above the maximum; a step grows
// by at most the growth factor over the last one kept, so a region where
// the allowed length drops suddenly is approached in ever shorter steps.
class AdaptiveStep
{
public:
    struct Limits
    {
        double initial = 1.0; // the first step proposed
        double minimum = 0.0;
        double maximum = 1.0;
        double growth = 2.0; // > 1
        // A trial is kept while its length is at most this many times the
        // length allowed at its end (>= 1: the allowed lengths carry a
        // safety margin of their own).
        double slack = 1.25;
    };

    explicit AdaptiveStep(const Limits &limits);

    // The next length to try: the allowed one, no more than `growth` times
    // the last length kept, within the limits.
    [[nodiscard]] double propose(double allowed) const;
    // Whether a trial of length `tried` may be kept, given the length
    // allowed where it ended. A trial at the minimum is always kept.
    [[nodiscard]] bool keeps(double tried, double allowedAtEnd) const;
    // The length to try after a trial that was not kept.
    [[nodiscard]] double retryWithin(double allowedAtEnd) const;
    // Half the length, for a trial that failed outright; the minimum at most.
    [[nodiscard]] double retryShorter(double tried) const;
    // Records the length of the step kept.
    void kept(double length);

private:
    double clamped(double length) const;

    Limits m_limits;
    double m_last; // the last length kept; before any, initial / growth
};

} // namespace wingmap

#endif
