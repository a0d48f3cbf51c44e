#include "geometry/numeric/bracketed_newton.h"
#include "geometry/numeric/cosine_spacing.h"
#include "geometry/numeric/golden_section.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using wingmap::numeric::BracketedNewton;
using wingmap::numeric::NewtonValue;

// Roots known in closed form. atan from far out overshoots the bracket on
// its first step (Newton's step at x = 1.4 lands beyond -1.4), so bisection
// must hold it in; x^3 - x has three roots, and only the bracketed one may
// be returned.
TEST(Numeric, BracketedNewtonFindsTheRootInItsBracket)
{
    struct Row
    {
        const char *name;
        double (*f)(double);
        double (*slope)(double);
        double low, high, start, root;
    };
    const Row rows[] = {
        {"x^2 - 2", [](double x) { return x * x - 2.0; }, [](double x) { return 2.0 * x; }, 1.0,
         2.0, 1.5, std::sqrt(2.0)},
        {"atan", [](double x) { return std::atan(x); },
         [](double x) { return 1.0 / (1.0 + x * x); }, -1.0, 1.5, 1.4, 0.0},
        {"x^3 - x", [](double x) { return x * x * x - x; },
         [](double x) { return 3.0 * x * x - 1.0; }, 0.5, 2.0, 0.6, 1.0},
    };
    for (const Row &row : rows) {
        int calls = 0;
        const double x = BracketedNewton(row.low, row.high, row.f(row.low), row.start, 1e-14, 60,
                                         [&](double t) {
                                             ++calls;
                                             EXPECT_GE(t, row.low) << row.name;
                                             EXPECT_LE(t, row.high) << row.name;
                                             return NewtonValue{row.f(t), row.slope(t)};
                                         });
        EXPECT_NEAR(x, row.root, 1e-12) << row.name;
        EXPECT_LT(calls, 60) << row.name;
    }
}

// The peak of 1 - (x - 0.3)^2 on [0, 1], to the tolerance asked for; the
// bracket shrinks by the golden ratio at each call after the first two.
TEST(Numeric, GoldenSectionNarrowsToThePeak)
{
    double best = -1.0;
    double bestAt = 0.0;
    int calls = 0;
    wingmap::numeric::GoldenSectionMaximise(0.0, 1.0, 1e-6, [&](double x) {
        ++calls;
        const double value = 1.0 - (x - 0.3) * (x - 0.3);
        if (value > best) {
            best = value;
            bestAt = x;
        }
        return value;
    });
    EXPECT_NEAR(bestAt, 0.3, 1e-6);
    // ln(1e-6) / ln(0.618...) = 28.7 shrinkings, plus the first two points.
    EXPECT_EQ(calls, 31);
}

// (1 - cos(pi k / n)) / 2: the ends, the middle, and a quarter turn.
TEST(Numeric, CosineSpacingRunsFromZeroToOne)
{
    using wingmap::numeric::CosineSpacing;
    EXPECT_EQ(CosineSpacing(0, 80), 0.0);
    EXPECT_DOUBLE_EQ(CosineSpacing(80, 80), 1.0);
    EXPECT_NEAR(CosineSpacing(40, 80), 0.5, 1e-15);
    EXPECT_NEAR(CosineSpacing(1, 3), 0.25, 1e-15);
}

} // namespace
