#include "geometry/flow/flow.h"
#include "geometry/flow/flow_files.h"
#include "geometry/flow/lift_curve.h"
#include "geometry/flow/streamlines.h"
#include "geometry/selig.h"
#include "tests/geometry/csv_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <complex>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Point = std::complex<double>;

using csvtext::number;
using csvtext::split;

// The flat plate (F = G = 0, b = 1: the segment -2..2) at 4 degrees with the
// Kutta condition. On the circle z = e^(i theta), |dw/dz| = 2|sin(theta - a) +
// sin a| and |dzeta/dz| = 2|sin theta|, so the speed along the plate is
// |cos a + sin a tan(theta/2)|, with tan(theta/2) = +-sqrt((1 - s)/s) at
// s = x/c: one side sees cos a + sin a sqrt((1-s)/s), the other cos a minus it.
TEST(FlowFiles, SurfacePressureHasTheFileFormatAndTheFlatPlatesClosedForm)
{
    const double alpha = 4.0 * std::numbers::pi / 180.0;
    const wingmap::Flow flow(0.0, 0.0, 1.0, 4.0, true);
    ASSERT_TRUE(flow.ok());
    const std::vector<std::string> lines = split(wingmap::SurfacePressureText(flow), '\n');
    ASSERT_EQ(lines.size(), 7u + 1u + 161u);
    EXPECT_EQ(lines[0], "# F=0 G=0 b=1");
    EXPECT_EQ(lines[1], "# alpha_deg=4");
    EXPECT_EQ(lines[2], "# kutta=1");
    const char *keys[] = {"# CL=", "# CM_c4=", "# alpha0_deg=", "# Gamma="};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(lines[3 + k].rfind(keys[k], 0), 0u) << lines[3 + k];
    // Written in full: C_L = 2 pi sin 4 degrees read back to the last digit.
    EXPECT_NEAR(number(lines[3].substr(5)), 2.0 * std::numbers::pi * std::sin(alpha), 1e-12);
    EXPECT_EQ(number(lines[3].substr(5)), flow.liftCoefficient());
    EXPECT_EQ(lines[7], "x/c,y/c,Cp,side");

    // The points are those of the coordinates file, in its order.
    const wingmap::ProfileCoordinates dat = wingmap::SeligCoordinates(0.0, 0.0, 1.0);
    const std::vector<std::string> datLines = split(wingmap::SeligText("x", dat.points), '\n');
    // By x/c as written, with the unrounded x/c, since Cp is steep at the edges.
    std::map<std::string, std::vector<double>> cpAt;
    std::map<std::string, double> exactX;
    for (std::size_t i = 0; i < 161; ++i) {
        const std::vector<std::string> fields = split(lines[8 + i], ',');
        ASSERT_EQ(fields.size(), 4u) << lines[8 + i];
        EXPECT_EQ(fields[0] + " " + fields[1], datLines[1 + i]);
        cpAt[fields[0]].push_back(fields[2] == "-inf" ? -INFINITY : number(fields[2]));
        exactX[fields[0]] = dat.points[i].x;
    }
    for (const auto &[xText, cps] : cpAt) {
        const double s = exactX[xText];
        if (s < 1e-3 || s > 1.0 - 1e-3)
            continue; // the edges' own limits are tested with the flow
        ASSERT_EQ(cps.size(), 2u) << xText;
        const double lean = std::sin(alpha) * std::sqrt((1.0 - s) / s);
        const double fast = 1.0 - std::pow(std::cos(alpha) + lean, 2);
        const double slow = 1.0 - std::pow(std::cos(alpha) - lean, 2);
        const double tolerance = 1e-5 * (1.0 + std::abs(fast));
        EXPECT_NEAR(std::min(cps[0], cps[1]), fast, tolerance) << xText;
        EXPECT_NEAR(std::max(cps[0], cps[1]), slow, tolerance) << xText;
    }
}

