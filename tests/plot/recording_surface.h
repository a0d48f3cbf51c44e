#ifndef WINGMAP_RECORDING_SURFACE_H
#define WINGMAP_RECORDING_SURFACE_H

#include "plot/plot_surface.h"

#include <optional>
#include <string>
#include <vector>

namespace wingmap::test {

// One call on a surface: which pane, which operation, its arguments (as
// passed, floats widened exactly) and its colour when one was given.
struct Call
{
    std::string pane;
    std::string op;
    std::vector<double> args;
    std::optional<Colour> colour;
};

// Records every call, in order, into a log that several surfaces can share.
class RecordingSurface : public PlotSurface
{
public:
    RecordingSurface(std::string name, std::vector<Call> &log) : m_name(std::move(name)), m_log(log)
    {
    }

    void Cls() override { m_log.push_back({m_name, "Cls", {}, {}}); }
    void Scale(double x1, double y1, double x2, double y2) override
    {
        m_log.push_back({m_name, "Scale", {x1, y1, x2, y2}, {}});
    }
    void Line(float x1, float y1, float x2, float y2) override
    {
        m_log.push_back({m_name, "Line", {x1, y1, x2, y2}, {}});
    }
    void Line(float x1, float y1, float x2, float y2, Colour colour) override
    {
        m_log.push_back({m_name, "Line", {x1, y1, x2, y2}, colour});
    }
    void Circle(float x, float y, float radius, Colour colour) override
    {
        m_log.push_back({m_name, "Circle", {x, y, radius}, colour});
    }
    // A shading is recorded by its size.
    void Shade(const Shading &shading) override
    {
        m_log.push_back({m_name, "Shade", {double(shading.width), double(shading.height)}, {}});
    }

private:
    std::string m_name;
    std::vector<Call> &m_log;
};

} // namespace wingmap::test

#endif
