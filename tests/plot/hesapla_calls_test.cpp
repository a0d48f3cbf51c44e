// The redraw procedure seen through the calls it makes on its two surfaces.
#include "plot/hesapla.h"
#include "tests/plot/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace wingmap;
using wingmap::test::Call;
using wingmap::test::RecordingSurface;

namespace {

constexpr double kPi = 3.14159265358979323846;

struct RunResult
{
    std::vector<Call> log;
    RedrawOutcome outcome;
};

RunResult run(const InputTexts &texts, ParameterState &state)
{
    RunResult r;
    RecordingSurface circle("circle", r.log);
    RecordingSurface airfoil("airfoil", r.log);
    r.outcome = hesapla(texts, state, circle, airfoil);
    return r;
}

void expectCall(const Call &call, const std::string &pane, const std::string &op,
                std::vector<double> args, std::optional<Colour> colour = std::nullopt,
                double tolerance = 0.0)
{
    EXPECT_EQ(call.pane, pane);
    EXPECT_EQ(call.op, op);
    EXPECT_EQ(call.colour, colour) << pane << " " << op;
    ASSERT_EQ(call.args.size(), args.size()) << pane << " " << op;
    for (std::size_t k = 0; k < args.size(); ++k)
        EXPECT_NEAR(call.args[k], args[k], tolerance) << pane << " " << op << " argument " << k;
}

TEST(HesaplaCalls, StartTextsMakeTheWholeDrawingInOrder)
{
    ParameterState state;
    const RunResult r = run({"0", "0", "1", "1.5"}, state);
    ASSERT_TRUE(r.outcome.drawn);
    EXPECT_EQ(r.outcome.refusal, Refusal::None);
    EXPECT_EQ(state.b, 1.0);
    EXPECT_EQ(state.a, 1.0);

    // 4 calls per pane before the curves, 2 x 180 segments, then 2 marks,
    // the 2 cross lines and 2 marks.
    ASSERT_EQ(r.log.size(), 8u + 360u + 6u);
    const auto &log = r.log;
    expectCall(log[0], "circle", "Cls", {});
    expectCall(log[1], "circle", "Scale", {-1.5, 1.5, 1.5, -1.5});
    expectCall(log[2], "circle", "Line", {-1.5, 0, 1.5, 0});
    expectCall(log[3], "circle", "Line", {0, -1.5, 0, 1.5});
    expectCall(log[4], "airfoil", "Cls", {});
    expectCall(log[5], "airfoil", "Scale", {-3, 1.5, 3, -1.5});
    expectCall(log[6], "airfoil", "Line", {-3, 0, 3, 0});
    expectCall(log[7], "airfoil", "Line", {0, -1.5, 0, 1.5});

    // Segment i joins the points at 2(i-1) and 2i degrees, alternating
    // between the panes; single precision, so compare to float accuracy.
    for (int i = 1; i <= 180; ++i) {
        const double t0 = kPi * 2 * (i - 1) / 180;
        const double t1 = kPi * 2 * i / 180;
        const Call &c = log[8 + 2 * (i - 1)];
        const Call &a = log[9 + 2 * (i - 1)];
        expectCall(c, "circle", "Line", {std::cos(t0), std::sin(t0), std::cos(t1), std::sin(t1)},
                   kCurveColour, 1e-6);
        expectCall(a, "airfoil", "Line", {2 * std::cos(t0), 0, 2 * std::cos(t1), 0}, kCurveColour,
                   1e-6);
    }
    expectCall(log[368], "circle", "Circle", {1, 0, 0.03f}, kMarkColour);
    expectCall(log[369], "circle", "Circle", {-1, 0, 0.03f}, kMarkColour);
    expectCall(log[370], "circle", "Line", {0, -0.1f, 0, 0.1f}, kMarkColour);
    expectCall(log[371], "circle", "Line", {-0.1f, 0, 0.1f, 0}, kMarkColour);
    expectCall(log[372], "airfoil", "Circle", {2, 0, 0.03f}, kMarkColour);
    expectCall(log[373], "airfoil", "Circle", {-2, 0, 0.03f}, kMarkColour);
}

TEST(HesaplaCalls, CrossStaysAtTheStoredCentreWhenOnlyBChanges)
{
    ParameterState state;
    state.Fb = 0.1; // F = 0.1 taken with b = 1
    state.Gb = 0.0;
    const RunResult r = run({"0.1", "0", "0.8", "1.5"}, state);
    ASSERT_TRUE(r.outcome.drawn);

    // The circle itself is centred at (-F*b, 0) = (-0.08, 0): the midpoint of
    // its points at 0 and 180 degrees.
    const Call &first = r.log[8];
    const Call &half = r.log[8 + 2 * 90];
    EXPECT_NEAR((first.args[0] + half.args[0]) / 2, -0.08, 1e-6);

    expectCall(r.log[368], "circle", "Circle", {0.8f, 0, 0.03f}, kMarkColour);
    expectCall(r.log[369], "circle", "Circle", {-0.8f, 0, 0.03f}, kMarkColour);
    expectCall(r.log[370], "circle", "Line", {-0.1f, -0.1f, -0.1f, 0.1f}, kMarkColour);
    expectCall(r.log[371], "circle", "Line", {-0.2f, 0, 0, 0}, kMarkColour, 1e-7);
    expectCall(r.log[372], "airfoil", "Circle", {1.6f, 0, 0.03f}, kMarkColour);
    expectCall(r.log[373], "airfoil", "Circle", {-1.6f, 0, 0.03f}, kMarkColour);
}

TEST(HesaplaCalls, NegativeScaleReversesBothRanges)
{
    ParameterState state;
    const RunResult r = run({"0", "0", "1", "-1.5"}, state);
    ASSERT_TRUE(r.outcome.drawn);
    expectCall(r.log[1], "circle", "Scale", {1.5, -1.5, -1.5, 1.5});
    expectCall(r.log[5], "airfoil", "Scale", {3, -1.5, -3, 1.5});
}

struct RefusedCase
{
    InputTexts texts;
    Refusal refusal;
    int point; // the sampled point that failed, or -1
};

class HesaplaRefused : public testing::TestWithParam<RefusedCase>
{
};

TEST_P(HesaplaRefused, TouchesNoSurfaceAndSaysWhy)
{
    const RefusedCase &c = GetParam();
    ParameterState state;
    const RunResult r = run(c.texts, state);
    EXPECT_FALSE(r.outcome.drawn);
    EXPECT_TRUE(r.log.empty()) << r.log.size() << " calls, first " << r.log.front().op;
    EXPECT_EQ(r.outcome.refusal, c.refusal);
    EXPECT_EQ(r.outcome.point, c.point);
}

// b = 1e-160 makes a^2 = 1e320, beyond the doubles; b = 1e200 makes a^2 =
// 1e-400, below them, so the centred circle seems to pass through the origin;
// b = 1e155 leaves a^2 above 0 but puts b^2/z near 1e310.
INSTANTIATE_TEST_SUITE_P(
    Cases, HesaplaRefused,
    testing::Values(RefusedCase{{"0", "0", "0", "1.5"}, Refusal::BIsZero, -1},
                    RefusedCase{{"0", "0", "abc", "1.5"}, Refusal::BIsZero, -1},
                    RefusedCase{{"0.6", "0", "2", "1.5"}, Refusal::CircleMissesOrigin, 29},
                    RefusedCase{{"1", "0", "1", "1.5"}, Refusal::CircleThroughOrigin, 0},
                    RefusedCase{{"1e400", "0", "1", "1.5"}, Refusal::TooLarge, -1},
                    RefusedCase{{"0", "0", "1e-160", "1.5"}, Refusal::BTooSmall, -1},
                    RefusedCase{{"0.1", "0.1", "-1e-160", "1.5"}, Refusal::BTooSmall, -1},
                    RefusedCase{{"0", "0", "1e200", "1.5"}, Refusal::TooLarge, 0},
                    RefusedCase{{"0", "0", "1e155", "1.5"}, Refusal::TooLarge, 0},
                    RefusedCase{{"0", "0", "1", "0"}, Refusal::ScaleIsZero, -1},
                    RefusedCase{{"0", "0", "1", ""}, Refusal::ScaleIsZero, -1},
                    RefusedCase{{"0", "0", "1", "1e308"}, Refusal::ScaleTooLarge, -1},
                    RefusedCase{{"0", "0", "1", "-1e400"}, Refusal::ScaleTooLarge, -1}));

TEST(HesaplaCalls, StoresTheTextsEvenWhenRefused)
{
    ParameterState state;
    state.Fb = 0.3;
    const RunResult r = run({"0.5", "0.25", "3", "1.5"}, state);
    EXPECT_FALSE(r.outcome.drawn);
    EXPECT_EQ(state.F, 0.5);
    EXPECT_EQ(state.G, 0.25);
    EXPECT_EQ(state.b, 3.0);
    EXPECT_EQ(state.Fb, 0.3); // never written by the redraw
}

} // namespace
