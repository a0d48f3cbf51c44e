#include "geometry/flow/flow_files.h"

#include "geometry/flow/equipotentials.h"
#include "geometry/flow/flow.h"
#include "geometry/flow/lift_curve.h"
#include "geometry/flow/streamlines.h"
#include "geometry/flow/time_lines.h"
#include "geometry/number_text.h"
#include "geometry/selig.h"

#include <array>
#include <charconv>
#include <cmath>
#include <complex>
#include <initializer_list>
#include <vector>

namespace wingmap {

namespace {

// The shortest text that reads back as the same double; "inf", "-inf", "nan".
void appendFull(std::string &text, double value)
{
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    text.append(buffer.data(), written.ptr);
}

void appendProfile(std::string &text, const Flow &flow)
{
    const Circle &circle = flow.circle();
    text += "F=";
    appendFull(text, circle.F());
    text += " G=";
    appendFull(text, circle.G());
    text += " b=";
    appendFull(text, circle.b());
}

void appendFields(std::string &text, const Flow &flow, const char *separator)
{
    appendProfile(text, flow);
    text += separator;
    text += "alpha_deg=";
    appendFull(text, flow.alphaDegrees());
    text += separator;
    text += flow.kutta() ? "kutta=1" : "kutta=0";
}

} // namespace

std::string SurfacePressureText(const Flow &flow)
{
    if (!flow.ok())
        return {};
    std::string text = "# ";
    appendFields(text, flow, "\n# ");
    const std::pair<const char *, double> results[] = {
        {"CL", flow.liftCoefficient()},
        {"CM_c4", flow.momentCoefficient()},
        {"alpha0_deg", flow.zeroLiftDegrees()},
        {"Gamma", flow.gamma()},
    };
    for (const auto &[name, value] : results) {
        text += "\n# ";
        text += name;
        text += '=';
        appendFull(text, value);
    }
    text += "\nx/c,y/c,Cp,side\n";
    for (const SurfacePressure &p : flow.surfacePressure()) {
        text += FixedText(p.x, kCoordinateDecimals);
        text += ',';
        text += FixedText(p.y, kCoordinateDecimals);
        text += ',';
        appendFull(text, p.cp);
        text += p.side == SurfaceSide::Upper ? ",upper\n" : ",lower\n";
    }
    return text;
}

std::string StreamlinesText(const Flow &flow, const Streamlines &lines)
{
    if (!flow.ok() || !lines.ok() || lines.lines.empty())
        return {};
    std::string text = "# ";
    appendFields(text, flow, " ");
    text += " delta_psi=";
    appendFull(text, lines.deltaPsi);
    text += "\nplane,line,psi,x,y\n";
    for (const char *plane : {"circle", "profile"}) {
        const bool circle = plane[0] == 'c';
        int number = 0;
        for (const Streamline &line : lines.lines) {
            ++number;
            std::string prefix = plane;
            prefix += ',';
            prefix += std::to_string(number);
            prefix += ',';
            appendFull(prefix, line.psi);
            prefix += ',';
            for (const std::complex<double> &p : circle ? line.circle : line.profile) {
                text += prefix;
                text += FixedText(p.real(), kCoordinateDecimals);
                text += ',';
                text += FixedText(p.imag(), kCoordinateDecimals);
                text += '\n';
            }
        }
    }
    return text;
}

std::string LiftCurveText(const Flow &flow)
{
    if (!flow.ok())
        return {};
    std::string text = "# ";
    appendProfile(text, flow);
    text += "\nalpha_deg,CL,CM_c4,CL_thin\n";
    for (const LiftCurvePoint &p : LiftCurve(flow)) {
        for (const double value : {p.alphaDegrees, p.lift, p.moment}) {
            appendFull(text, value);
            text += ',';
        }
        appendFull(text, p.thinLift);
        text += '\n';
    }
    return text;
}

std::string EquipotentialsText(const Flow &flow, const Equipotentials &net)
{
    if (!flow.ok() || !net.ok() || net.lines.empty())
        return {};
    std::string text = "# ";
    appendFields(text, flow, " ");
    text += " delta_phi=";
    appendFull(text, net.deltaPhi);
    text += " gamma=";
    appendFull(text, flow.gamma());
    text += "\nplane,line,phi,x,y\n";
    for (const char *plane : {"circle", "profile"}) {
        const bool circle = plane[0] == 'c';
        int number = 0;
        for (const Equipotential &line : net.lines) {
            std::string prefix = plane;
            prefix += ',' + std::to_string(++number) + ',';
            appendFull(prefix, line.phi);
            for (const std::complex<double> &p : circle ? line.circle : line.profile)
                text += prefix + ',' + FixedText(p.real(), kCoordinateDecimals) + ',' +
                        FixedText(p.imag(), kCoordinateDecimals) + '\n';
        }
    }
    return text;
}

std::string TimeLinesText(const Flow &flow, const TimeLines &lines, double t)
{
    if (!flow.ok() || !lines.ok() || !(t >= 0.0) || !std::isfinite(t))
        return {};
    std::string text = "# ";
    appendFields(text, flow, " ");
    const std::pair<const char *, double> results[] = {
        {" gamma=", flow.gamma()},
        {" t=", t},
        {" release_interval=", lines.releaseInterval()},
    };
    for (const auto &[name, value] : results) {
        text += name;
        appendFull(text, value);
    }
    text += "\nplane,release,level,psi,t_release,x,y\n";
    for (const FlowPlane plane : {FlowPlane::Circle, FlowPlane::Profile}) {
        for (const TimeLine &line : lines.at(t, plane)) {
            for (const Particle &p : line.particles) {
                text += plane == FlowPlane::Circle ? "circle," : "profile,";
                text += std::to_string(p.release);
                text += ',';
                text += std::to_string(p.level);
                text += ',';
                appendFull(text, p.psi);
                text += ',';
                appendFull(text, line.releasedAt);
                text += ',';
                text += FixedText(p.at.real(), kCoordinateDecimals);
                text += ',';
                text += FixedText(p.at.imag(), kCoordinateDecimals);
                text += '\n';
            }
        }
    }
    return text;
}

} // namespace wingmap
