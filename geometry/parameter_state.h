#ifndef WINGMAP_PARAMETER_STATE_H
#define WINGMAP_PARAMETER_STATE_H

#include <array>
#include <cstddef>

namespace wingmap {

// Entries in each point table, indices 0 to 500. The sampling uses 0 to 180.
inline constexpr std::size_t kTableSize = 501;

// A fixed table of doubles whose every access is bounds-checked: an index
// above 500 throws std::out_of_range instead of touching memory outside it.
class PointTable
{
public:
    double at(std::size_t index) const { return m_values.at(index); }
    void set(std::size_t index, double value) { m_values.at(index) = value; }
    static constexpr std::size_t size() { return kTableSize; }

private:
    std::array<double, kTableSize> m_values{};
};

// The main window's parameter record. Every field is 0 until written.
//
// F and G are the offsets of the circle centre to the left and upwards in
// units of b; b is the transformation parameter (critical points at +-b);
// a = 1 / b is the circle's radius in the plane normalised by b.
// Fb and Gb are F * b and G * b as taken when the F or G scroll bar last
// changed: nothing recomputes them when b changes.
struct ParameterState
{
    double F = 0.0;
    double G = 0.0;
    double b = 0.0;
    double a = 0.0;
    double Fb = 0.0;
    double Gb = 0.0;

    PointTable circle_x;
    PointTable circle_y;
    PointTable airfoil_x;
    PointTable airfoil_y;
};

} // namespace wingmap

#endif
