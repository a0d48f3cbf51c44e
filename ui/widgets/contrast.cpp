#include "ui/widgets/contrast.h"

#include "plot/colour.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace wingmap {

namespace {

// Lightness steps from a colour's own lightness to white or black.
constexpr int kShadeSteps = 100;

double linearChannel(float value)
{
    return value <= 0.04045f ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) +
           0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOr(const QColor &preferred, const QColor &background, const QColor &fallback)
{
    return contrastRatio(preferred, background) >= kReadableContrast ? preferred : fallback;
}

// White or black reads on any background (at 4.58 : 1 or better, on the
// mid-grey where both are weakest), so the walk towards the better of the
// two always ends in a readable shade.
QColor plotForeground(const QPalette &palette)
{
    return readableOr(palette.color(QPalette::WindowText), toQColor(kBackground), Qt::black);
}

QColor readableShade(const QColor &preferred, const QColor &background)
{
    if (contrastRatio(preferred, background) >= kReadableContrast)
        return preferred;
    const bool lighter =
        contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background);
    float hue = 0.0f;
    float saturation = 0.0f;
    float lightness = 0.0f;
    preferred.toHsl().getHslF(&hue, &saturation, &lightness);
    hue = std::max(hue, 0.0f); // -1 for greys
    for (int step = 1; step <= kShadeSteps; ++step) {
        const float t = float(step) / kShadeSteps;
        const float shade = lighter ? lightness + (1.0f - lightness) * t : lightness * (1.0f - t);
        const QColor candidate = QColor::fromHslF(hue, saturation, shade);
        if (contrastRatio(candidate, background) >= kReadableContrast)
            return candidate.toRgb();
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor focusColour(const QPalette &palette)
{
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor window = palette.color(QPalette::Window);
    return contrastRatio(highlight, window) >= kVisibleContrast
               ? highlight
               : palette.color(QPalette::WindowText);
}

} // namespace wingmap