// The results' lines for a circular arc, F = 0, b = cos beta, G = tan beta
// (the flat plate at G = 0): the edges are -+2b, c = 4b, and under the Kutta
// condition Gamma = 4 pi sin(alpha + beta) = 4 pi b (sin alpha + G cos alpha),
// C_L = 2 Gamma / c, C_M,c/4 = -(pi / 4) (2G + G^2 sin 2 alpha), alpha_0 = -beta.
TEST(FlowFiles, SurfacePressureStatesTheResultsOfTheClosedForms)
{
    for (const double G : {0.0, 0.2}) {
        const double b = 1.0 / std::sqrt(1.0 + G * G);
        const double a = 4.0 * std::numbers::pi / 180.0;
        const wingmap::Flow flow(0.0, G, b, 4.0, true);
        ASSERT_TRUE(flow.ok());
        const std::vector<std::string> lines = split(wingmap::SurfacePressureText(flow), '\n');
        ASSERT_GT(lines.size(), 7u);
        const double gamma = 4.0 * std::numbers::pi * b * (std::sin(a) + G * std::cos(a));
        const std::pair<const char *, double> expected[] = {
            {"# CL=", 2.0 * gamma / (4.0 * b)},
            {"# CM_c4=", -std::numbers::pi / 4.0 * (2.0 * G + G * G * std::sin(2.0 * a))},
            {"# alpha0_deg=", -std::atan(G) * 180.0 / std::numbers::pi},
            {"# Gamma=", gamma},
        };
        for (int k = 0; k < 4; ++k) {
            const std::string &line = lines[3 + k];
            const std::string key = expected[k].first;
            ASSERT_EQ(line.rfind(key, 0), 0u) << line;
            EXPECT_NEAR(number(line.substr(key.size())), expected[k].second, 1e-9) << line;
        }
    }
}

// Three cambered profiles with no edge the flow turns round (Cp is finite
// at every point), at positive angles.
struct SurfaceState
{
    double F, G, b, alpha;
};
const SurfaceState kCambered[] = {{0.1, 0.1, 1 / std::sqrt(1.22), 4.0}, // sharp trailing edge
                                  {0.1, 0.1, 0.9, 6.0},
                                  {0.2, 0.15, 0.8, 1.0}};

// The file's rows as points of the chord frame and their Cp.
struct Row
{
    double x, y, cp;
};
std::vector<Row> rowsOf(const std::string &text)
{
    std::vector<Row> rows;
    const std::vector<std::string> lines = split(text, '\n');
    for (std::size_t i = 8; i < lines.size(); ++i) {
        const std::vector<std::string> f = split(lines[i], ',');
        EXPECT_EQ(f.size(), 4u) << lines[i];
        if (f.size() == 4u)
            rows.push_back({number(f[0]), number(f[1]), number(f[2])});
    }
    return rows;
}

// The force from the file's pressure alone: its rows run counter-clockwise
// round the profile (over the upper side from the trailing edge), where the
// outward normal times ds is (dy, -dx), so per 1/2 rho U^2 c the force is
// (-sum Cp dy, sum Cp dx) in the chord frame, by the trapezoid rule; the lift
// is its part across the stream, which comes at alpha to the chord. The rule
// is of second order: on every other row its error is four times as large,
// which sets the accuracy asked of the full rule and of its extrapolation.
TEST(FlowFiles, SurfacePressureIntegratesToTheLift)
{
    for (const SurfaceState &s : kCambered) {
        const wingmap::Flow flow(s.F, s.G, s.b, s.alpha, true);
        ASSERT_TRUE(flow.ok());
        const std::vector<Row> rows = rowsOf(wingmap::SurfacePressureText(flow));
        ASSERT_EQ(rows.size(), 161u);
        const double a = s.alpha * std::numbers::pi / 180.0;
        const auto lift = [&](std::size_t stride) {
            double across = 0.0, along = 0.0;
            for (std::size_t k = 0; k + stride < rows.size(); k += stride) {
                const Row &p = rows[k];
                const Row &q = rows[k + stride];
                const double cp = 0.5 * (p.cp + q.cp);
                along -= cp * (q.y - p.y);
                across += cp * (q.x - p.x);
            }
            return across * std::cos(a) - along * std::sin(a);
        };
        const double full = lift(1);
        const double half = lift(2);
        EXPECT_NEAR(full, flow.liftCoefficient(), std::abs(full - half)) << s.b;
        EXPECT_NEAR(full + (full - half) / 3.0, flow.liftCoefficient(), 2e-5) << s.b;
    }
}

