// The redraw procedure seen through the calls it makes on its two surfaces.
#include "plot/flow_drawing.h"
#include "plot/flow_redraw.h"
#include "plot/profile_redraw.h"
#include "plot/shown_drawing.h"
#include "tests/plot/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <optional>
#include <ostream>

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
    r.outcome = RedrawProfile(texts, state, circle, airfoil);
    return r;
}

// Reads the calls of a drawing in order, one group after the other. Each
// call must be `op` on `pane`, in `colour` or without one, with the given
// arguments: Scale's exactly, the others as the floats of the given doubles
// or, when a tolerance is given, within it. After the first call out of
// order nothing more is compared.
class DrawingReader
{
public:
    explicit DrawingReader(const std::vector<Call> &log) : m_log(log) {}

    void expect(const std::string &pane, const std::string &op, const std::vector<double> &args,
                std::optional<Colour> colour = std::nullopt, double tolerance = 0.0)
    {
        if (m_lost)
            return;
        if (m_next == m_log.size() || m_log[m_next].pane != pane || m_log[m_next].op != op ||
            m_log[m_next].colour != colour || m_log[m_next].args.size() != args.size()) {
            ADD_FAILURE() << "call " << m_next << " is not " << pane << " " << op
                          << (colour ? " in its colour" : " without a colour");
            m_lost = true;
            return;
        }
        const Call &call = m_log[m_next++];
        for (std::size_t k = 0; k < args.size(); ++k) {
            if (tolerance > 0.0)
                EXPECT_NEAR(call.args[k], args[k], tolerance) << pane << " " << op << " " << k;
            else
                EXPECT_EQ(call.args[k], op == "Scale" ? args[k] : double(float(args[k])))
                    << pane << " " << op << " " << k;
        }
    }

    bool atEnd() const { return !m_lost && m_next == m_log.size(); }

private:
    const std::vector<Call> &m_log;
    std::size_t m_next = 0;
    bool m_lost = false;
};

struct DrawnCase
{
    const char *what;
    InputTexts texts;
    double F, G, b, MaxC; // as the texts read
    double Fb, Gb;        // as the scroll bars stored them
};

void PrintTo(const DrawnCase &c, std::ostream *os)
{
    *os << c.what;
}

class HesaplaDrawn : public testing::TestWithParam<DrawnCase>
{
};

// Point i of the circle of radius 1 about (-F b, G b): where the ray from
// the origin at 2i degrees meets it, t = u.c + sqrt((u.c)^2 - |c|^2 + 1)
// along the ray u.
std::complex<double> circlePoint(const DrawnCase &c, int i)
{
    const std::complex<double> centre(-c.F * c.b, c.G * c.b);
    const std::complex<double> u = std::polar(1.0, 2.0 * kPi * i / 180);
    const double uc = (std::conj(u) * centre).real();
    return u * (uc + std::sqrt(uc * uc - std::norm(centre) + 1.0));
}

TEST_P(HesaplaDrawn, MakesTheGroupsOfTheDrawingInOrder)
{
    const DrawnCase &c = GetParam();
    ParameterState state;
    state.Fb = c.Fb;
    state.Gb = c.Gb;
    const RunResult r = run(c.texts, state);
    ASSERT_TRUE(r.outcome.drawn);
    EXPECT_EQ(r.outcome.refusal, Refusal::None);
    EXPECT_EQ(state.b, c.b);
    EXPECT_EQ(state.a, 1.0 / c.b);

    const double m = c.MaxC;
    DrawingReader read(r.log);
    // Each pane cleared, its range set (the airfoil pane twice as wide) and
    // its axes drawn without a colour.
    read.expect("circle", "Cls", {});
    read.expect("circle", "Scale", {-m, m, m, -m});
    read.expect("circle", "Line", {-m, 0, m, 0});
    read.expect("circle", "Line", {0, -m, 0, m});
    read.expect("airfoil", "Cls", {});
    read.expect("airfoil", "Scale", {-2 * m, m, 2 * m, -m});
    read.expect("airfoil", "Line", {-2 * m, 0, 2 * m, 0});
    read.expect("airfoil", "Line", {0, -m, 0, m});
    // The two blue curves segment by segment, alternating: the circle's
    // points and their images z + b^2/z, to single precision.
    const double b2 = c.b * c.b;
    for (int i = 1; i <= 180; ++i) {
        const std::complex<double> z0 = circlePoint(c, i - 1);
        const std::complex<double> z1 = circlePoint(c, i);
        const std::complex<double> w0 = z0 + b2 / z0;
        const std::complex<double> w1 = z1 + b2 / z1;
        read.expect("circle", "Line", {z0.real(), z0.imag(), z1.real(), z1.imag()}, kCurveColour,
                    1e-6);
        read.expect("airfoil", "Line", {w0.real(), w0.imag(), w1.real(), w1.imag()}, kCurveColour,
                    1e-6);
    }
    // The red marks at +-b, the cross at the stored centre, the marks at +-2b.
    read.expect("circle", "Circle", {c.b, 0, 0.03}, kMarkColour);
    read.expect("circle", "Circle", {-c.b, 0, 0.03}, kMarkColour);
    read.expect("circle", "Line", {-c.Fb, c.Gb - 0.1, -c.Fb, c.Gb + 0.1}, kMarkColour);
    read.expect("circle", "Line", {-c.Fb - 0.1, c.Gb, -c.Fb + 0.1, c.Gb}, kMarkColour);
    read.expect("airfoil", "Circle", {2 * c.b, 0, 0.03}, kMarkColour);
    read.expect("airfoil", "Circle", {-2 * c.b, 0, 0.03}, kMarkColour);
    EXPECT_TRUE(read.atEnd()) << r.log.size() << " calls";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HesaplaDrawn,
    testing::Values(
        DrawnCase{"start", {"0", "0", "1", "1.5"}, 0, 0, 1, 1.5, 0, 0},
        DrawnCase{
            "cambered", {"0.1", "0.1", "0.9", "1.5"}, 0.1, 0.1, 0.9, 1.5, 0.1 * 0.9, 0.1 * 0.9},
        // F = 0.1 was taken with b = 1, then only b moved to 0.8: the circle
        // is about (-0.08, 0), the cross stays at (-0.1, 0).
        DrawnCase{"only b changed", {"0.1", "0", "0.8", "1.5"}, 0.1, 0, 0.8, 1.5, 0.1, 0},
        // A negative Scale reverses both ranges.
        DrawnCase{"negative Scale", {"0", "0", "1", "-1.5"}, 0, 0, 1, -1.5, 0, 0}));

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

