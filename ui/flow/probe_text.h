#ifndef WINGMAP_PROBE_TEXT_H
#define WINGMAP_PROBE_TEXT_H

#include <QCoreApplication>
#include <QString>

#include <complex>

namespace wingmap {

struct ProbeReading;
struct SurfaceProbe;

// The probe's line under the readout, and the same numbers in the same order
// for screen readers. Numbers with "." whatever the locale, three decimals
// and the turn one; complex numbers as "a + bi" or "a − bi".
class ProbeText
{
    Q_DECLARE_TR_FUNCTIONS(wingmap::ProbeText)

public:
    // "z = 0.300 + 1.400i ↔ ζ = 0.420 + 0.840i · |dζ/dz| = 1.375, turn 6.8° ·
    // q/U = 1.740 ↔ 1.266 · Cp = −2.027 ↔ −0.602 · ψ = 0.719 · φ = 0.290",
    // or only z (ζ) with the words that it lies inside the circle (profile).
    static QString line(const ProbeReading &reading);
    static QString spoken(const ProbeReading &reading);
    // Over the pressure plot: x/c and Cp of the upper and the lower side.
    static QString surfaceLine(const SurfaceProbe &probe);
    static QString spokenSurface(const SurfaceProbe &probe);

    // A number with three decimals (or `count`), a true minus sign, no "−0".
    static QString number(double value, int count = 3);
    static QString complex(std::complex<double> value);
};

} // namespace wingmap

#endif
