#ifndef WINGMAP_FLOW_TEXT_H
#define WINGMAP_FLOW_TEXT_H

#include "plot/flow_redraw.h"

#include <QCoreApplication>
#include <QString>

namespace wingmap {

class Flow;
struct Atmosphere;
struct SectionForces;

// Every word the Flow window says of the flow: why there is none and what to
// change, the readout line, what the panes show for screen readers, and how
// the angle bar and the sharp-edge button are described. Numbers are written
// with "." whatever the locale, and never as "-0.000".
class FlowText
{
    Q_DECLARE_TR_FUNCTIONS(wingmap::FlowText)

public:
    // What the advice may name: the parameters drawn, and whether the
    // "Sharp trailing edge" button can be pressed.
    struct Advice
    {
        double F = 0.0;
        double G = 0.0;
        double b = 0.0;
        bool sharpEdge = false;
    };

    static QString noFlowYet();
    // Why the panes were not redrawn, and only changes that help from the
    // state drawn. Empty for an outcome that was drawn.
    static QString refusal(FlowRedrawFailure failure, const FlowRefusal &refusal,
                           const Advice &advice);

    // "C_L = 0.438 · C_M,c/4 = 0.000 · Γ = 0.877 · α₀ = 0.00°", and a
    // sentence when the profile faces left.
    static QString readout(const Flow &flow);
    // The same numbers in words, for screen readers.
    static QString spokenReadout(const Flow &flow);
    // The panes for screen readers: what they show, where the stagnation
    // points are and where the pressure is lowest.
    static QString circlePane(const Flow &flow);
    static QString profilePane(const Flow &flow);
    static QString pressurePane(const Flow &flow);
    static QString liftCurvePane(const Flow &flow);

    // The time lines' clock: "t = 2.35 s".
    static QString clock(double seconds);
    // Which side's first time line reaches the trailing edge first, from
    // TimeLines::trailingEdgeLead: "upper side reaches the trailing edge
    // 0.42 s earlier". Empty when it could not be measured.
    static QString trailingEdgeLead(double seconds);

    // The angle bar's value in words: "4.5 degrees".
    static QString angle(double degrees);
    // The circulation bar's value in words: "circulation 1.05".
    static QString circulation(double gamma);
    // Why "Sharp trailing edge" cannot be pressed: the b it would write is
    // not a number the main window can draw.
    static QString noSharpEdge();
    // The button's tooltip while it can be pressed.
    static QString sharpEdge();

    // The forces group's line: the air and the forces on the section, or
    // what to type where the speed, the chord or the altitude is refused.
    static QString forces(const Atmosphere &air, const SectionForces &forces, double speed,
                          double chord, bool haveFlow);

    // The value with this many decimals, "." whatever the locale, no "-0".
    static QString decimals(double value, int count);
    // The value to 4 significant digits, "." whatever the locale: plainly
    // from 0.001 to 9999, else as "3.423 × 10⁶".
    static QString significant(double value);
};

} // namespace wingmap

#endif
