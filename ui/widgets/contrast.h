#ifndef WINGMAP_CONTRAST_H
#define WINGMAP_CONTRAST_H

#include <QColor>

class QPalette;

namespace wingmap {

// Text reads when its contrast with the background is at least 4.5 : 1.
inline constexpr double kReadableContrast = 4.5;
// A focus indication stands out when its contrast with what surrounds it is
// at least 3 : 1.
inline constexpr double kVisibleContrast = 3.0;

// The relative luminance of a colour, 0 for black to 1 for white, and the
// contrast ratio of two colours, from 1 (same luminance) to 21 (black and
// white), both as WCAG 2 defines them for sRGB.
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);

// `preferred` when it reads on `background`, else `fallback`.
QColor readableOr(const QColor &preferred, const QColor &background, const QColor &fallback);

// The colour of the axes and words drawn on the plots' light yellow in a
// window of this palette: its text colour where that reads on the yellow,
// else black.
QColor plotForeground(const QPalette &palette);

// `preferred` when it reads on `background`, else the nearest lighter (on a
// dark background) or darker (on a light one) shade of the same hue that
// does: a dark red on a dark window becomes a light red.
QColor readableShade(const QColor &preferred, const QColor &background);

// The colour that marks keyboard focus on a window of this palette: the
// highlight colour when it stands out from the window background, else the
// text colour.
QColor focusColour(const QPalette &palette);

} // namespace wingmap

#endif
