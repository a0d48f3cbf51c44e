#include "geometry/profile_shape.h"

#include "geometry/numeric/cosine_spacing.h"
#include "geometry/numeric/golden_section.h"
#include "geometry/private/profile_sides.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace wingmap {

namespace {

// Chord positions of the first search, cosine-spaced so that the nose is
// not skipped, and how closely the best of them is then narrowed down (far
// below the 0.01 wanted: at a smooth peak the value is then exact to 1e-8).
constexpr std::size_t kSearchSteps = 32;
constexpr double kPositionTolerance = 1e-4;
// The largest and the most negative camber on the search grid are both
// refined when their sizes are this close: the grid may misjudge which wins.
constexpr double kCamberTie = 0.01;
// Below this, a thickness or camber is rounding of an exact 0 (a profile
// traced out and back, a symmetric one); it is reported as 0 at the nose.
constexpr double kRoundingLevel = 1e-12;

struct Heights
{
    double upper = 0.0;
    double lower = 0.0;
};

struct Extremum
{
    double value = 0.0;
    double at = 0.0;
};

double thickness(const Heights &h)
{
    return h.upper - h.lower;
}

double camber(const Heights &h)
{
    return 0.5 * (h.upper + h.lower);
}

double negativeCamber(const Heights &h)
{
    return -camber(h);
}

Heights heightsAt(const ProfileSides &sides, double x)
{
    return {sides.pointAt(ProfileSides::Side::Upper, x).imag(),
            sides.pointAt(ProfileSides::Side::Lower, x).imag()};
}

class SearchGrid
{
public:
    explicit SearchGrid(const ProfileSides &sides)
    {
        for (std::size_t i = 0; i <= kSearchSteps; ++i) {
            m_x[i] = numeric::CosineSpacing(i, kSearchSteps);
            m_heights[i] = heightsAt(sides, m_x[i]);
        }
    }

    // The grid position where quantity is largest.
    std::size_t best(double (*quantity)(const Heights &)) const
    {
        std::size_t best = 0;
        for (std::size_t i = 1; i <= kSearchSteps; ++i) {
            if (quantity(m_heights[i]) > quantity(m_heights[best]))
                best = i;
        }
        return best;
    }

    double value(std::size_t i, double (*quantity)(const Heights &)) const
    {
        return quantity(m_heights[i]);
    }
    double x(std::size_t i) const { return m_x[i]; }

private:
    std::array<double, kSearchSteps + 1> m_x{};
    std::array<Heights, kSearchSteps + 1> m_heights{};
};

// The largest quantity near grid position `best`: a golden-section search
// between its neighbours on the exact sides.
Extremum refine(const ProfileSides &sides, const SearchGrid &grid, std::size_t best,
                double (*quantity)(const Heights &))
{
    Extremum result{grid.value(best, quantity), grid.x(best)};
    const auto consider = [&](double x) {
        const double value = quantity(heightsAt(sides, x));
        if (value > result.value)
            result = {value, x};
        return value;
    };

    numeric::GoldenSectionMaximise(grid.x(best == 0 ? 0 : best - 1),
                                   grid.x(best == kSearchSteps ? kSearchSteps : best + 1),
                                   kPositionTolerance, consider);
    return result;
}

// The camber of largest size, its sign kept.
Extremum largestCamber(const ProfileSides &sides, const SearchGrid &grid)
{
    const std::size_t highest = grid.best(camber);
    const std::size_t lowest = grid.best(negativeCamber);
    const double up = grid.value(highest, camber);
    const double down = grid.value(lowest, negativeCamber);
    Extremum high{up, grid.x(highest)};
    Extremum low{down, grid.x(lowest)};
    if (up >= (1.0 - kCamberTie) * down)
        high = refine(sides, grid, highest, camber);
    if (down >= (1.0 - kCamberTie) * up)
        low = refine(sides, grid, lowest, negativeCamber);
    return high.value >= low.value ? high : Extremum{-low.value, low.at};
}

Extremum withoutRounding(Extremum e)
{
    return std::abs(e.value) < kRoundingLevel ? Extremum{} : e;
}

} // namespace

ProfileShape MeasureProfile(double F, double G, double b)
{
    const ProfileSides sides(F, G, b);
    ProfileShape shape;
    shape.failure = sides.failure();
    if (!shape.ok())
        return shape;

    shape.chord = sides.chord();
    shape.leadingX = sides.leadingEdge().real();
    shape.leadingY = sides.leadingEdge().imag();
    shape.trailingX = sides.trailingEdge().real();
    shape.trailingY = sides.trailingEdge().imag();

    const SearchGrid grid(sides);
    const Extremum thickest = withoutRounding(refine(sides, grid, grid.best(thickness), thickness));
    shape.thickness = thickest.value;
    shape.thicknessAt = thickest.at;
    const Extremum cambered = withoutRounding(largestCamber(sides, grid));
    shape.camber = cambered.value;
    shape.camberAt = cambered.at;
    return shape;
}

} // namespace wingmap
