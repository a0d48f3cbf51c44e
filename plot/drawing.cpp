#include "plot/drawing.h"

#include "plot/painter_surface.h"

#include <QPainter>
#include <QRectF>

namespace wingmap {

void Drawing::Cls()
{
    m_operations.clear();
    m_shading = Shading{};
    m_rangeAtStart = m_range;
}

void Drawing::Scale(double x1, double y1, double x2, double y2)
{
    m_operations.push_back({Operation::ScaleOp, {x1, y1, x2, y2}, false, 0});
    if (acceptsRange(x1, y1, x2, y2))
        m_range = Range{x1, y1, x2, y2};
}

void Drawing::Line(float x1, float y1, float x2, float y2)
{
    m_operations.push_back({Operation::LineOp, {x1, y1, x2, y2}, false, 0});
}

void Drawing::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    m_operations.push_back({Operation::LineOp, {x1, y1, x2, y2}, true, colour});
}

void Drawing::Circle(float x, float y, float radius, Colour colour)
{
    m_operations.push_back({Operation::CircleOp, {x, y, radius, 0.0}, true, colour});
}

void Drawing::Shade(const Shading &shading)
{
    m_shading = shading;
}

void Drawing::paint(QPainter &painter, const QRectF &area) const
{
    paint(painter, area, m_foreground);
}

void Drawing::paint(QPainter &painter, const QRectF &area, const QColor &foreground) const
{
    PainterSurface surface(painter, area);
    surface.setForeground(foreground);
    surface.setLineJoins(m_joins);
    surface.Cls();
    surface.Shade(m_shading);
    if (m_halo) {
        surface.setHalo(toQColor(kHaloColour));
        replay(surface);
        surface.setHalo(QColor());
    }
    replay(surface);
}

void Drawing::replay(PlotSurface &surface) const
{
    if (m_rangeAtStart) {
        const Range &r = *m_rangeAtStart;
        surface.Scale(r[0], r[1], r[2], r[3]);
    }
    // The kept values came from floats, so narrowing them back is exact.
    for (const Operation &op : m_operations) {
        const auto f = [&op](int k) { return static_cast<float>(op.v[k]); };
        switch (op.kind) {
        case Operation::ScaleOp:
            surface.Scale(op.v[0], op.v[1], op.v[2], op.v[3]);
            break;
        case Operation::LineOp:
            if (op.hasColour)
                surface.Line(f(0), f(1), f(2), f(3), op.colour);
            else
                surface.Line(f(0), f(1), f(2), f(3));
            break;
        case Operation::CircleOp:
            surface.Circle(f(0), f(1), f(2), op.colour);
            break;
        }
    }
}

} // namespace wingmap
