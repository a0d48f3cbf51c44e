#include "geometry/selig.h"

#include "geometry/number_text.h"
#include "geometry/numeric/cosine_spacing.h"
#include "geometry/private/profile_sides.h"

#include <cstddef>

namespace wingmap {

namespace {

// Intervals along each side: 2 * 80 + 1 = 161 points in all.
constexpr std::size_t kIntervalsPerSide = 80;

// Chord position of step k of kIntervalsPerSide, from the leading edge.
double chordPosition(std::size_t k)
{
    return numeric::CosineSpacing(k, kIntervalsPerSide);
}

void appendNumber(std::string &text, double value)
{
    text += FixedText(value, kCoordinateDecimals);
}

} // namespace

ProfileCoordinates SeligCoordinates(double F, double G, double b)
{
    return SeligCoordinates(ProfileSides(F, G, b));
}

ProfileCoordinates SeligCoordinates(const ProfileSides &sides)
{
    ProfileCoordinates coordinates;
    coordinates.failure = sides.failure();
    if (!coordinates.ok())
        return coordinates;

    coordinates.points.reserve(2 * kIntervalsPerSide + 1);
    coordinates.circleAngles.reserve(2 * kIntervalsPerSide + 1);
    const auto add = [&coordinates](const ProfileSides::SidePoint &p) {
        coordinates.points.push_back({p.point.real(), p.point.imag()});
        coordinates.circleAngles.push_back(p.angle);
    };
    for (std::size_t k = kIntervalsPerSide + 1; k-- > 0;)
        add(sides.sidePointAt(ProfileSides::Side::Upper, chordPosition(k)));
    for (std::size_t k = 1; k <= kIntervalsPerSide; ++k)
        add(sides.sidePointAt(ProfileSides::Side::Lower, chordPosition(k)));
    return coordinates;
}

std::string SeligText(std::string_view name, const std::vector<ChordPoint> &points)
{
    std::string text;
    text.reserve(name.size() + 1 + points.size() * 20);
    // A line break inside the name would turn its rest into a point line.
    for (const char c : name)
        text.push_back(c == '\n' || c == '\r' ? ' ' : c);
    text.push_back('\n');
    for (const ChordPoint &p : points) {
        appendNumber(text, p.x);
        text.push_back(' ');
        appendNumber(text, p.y);
        text.push_back('\n');
    }
    return text;
}

} // namespace wingmap