// A cambered profile at a positive angle: at mid-chord (x/c = 0.5, the 41st
// of the 81 cosine-spaced positions) the upper side lies above the lower one
// (positive camber) and the flow over it is faster, so its Cp is lower. Read
// through the Flow's sides and through the file's rows by their side column.
TEST(FlowFiles, UpperAndLowerSidesAgreeInTheFlowAndTheFile)
{
    for (const SurfaceState &s : kCambered) {
        const wingmap::Flow flow(s.F, s.G, s.b, s.alpha, true);
        ASSERT_TRUE(flow.ok());
        const std::vector<wingmap::SurfacePressure> upper = flow.upperSide();
        const std::vector<wingmap::SurfacePressure> lower = flow.lowerSide();
        ASSERT_EQ(upper.size(), 81u);
        ASSERT_EQ(lower.size(), 81u);
        EXPECT_NEAR(upper[40].x, 0.5, 1e-12);
        EXPECT_NEAR(lower[40].x, 0.5, 1e-12);
        EXPECT_GT(upper[40].y, lower[40].y + 0.01) << s.G;
        EXPECT_LT(upper[40].cp, lower[40].cp - 0.01) << s.G;

        std::map<std::string, std::vector<double>> atMiddle; // "upper"/"lower": y, Cp
        int upperRows = 0;
        const std::vector<std::string> lines = split(wingmap::SurfacePressureText(flow), '\n');
        ASSERT_EQ(lines.size(), 8u + 161u);
        for (std::size_t i = 8; i < lines.size(); ++i) {
            const std::vector<std::string> f = split(lines[i], ',');
            ASSERT_EQ(f.size(), 4u) << lines[i];
            ASSERT_TRUE(f[3] == "upper" || f[3] == "lower") << lines[i];
            // The upper side from the trailing edge up to the leading edge.
            EXPECT_EQ(f[3] == "upper", i - 8 <= 80) << lines[i];
            upperRows += f[3] == "upper";
            if (f[0] == "0.500000")
                atMiddle[f[3]] = {number(f[1]), number(f[2])};
        }
        EXPECT_EQ(upperRows, 81);
        ASSERT_EQ(atMiddle["upper"].size(), 2u);
        ASSERT_EQ(atMiddle["lower"].size(), 2u);
        EXPECT_GT(atMiddle["upper"][0], atMiddle["lower"][0] + 0.01);
        EXPECT_LT(atMiddle["upper"][1], atMiddle["lower"][1] - 0.01);
    }
}

