#include "ui/flow/flow_text.h"

#include "geometry/atmosphere.h"
#include "geometry/flow/flow.h"
#include "ui/widgets/number_string.h"
#include "ui/widgets/profile_words.h"

#include <QStringList>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <vector>

namespace wingmap {

namespace {

constexpr int kResultDecimals = 3;
constexpr int kAngleDecimals = 2;
constexpr int kPlaceDecimals = 2;

QString point(std::complex<double> z)
{
    return FlowText::tr("(%1, %2)")
        .arg(FlowText::decimals(z.real(), kPlaceDecimals),
             FlowText::decimals(z.imag(), kPlaceDecimals));
}

// Beyond this angle from the angle of no lift, in degrees, real profiles
// stall.
constexpr double kStallDegrees = 12.0;

// What lies beyond the numbers, a sentence a line: the profile facing
// left, the lift slope, where the rear stagnation point is without the
// Kutta condition, and the stall.
QStringList beyondTheNumbers(const Flow &flow)
{
    QStringList lines;
    if (flow.facesLeft())
        lines << FlowText::tr("The profile faces left: its leading edge is on the right.");
    const double slope = flow.liftSlopeAt(flow.alphaDegrees());
    lines << FlowText::tr("dC_L/dα = %1 per rad = %2 × 2π (%3 per degree).")
                 .arg(FlowText::decimals(slope, kResultDecimals),
                      FlowText::decimals(slope / (2.0 * std::numbers::pi), kResultDecimals),
                      FlowText::decimals(slope * std::numbers::pi / 180.0, kResultDecimals));
    if (!flow.kutta()) {
        const QString kutta = FlowText::decimals(flow.kuttaGamma(), kResultDecimals);
        lines << (flow.stagnationOnBody()
                      ? FlowText::tr("The rear stagnation point is at %1° on the circle, at x/c = "
                                     "%2 on the profile; the Kutta condition would give Γ = %3.")
                            .arg(FlowText::decimals(flow.rearStagnationDegrees(), 1),
                                 FlowText::decimals(flow.rearStagnationChordFraction(),
                                                    kResultDecimals),
                                 kutta)
                      : FlowText::tr("The stagnation point has left the body: it lies in the flow "
                                     "at %1 beside the profile; the Kutta condition would give "
                                     "Γ = %2.")
                            .arg(point(flow.rearStagnationImage()), kutta));
    }
    if (std::abs(flow.alphaDegrees() - flow.zeroLiftDegrees()) > kStallDegrees)
        lines << FlowText::tr("Real profiles stall about 12° from the angle of no lift; the "
                              "potential flow does not.");
    return lines;
}

// Where along the surface Cp is lowest, and on which side.
struct Lowest
{
    double cp = std::numeric_limits<double>::infinity();
    double x = 0.0;
    bool upper = true;
};

Lowest lowestOf(const Flow &flow)
{
    Lowest lowest;
    for (const bool upper : {true, false}) {
        for (const SurfacePressure &p : upper ? flow.upperSide() : flow.lowerSide()) {
            if (p.cp < lowest.cp)
                lowest = {p.cp, p.x, upper};
        }
    }
    return lowest;
}

QString lowestPressure(const Flow &flow)
{
    const Lowest lowest = lowestOf(flow);
    const QString at = FlowText::decimals(lowest.x, kPlaceDecimals);
    if (std::isinf(lowest.cp))
        return FlowText::tr("The suction is unbounded at x/c = %1, where the flow turns round a "
                            "sharp edge.")
            .arg(at);
    return lowest.upper ? FlowText::tr("The pressure is lowest on the upper side at x/c = %1, "
                                       "where Cp is %2.")
                              .arg(at, FlowText::decimals(lowest.cp, kPlaceDecimals))
                        : FlowText::tr("The pressure is lowest on the lower side at x/c = %1, "
                                       "where Cp is %2.")
                              .arg(at, FlowText::decimals(lowest.cp, kPlaceDecimals));
}

// The advice for -b outside the circle: |-b - z0| = |b| |F - 1 - iG|, so
// moving b nearer 0, F nearer 1 or G nearer 0 brings -b in.
QString minusBAdvice(const FlowText::Advice &advice)
{
    const bool moveF = advice.F != 1.0;
    const bool moveG = advice.G != 0.0;
    const QString f =
        advice.F < 1.0 ? FlowText::tr("make F larger") : FlowText::tr("make F smaller");
    if (moveF && moveG)
        return FlowText::tr("Move b nearer 0, %1 or move G nearer 0.").arg(f);
    if (moveF)
        return FlowText::tr("Move b nearer 0 or %1.").arg(f);
    if (moveG)
        return FlowText::tr("Move b nearer 0 or move G nearer 0.");
    return FlowText::tr("Move b nearer 0.");
}

QString shapeRefusal(const FlowRefusal &refusal, const FlowText::Advice &advice)
{
    switch (refusal.shape) {
    case ShapeFailure::SelfCrossing:
        return advice.sharpEdge ? FlowText::tr("No flow drawn: the profile crosses itself. Move b "
                                               "nearer 0, or press “Sharp trailing edge”.")
                                : FlowText::tr("No flow drawn: the profile crosses itself. Move b "
                                               "nearer 0.");
    case ShapeFailure::NotSingleValued:
        return FlowText::tr("No flow drawn: a side of the profile turns back along the chord, so "
                            "it has no chord line to measure the angle from. Change F, G or b.");
    case ShapeFailure::NotSampled:
    case ShapeFailure::None:
        break;
    }
    return FlowText::tr("No flow drawn. %1 %2")
        .arg(ProfileWords::notMeasured(), ProfileWords::changeALittle());
}

} // namespace

QString FlowText::decimals(double value, int count)
{
    QString text = QString::number(value, 'f', count);
    if (text.startsWith('-') && text.count('0') == text.size() - 2)
        text.remove(0, 1);
    return text;
}

QString FlowText::significant(double value)
{
    constexpr int kDigits = 4;
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0.0)
        return QStringLiteral("0");
    int exponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
    // Rounding can carry into the next power of ten (9999.7 is 1.000 × 10⁴).
    if (std::abs(value) >= 9999.5 * std::pow(10.0, exponent - 3))
        ++exponent;
    if (exponent >= -3 && exponent <= 3)
        return decimals(value, kDigits - 1 - exponent);
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString power;
    for (const QChar digit : QString::number(std::abs(exponent)))
        power += superscripts[digit.digitValue()];
    if (exponent < 0)
        power.prepend(QChar(0x207B)); // superscript minus
    return tr("%1 × 10%2").arg(decimals(value / std::pow(10.0, exponent), kDigits - 1), power);
}

