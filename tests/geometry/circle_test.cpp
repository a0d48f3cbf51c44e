// The b limit: where the circle about the stored centre crosses the positive
// x axis, and the b scroll value that stands for it.
#include "geometry/circle.h"

#include <gtest/gtest.h>

namespace {

struct LimitCase
{
    const char *what;
    double Fb, Gb;
    bool reaches;
    double X;
    int scrollValue; // the b scroll bar's, 1 to 200
};

void PrintTo(const LimitCase &c, std::ostream *os)
{
    *os << c.what;
}

class BLimit : public testing::TestWithParam<LimitCase>
{
};

TEST_P(BLimit, CrossingAndItsScrollValueRoundingHalvesToEven)
{
    const LimitCase &c = GetParam();
    const wingmap::BLimit limit = wingmap::LimitAbscissa(c.Fb, c.Gb);
    ASSERT_EQ(limit.reaches, c.reaches) << c.what;
    if (!c.reaches)
        return;
    EXPECT_EQ(limit.X, c.X) << c.what;
    EXPECT_EQ(wingmap::LimitScrollValue(limit.X, 100, 1, 200), c.scrollValue) << c.what;
}

// Products as the F and G scroll bars form them, F or G (value / 100) times
// the b of that moment.
INSTANTIATE_TEST_SUITE_P(
    Cases, BLimit,
    testing::Values(LimitCase{"F 0.1, b 1: X = 1 - 0.1", 0.1 * 1.0, 0.0, true, 0.9, 90},
                    // 0.1 * 0.95 rounds to the double of 0.095, and 1 minus it to the
                    // double of 0.905, 0.905 + 2.7e-17; times 100 that is 90.5 + 2.7e-15,
                    // which rounds to 90.5 itself (its doubles lie 1.4e-14 apart). Halves
                    // go to the even 90, not up to 91.
                    LimitCase{"F 0.1, b 0.95: 100 X is 90.5", 0.1 * 0.95, 0.0, true, 0.905, 90},
                    // Likewise 1 - 0.06 * 1.25 is the double of 0.925, and 100 X is 92.5.
                    LimitCase{"F 0.06, b 1.25: 100 X is 92.5", 0.06 * 1.25, 0.0, true, 0.925, 92},
                    LimitCase{"G 0.5, b 1: X = sqrt(0.75)", 0.0, 0.5 * 1.0, true,
                              0.8660254037844386, 87},
                    // The circle about (0, 1.5) never reaches the axis.
                    LimitCase{"G 0.5, b 3", 0.0, 0.5 * 3.0, false, 0.0, 0},
                    // X = 0 and X = 2.5 lie outside the bar's range: held at its ends.
                    LimitCase{"F 1, b 1: X = 0", 1.0 * 1.0, 0.0, true, 0.0, 1},
                    LimitCase{"F 1, b -1.5: X = 2.5", 1.0 * -1.5, 0.0, true, 2.5, 200}));

} // namespace
