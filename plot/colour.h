#ifndef WINGMAP_COLOUR_H
#define WINGMAP_COLOUR_H

#include <cstdint>

class QColor;

namespace wingmap {

// A 24-bit colour laid out as 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kCurveColour = 0xFF0000; // pure blue
inline constexpr Colour kMarkColour = 0x0000FF;  // pure red
inline constexpr Colour kBackground = 0xC0FFFF;  // light yellow: the panes and the About window

constexpr int redOf(Colour c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

// The QColor of a 0x00BBGGRR colour.
QColor toQColor(Colour colour);

} // namespace wingmap

#endif