QString FlowText::forces(const Atmosphere &air, const SectionForces &forces, double speed,
                         double chord, bool haveFlow)
{
    if (!haveFlow)
        return tr("The forces follow the flow drawn: there is none yet.");
    if (!air.ok())
        return tr("Type an altitude from 0 to 20000 m.");
    if (!(std::isfinite(speed) && speed > 0.0))
        return tr("Type a speed above 0 m/s.");
    if (!(std::isfinite(chord) && chord > 0.0))
        return tr("Type a chord above 0 m.");
    if (!forces.ok())
        return tr("These numbers are too large to compute with: type a smaller speed or chord.");
    return tr("ρ = %1 kg/m³ · q = %2 Pa · L′ = %3 N/m · M′ = %4 N·m/m · Re = %5")
        .arg(significant(air.density), significant(forces.dynamicPressure),
             significant(forces.lift), significant(forces.moment), significant(forces.reynolds));
}

QString FlowText::noFlowYet()
{
    return tr("No flow yet: draw a profile in the main window.");
}

QString FlowText::refusal(FlowRedrawFailure failure, const FlowRefusal &refusal,
                          const Advice &advice)
{
    switch (failure) {
    case FlowRedrawFailure::None:
        return {};
    case FlowRedrawFailure::AngleOutOfRange:
        break;
    case FlowRedrawFailure::ScaleTooSmall:
        return tr("No flow drawn: the Scale is too small to trace streamlines at. Choose a "
                  "larger Scale.");
    case FlowRedrawFailure::CirculationTooLarge:
        return tr("No flow drawn: the circulation is too strong to trace streamlines round. Type "
                  "a circulation from -15 to 15.");
    case FlowRedrawFailure::ScaleTooLarge:
        return tr("No flow drawn: the Scale is too large to trace streamlines at. Choose a "
                  "smaller Scale.");
    case FlowRedrawFailure::NoFlow:
        switch (refusal.failure) {
        case FlowFailure::PlusBOutside: {
            const QString where =
                tr("No flow drawn: the critical point +b lies outside the circle (%1 from its "
                   "centre), where the map folds the flow.")
                    .arg(decimals(refusal.distance, kResultDecimals));
            return where + ' ' +
                   (advice.sharpEdge ? tr("Press “Sharp trailing edge” to put the circle "
                                          "through +b, or move b nearer 0.")
                                     : tr("Move b nearer 0."));
        }
        case FlowFailure::MinusBOutside:
            return tr("No flow drawn: the critical point -b lies outside the circle (%1 from its "
                      "centre), where the map folds the flow.")
                       .arg(decimals(refusal.distance, kResultDecimals)) +
                   ' ' + minusBAdvice(advice);
        case FlowFailure::Shape:
            return shapeRefusal(refusal, advice);
        case FlowFailure::CirculationNotFinite:
            return tr("No flow drawn: the circulation is not a finite number. Type a circulation "
                      "from -15 to 15, or any other finite number.");
        case FlowFailure::AngleNotFinite:
        case FlowFailure::None:
            break;
        }
        break;
    }
    return tr("No flow drawn: the angle of attack must lie between -90° and 90°. Type an angle "
              "in that range.");
}