// Each polyline is written in both planes under one number and its level;
// the profile row is the map of the circle row, and psi is Im w there.
TEST(FlowFiles, StreamlinesPairEachLineWithItsImageOnItsLevel)
{
    const double F = 0.1, G = 0.1, b = 0.9;
    const wingmap::Flow flow(F, G, b, 4.0, true);
    ASSERT_TRUE(flow.ok());
    const wingmap::Streamlines traced =
        wingmap::TraceStreamlines(flow, {wingmap::PaneExtentsAt(1.5), 3.0 / 200.0, 6.0 / 400.0});
    ASSERT_TRUE(traced.ok());
    const std::vector<std::string> lines = split(wingmap::StreamlinesText(flow, traced), '\n');
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines[0], "# F=0.1 G=0.1 b=0.9 alpha_deg=4 kutta=1 delta_psi=0.1875");
    EXPECT_EQ(lines[1], "plane,line,psi,x,y");

    std::map<int, std::vector<Point>> circle;
    std::map<int, std::vector<Point>> profile;
    std::map<int, double> level;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::vector<std::string> f = split(lines[i], ',');
        ASSERT_EQ(f.size(), 5u) << lines[i];
        const int line = static_cast<int>(number(f[1]));
        const double psi = number(f[2]);
        if (level.count(line)) {
            EXPECT_EQ(level[line], psi) << lines[i];
        }
        level[line] = psi;
        (f[0] == "circle" ? circle : profile)[line].push_back({number(f[3]), number(f[4])});
        EXPECT_TRUE(f[0] == "circle" || f[0] == "profile") << lines[i];
    }
    ASSERT_EQ(circle.size(), traced.lines.size());
    ASSERT_EQ(profile.size(), circle.size());
    const Point z0(-F * b, G * b);
    const double gamma = flow.gamma();
    const double ax = flow.alphaX();
    for (const auto &[line, points] : circle) {
        ASSERT_EQ(profile[line].size(), points.size()) << line;
        for (std::size_t k = 0; k < points.size(); k += 7) {
            const Point z = points[k];
            const Point zeta = z + b * b / z;
            EXPECT_LT(std::abs(zeta - profile[line][k]), 1e-5) << line << " " << k;
            const Point s = z - z0;
            const double psi = (s * std::polar(1.0, -ax) + std::polar(1.0, ax) / s).imag() +
                               gamma / (2 * std::numbers::pi) * std::log(std::abs(s));
            EXPECT_NEAR(psi, level[line], 1e-5) << line << " " << k;
        }
    }
}

// The lift curve's file for the circular arc F = 0, G = 0.2 (b = cos beta,
// beta = atan G), written under a German numeric locale: "." decimals, four
// fields a row, and the closed forms C_L = 2 pi (sin a + G cos a),
// C_M,c/4 = -(pi / 4) (2G + G^2 sin 2a), C_L,thin = 2 pi (a + beta) at
// a = -15 + k / 4 degrees, each number read back whole.
TEST(FlowFiles, LiftCurveIsWrittenWithPointsInAGermanLocale)
{
    const double G = 0.2;
    const double b = 1.0 / std::sqrt(1.0 + G * G);
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    const wingmap::Flow flow(0.0, G, b, 4.0, false);
    const std::string text = wingmap::LiftCurveText(flow);
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_TRUE(flow.ok());
    const std::vector<std::string> lines = split(text, '\n');
    ASSERT_EQ(text.back(), '\n');
    ASSERT_EQ(lines.size(), 2u + 121u);
    EXPECT_EQ(lines[0], "# F=0 G=0.2 b=" + std::string(lines[0].substr(14)));
    EXPECT_EQ(number(lines[0].substr(14)), b);
    EXPECT_EQ(lines[1], "alpha_deg,CL,CM_c4,CL_thin");
    const double pi = std::numbers::pi;
    for (std::size_t k = 0; k < 121; ++k) {
        const std::vector<std::string> f = split(lines[2 + k], ',');
        ASSERT_EQ(f.size(), 4u) << lines[2 + k];
        const double alpha = -15.0 + k / 4.0;
        const double a = alpha * pi / 180.0;
        EXPECT_EQ(number(f[0]), alpha);
        EXPECT_NEAR(number(f[1]), 2 * pi * (std::sin(a) + G * std::cos(a)), 1e-9) << alpha;
        EXPECT_NEAR(number(f[2]), -pi / 4 * (2 * G + G * G * std::sin(2 * a)), 1e-9) << alpha;
        EXPECT_NEAR(number(f[3]), 2 * pi * (a + std::atan(G)), 1e-12) << alpha;
    }
    EXPECT_EQ(wingmap::LiftCurveText(wingmap::Flow(0.0, 0.0, 0.0, 4.0, true)), "");
}

} // namespace
