#ifndef WINGMAP_LIFT_CURVE_PLOT_H
#define WINGMAP_LIFT_CURVE_PLOT_H

#include "plot/colour.h"
#include "plot/plot_frame.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <limits>
#include <optional>
#include <vector>

class QPainter;

namespace wingmap {

struct DeviceLines;

// The lift curve as a plot kept as data: the lift coefficient C_L and the
// moment coefficient about the quarter chord C_M,c/4 against the angle of
// attack α from -15° to 15°, the lift in blue, the moment in red and the
// thin-airfoil line dashed in dark grey, on the panes' light yellow, with
// the axes, their ticks and numbers ("." whatever the locale), their titles
// and a legend, as in the pressure plot. The current α is marked on the
// lift and the moment curve by a filled circle in the curve's colour, over
// a dotted vertical line at that α. The coefficient axis runs over a round
// range that holds every finite value and 0 with at least one step either
// side. paint() puts it on any painter, so the pane's image, an SVG file and
// a clipboard picture are three callers of one routine.
//
// The margins and the places of the words and numbers follow the painter's
// font, so that at any size none overlaps another or leaves the area (when
// the area leaves room for the axes at all).
class LiftCurvePlot
{
public:
    static constexpr double kFirstAngle = -15.0; // degrees
    static constexpr double kLastAngle = 15.0;
    static constexpr double kAngleStep = 5.0; // between the α ticks
    // The thin-airfoil line's colour, 0x00BBGGRR: a dark grey, apart from
    // the black axes, with a contrast of 6.1 : 1 on the light yellow.
    static constexpr Colour kThinColour = 0x606060;

    // The words on the plot, given by the window in the user's language.
    struct Texts
    {
        QString xTitle; // "α (°)"
        QString yTitle; // "C_L, C_M"
        QString lift;
        QString moment;
        QString thinLift;
    };

    // The coefficients at one angle of attack (degrees). A value that is
    // not finite draws nothing there.
    struct Point
    {
        double alphaDegrees = 0.0;
        double lift = 0.0;
        double moment = 0.0;
        double thinLift = 0.0;
    };

    // The coefficient axis: from `low` to `high`, both multiples of `step`,
    // with a tick and a number at every multiple.
    struct Axis
    {
        double low = -1.0;
        double high = 1.0;
        double step = 1.0;
    };

    using Label = PlotLabel;

    // Where paint() puts everything, in the painter's logical coordinates.
    struct Layout
    {
        QRectF plot; // the axes' box; empty when the area leaves no room
        Axis yAxis;
        std::vector<double> yTicks;    // values, from low to high
        std::vector<Label> axisLabels; // tick numbers and the axes' titles
        std::vector<Label> legend;     // the lift's, the moment's, the thin line's
        // The centres of the current α's marks; none when the angle is not
        // on the plot or the curve has no finite value there.
        std::optional<QPointF> liftMark;
        std::optional<QPointF> momentMark;
    };

    void setTexts(const Texts &texts) { m_texts = texts; }
    // Replaces the curve, its points by rising α; an empty one shows the
    // axes alone.
    void setCurve(std::vector<Point> curve);
    // The current angle of attack in degrees; outside -15..15 or NaN it is
    // not marked.
    void setCurrentAngle(double alphaDegrees) { m_currentAngle = alphaDegrees; }
    void setForeground(const QColor &colour) { m_foreground = colour; }
    QColor foreground() const { return m_foreground; }

    // The coefficient axis for values from `lowest` to `highest` (0
    // included) with at most `maxSteps` steps (at least 2): the smallest
    // step of 0.1, 0.2, 0.5, 1, 2, 5, 10, ... that rounds the range outwards
    // to its multiples, one step at least below 0 and one above, within
    // `maxSteps`.
    static Axis yAxis(double lowest, double highest, int maxSteps);

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
    double xAt(const QRectF &plot, double alphaDegrees) const;
    double yAt(const Layout &layout, double value) const;
    std::optional<QPointF> markOn(double Point::*value, const Layout &layout) const;

    void paintAngleLine(QPainter &painter, const Layout &layout, const DeviceLines &lines,
                        const QColor &foreground) const;
    void paintCurves(QPainter &painter, const Layout &layout, const DeviceLines &lines) const;
    void paintMarks(QPainter &painter, const Layout &layout) const;

    Texts m_texts;
    std::vector<Point> m_curve;
    double m_currentAngle = std::numeric_limits<double>::quiet_NaN();
    // The smallest and largest finite coefficient of the curve, 0 included.
    double m_lowest = 0.0;
    double m_highest = 0.0;
    QColor m_foreground = Qt::black;
};

} // namespace wingmap

#endif