QString FlowText::readout(const Flow &flow)
{
    const QString numbers = tr("C_L = %1 · C_M,c/4 = %2 · Γ = %3 · α₀ = %4°")
                                .arg(decimals(flow.liftCoefficient(), kResultDecimals),
                                     decimals(flow.momentCoefficient(), kResultDecimals),
                                     decimals(flow.gamma(), kResultDecimals),
                                     decimals(flow.zeroLiftDegrees(), kAngleDecimals));
    return (QStringList{numbers} << beyondTheNumbers(flow)).join('\n');
}

QString FlowText::spokenReadout(const Flow &flow)
{
    const QString numbers =
        tr("Lift coefficient %1, moment coefficient about the quarter chord %2, circulation "
           "%3, zero-lift angle %4 degrees.")
            .arg(decimals(flow.liftCoefficient(), kResultDecimals),
                 decimals(flow.momentCoefficient(), kResultDecimals),
                 decimals(flow.gamma(), kResultDecimals),
                 decimals(flow.zeroLiftDegrees(), kAngleDecimals));
    return (QStringList{numbers} << beyondTheNumbers(flow)).join(' ');
}

QString FlowText::circlePane(const Flow &flow)
{
    return tr("Streamlines round the circle at an angle of attack of %1 degrees. The front "
              "stagnation point is at %2, the rear one at %3. %4")
        .arg(decimals(flow.alphaDegrees(), kAngleDecimals), point(flow.frontStagnation()),
             point(flow.rearStagnation()), spokenReadout(flow));
}

QString FlowText::profilePane(const Flow &flow)
{
    return tr("Streamlines past the profile at an angle of attack of %1 degrees. The front "
              "stagnation point is at %2, the rear one at %3. %4 %5")
        .arg(decimals(flow.alphaDegrees(), kAngleDecimals), point(flow.frontStagnationImage()),
             point(flow.rearStagnationImage()), lowestPressure(flow), spokenReadout(flow));
}

QString FlowText::pressurePane(const Flow &flow)
{
    return tr("Minus the pressure coefficient against the chord position, upper and lower "
              "side. %1")
        .arg(lowestPressure(flow));
}

QString FlowText::liftCurvePane(const Flow &flow)
{
    return tr("The lift coefficient and the moment coefficient about the quarter chord against "
              "the angle of attack from -15 to 15 degrees under the Kutta condition, with the "
              "thin-airfoil line 2π(α − α₀); the angle of %1 degrees is marked. The lift slope "
              "there is %2 per radian.")
        .arg(decimals(flow.alphaDegrees(), kAngleDecimals),
             decimals(flow.liftSlopeAt(flow.alphaDegrees()), kResultDecimals));
}

QString FlowText::clock(double seconds)
{
    return tr("t = %1 s").arg(decimals(seconds, 2));
}

QString FlowText::trailingEdgeLead(double seconds)
{
    if (std::isnan(seconds))
        return {};
    const QString amount = decimals(std::abs(seconds), 2);
    if (amount == decimals(0.0, 2))
        return tr("both sides reach the trailing edge together");
    return seconds < 0.0 ? tr("upper side reaches the trailing edge %1 s earlier").arg(amount)
                         : tr("upper side reaches the trailing edge %1 s later").arg(amount);
}

QString FlowText::angle(double degrees)
{
    return tr("%1 degrees").arg(numberText(degrees));
}

QString FlowText::circulation(double gamma)
{
    return tr("circulation %1").arg(numberText(gamma));
}

QString FlowText::noSharpEdge()
{
    return tr("No circle through +b can be drawn for these F and G: the b it needs is not a "
              "number the main window can draw. Change F or G.");
}

QString FlowText::sharpEdge()
{
    return tr("Sets b in the main window so that the circle passes through +b: the trailing edge "
              "becomes sharp");
}

} // namespace wingmap
