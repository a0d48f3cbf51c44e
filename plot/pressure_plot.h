#ifndef WINGMAP_PRESSURE_PLOT_H
#define WINGMAP_PRESSURE_PLOT_H

#include "plot/plot_frame.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QFontMetricsF;
class QPainter;

namespace wingmap {

struct DeviceLines;

// The pressure along the surface as a plot kept as data: -Cp upwards
// against x/c from 0 to 1, the upper side in blue and the lower in red, on
// the panes' light yellow, with the axes, their ticks and numbers ("."
// whatever the locale), their titles and a legend. -Cp runs from -1 (a
// stagnation point, Cp = 1) up to the largest suction shown, a whole number
// from 1 to kTopLimit: higher values, and an unbounded one at a sharp edge,
// are clipped at the top, and where a side leaves the plot through the top
// a small triangle in its colour points up. paint() puts it on any painter,
// so the pane's image, an SVG file and a clipboard picture are three callers
// of one routine.
//
// The margins and the places of the words and numbers follow the painter's
// font, so that at any size none overlaps another or leaves the area (when
// the area leaves room for the axes at all).
class PressurePlot
{
public:
    static constexpr double kTopLimit = 6.0;
    static constexpr double kBottomValue = -1.0; // -Cp at a stagnation point

    // The words on the plot, given by the window in the user's language.
    struct Texts
    {
        QString xTitle; // "x/c"
        QString yTitle; // "-Cp"
        QString upper;
        QString lower;
    };

    // Points of one side: chord position and Cp, by rising x/c. A Cp of
    // -infinity is unbounded suction; NaN draws nothing.
    struct Point
    {
        double x = 0.0;
        double cp = 0.0;
    };

    // A tick on the -Cp axis, and whether its number is written.
    struct Tick
    {
        int value = 0;
        bool labelled = true;
        bool operator==(const Tick &) const = default;
    };

    // A word or number and the box it is written in.
    using Label = PlotLabel;

    // Where paint() puts everything, in the painter's logical coordinates.
    struct Layout
    {
        QRectF plot; // the axes' box; empty when the area leaves no room
        std::vector<Tick> yTicks;
        std::vector<Label> axisLabels; // tick numbers and the axes' titles
        std::vector<Label> legend;     // the upper side's, then the lower's
        // The tips of the triangles where a side leaves through the top.
        std::vector<QPointF> upperMarks;
        std::vector<QPointF> lowerMarks;
    };

    void setTexts(const Texts &texts) { m_texts = texts; }
    // Replaces the sides; empty sides show the axes alone.
    void setSides(std::vector<Point> upper, std::vector<Point> lower);
    void setForeground(const QColor &colour) { m_foreground = colour; }
    QColor foreground() const { return m_foreground; }

    // The top of the -Cp axis for the sides now kept.
    double top() const { return m_top; }
    // The sides kept, as given.
    const std::vector<Point> &upper() const { return m_upper; }
    const std::vector<Point> &lower() const { return m_lower; }

    // The ticks of a -Cp axis from -1 to `top` with numbers `step` apart:
    // the bottom edge -1, then 0 and its multiples of `step` up to `top`.
    // The bottom edge is numbered only when the step is 1, where it does not
    // crowd the 0.
    static std::vector<Tick> yTicks(double top, int step);

    // The layout for the painter's font and its device's ratio over `area`.
    Layout layout(const QPainter &painter, const QRectF &area) const;

    // Paints the plot over `area`, in the painter's logical coordinates (keep
    // it on whole logical pixels for crisp lines); the device-pixel ratio is
    // the painter's device's. The painter's state is as before when it
    // returns.
    void paint(QPainter &painter, const QRectF &area) const;
    // The same, with the axes, ticks and words in `foreground`.
    void paint(QPainter &painter, const QRectF &area, const QColor &foreground) const;

private:
    void placeAxisLabels(Layout &layout, const QFontMetricsF &metrics, const QRectF &area) const;
    void placeLegend(Layout &layout, const QFontMetricsF &metrics, const QRectF &area) const;
    std::vector<QPointF> marksOf(const std::vector<Point> &side, const QRectF &plot) const;
    double yAt(const QRectF &plot, double minusCp) const;

    void paintAxes(QPainter &painter, const Layout &layout, const DeviceLines &lines,
                   const QColor &foreground) const;
    void paintLegend(QPainter &painter, const Layout &layout, const DeviceLines &lines,
                     const QColor &foreground) const;
    void paintSides(QPainter &painter, const Layout &layout, const DeviceLines &lines) const;

    Texts m_texts;
    std::vector<Point> m_upper;
    std::vector<Point> m_lower;
    double m_top = 1.0;
    QColor m_foreground = Qt::black;
};

} // namespace wingmap

#endif
