#ifndef WINGMAP_PRESSURE_PLOT_H
#define WINGMAP_PRESSURE_PLOT_H

#include <QColor>
#include <QString>

#include <vector>

class QPainter;
class QRectF;

namespace wingmap {

// The pressure along the surface as a plot kept as data: -Cp upwards
// against x/c from 0 to 1, the upper side in blue and the lower in red, on
// the panes' light yellow, with the axes, their ticks and numbers ("."
// whatever the locale), their titles and a legend. -Cp runs from -1 (a
// stagnation point, Cp = 1) up to the largest suction shown, a whole number
// from 1 to kTopLimit: higher values, and an unbounded one at a sharp edge,
// are clipped at the top. paint() puts it on any painter, so the pane's
// image, an SVG file and a clipboard picture are three callers of one
// routine.
class PressurePlot
{
public:
    static constexpr double kTopLimit = 6.0;

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

    void setTexts(const Texts &texts) { m_texts = texts; }
    // Replaces the sides; empty sides show the axes alone.
    void setSides(std::vector<Point> upper, std::vector<Point> lower);
    void setForeground(const QColor &colour) { m_foreground = colour; }
    QColor foreground() const { return m_foreground; }

    // The top of the -Cp axis for the sides now kept.
    double top() const { return m_top; }

    // Paints the plot over `area`, in the painter's logical coordinates (keep
    // it on whole logical pixels for crisp lines); the device-pixel ratio is
    // the painter's device's. The painter's state is as before when it
    // returns.
    void paint(QPainter &painter, const QRectF &area) const;
    // The same, with the axes, ticks and words in `foreground`.
    void paint(QPainter &painter, const QRectF &area, const QColor &foreground) const;

private:
    Texts m_texts;
    std::vector<Point> m_upper;
    std::vector<Point> m_lower;
    double m_top = 1.0;
    QColor m_foreground = Qt::black;
};

} // namespace wingmap

#endif