// The flow panes of the flat plate at 4 degrees under the Kutta condition:
// the rear stagnation point at the trailing edge z = 1, the front one at the
// angle pi + 2 alpha on the unit circle, their images 2 cos(angle) on the
// axis; the streamlines in green. A refused flow touches neither pane.
TEST(FlowRedrawCalls, MarksTheStagnationPointsAndDrawsTheLinesGreen)
{
    ShownDrawing plate;
    const RunResult drawn = run({"0", "0", "1", "1.5"}, plate.state);
    ASSERT_TRUE(drawn.outcome.drawn);
    plate.MaxC = 1.5;

    std::vector<Call> log;
    RecordingSurface circle("circle", log);
    RecordingSurface airfoil("airfoil", log);
    const FlowRedrawOutcome outcome = RedrawFlow(plate, 4.0, {}, {200, 400}, {}, circle, airfoil);
    ASSERT_TRUE(outcome.drawn());
    const double twoAlpha = 8.0 * kPi / 180.0;
    const std::vector<std::pair<std::string, std::complex<double>>> expected = {
        {"circle", {-std::cos(twoAlpha), -std::sin(twoAlpha)}},
        {"circle", {1.0, 0.0}},
        {"airfoil", {-2.0 * std::cos(twoAlpha), 0.0}},
        {"airfoil", {2.0, 0.0}}};
    std::vector<std::pair<std::string, std::complex<double>>> marks;
    int green = 0;
    for (const Call &call : log) {
        if (call.op == "Circle" && call.args[2] == double(kStagnationMarkRadius)) {
            EXPECT_EQ(call.colour, kMarkColour);
            marks.push_back({call.pane, {call.args[0], call.args[1]}});
        }
        green += call.op == "Line" && call.colour == kStreamlineColour;
    }
    ASSERT_EQ(marks.size(), expected.size());
    for (std::size_t k = 0; k < marks.size(); ++k) {
        EXPECT_EQ(marks[k].first, expected[k].first);
        EXPECT_LT(std::abs(marks[k].second - expected[k].second), 1e-6) << k;
    }
    EXPECT_GT(green, 100);

    // The grid under the streamlines, the net over them, on both panes.
    log.clear();
    const FlowRedrawOutcome viewed =
        RedrawFlow(plate, 4.0, {}, {200, 400}, {false, true, true, false}, circle, airfoil);
    ASSERT_TRUE(viewed.drawn());
    for (const std::string pane : {"circle", "airfoil"}) {
        std::vector<Colour> order;
        for (const Call &call : log) {
            if (call.pane == pane && call.op == "Line" && call.colour &&
                (order.empty() || order.back() != *call.colour))
                order.push_back(*call.colour);
        }
        const auto first = [&](Colour c) { return std::find(order.begin(), order.end(), c); };
        ASSERT_NE(first(kGridColour | kThinLine), order.end()) << pane;
        EXPECT_LT(first(kGridColour | kThinLine), first(kStreamlineColour)) << pane;
        EXPECT_LT(first(kStreamlineColour), first(kEquipotentialColour | kThinLine)) << pane;
        EXPECT_NE(first(kEquipotentialColour | kThinLine), order.end()) << pane;
    }

    log.clear();
    EXPECT_EQ(RedrawFlow(plate, 91.0, {}, {200, 400}, {}, circle, airfoil).failure,
              FlowRedrawFailure::AngleOutOfRange);
    ShownDrawing outside = plate;
    outside.state.F = 0.1; // +b 1.1 from the centre
    const FlowRedrawOutcome refused = RedrawFlow(outside, 4.0, {}, {200, 400}, {}, circle, airfoil);
    EXPECT_EQ(refused.failure, FlowRedrawFailure::NoFlow);
    EXPECT_EQ(refused.refusal.failure, FlowFailure::PlusBOutside);
    EXPECT_TRUE(log.empty());
}

} // namespace
