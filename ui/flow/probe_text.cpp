#include "ui/flow/probe_text.h"

#include "geometry/flow/probe.h"
#include "ui/flow/flow_text.h"

#include <cmath>

namespace wingmap {

namespace {

constexpr int kDecimals = 3;
constexpr int kTurnDecimals = 1;
const QChar kMinus(0x2212);

} // namespace

QString ProbeText::number(double value, int count)
{
    if (std::isinf(value))
        return value < 0.0 ? QString(kMinus) + QChar(0x221E) : QString(QChar(0x221E));
    QString text = FlowText::decimals(value, count);
    if (text.startsWith('-'))
        text[0] = kMinus;
    return text;
}

QString ProbeText::complex(std::complex<double> value)
{
    const QString imaginary = FlowText::decimals(value.imag(), kDecimals);
    const bool negative = imaginary.startsWith('-');
    return QStringLiteral("%1 %2 %3i")
        .arg(number(value.real()), negative ? QString(kMinus) : QStringLiteral("+"),
             negative ? imaginary.mid(1) : imaginary);
}

QString ProbeText::line(const ProbeReading &reading)
{
    switch (reading.where) {
    case ProbeReading::Where::InsideCircle:
        return tr("z = %1 lies inside the circle").arg(complex(reading.z));
    case ProbeReading::Where::InsideProfile:
        return tr("ζ = %1 lies inside the profile").arg(complex(reading.zeta));
    case ProbeReading::Where::Flow:
        break;
    }
    return tr("z = %1 ↔ ζ = %2 · |dζ/dz| = %3, turn %4° · q/U = %5 ↔ %6 · Cp = %7 ↔ %8 · "
              "ψ = %9 · φ = %10")
        .arg(complex(reading.z), complex(reading.zeta), number(reading.mapScale),
             number(reading.turnDegrees, kTurnDecimals), number(reading.circleSpeed),
             number(reading.profileSpeed), number(reading.circleCp), number(reading.profileCp),
             number(reading.psi))
        .arg(number(reading.phi));
}

QString ProbeText::spoken(const ProbeReading &reading)
{
    switch (reading.where) {
    case ProbeReading::Where::InsideCircle:
        return tr("Probe at z = %1, inside the circle.").arg(complex(reading.z));
    case ProbeReading::Where::InsideProfile:
        return tr("Probe at zeta = %1, inside the profile.").arg(complex(reading.zeta));
    case ProbeReading::Where::Flow:
        break;
    }
    return tr("Probe at z = %1, its image zeta = %2; the map stretches by %3 and turns by %4 "
              "degrees; speed %5 in the circle's flow and %6 in the profile's; pressure "
              "coefficient %7 and %8; stream function %9; potential %10.")
        .arg(complex(reading.z), complex(reading.zeta), number(reading.mapScale),
             number(reading.turnDegrees, kTurnDecimals), number(reading.circleSpeed),
             number(reading.profileSpeed), number(reading.circleCp), number(reading.profileCp),
             number(reading.psi))
        .arg(number(reading.phi));
}

QString ProbeText::surfaceLine(const SurfaceProbe &probe)
{
    return tr("x/c = %1 · upper side Cp = %2 · lower side Cp = %3")
        .arg(number(probe.chordFraction), number(probe.upper.cp), number(probe.lower.cp));
}

QString ProbeText::spokenSurface(const SurfaceProbe &probe)
{
    return tr("At x/c = %1 the pressure coefficient is %2 on the upper side and %3 on the lower "
              "side.")
        .arg(number(probe.chordFraction), number(probe.upper.cp), number(probe.lower.cp));
}

} // namespace wingmap
