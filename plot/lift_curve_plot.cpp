#include "plot/lift_curve_plot.h"

#include "plot/device_lines.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace wingmap {

namespace {

using plotframe::kNumberSpacing;

constexpr double kMarkRadius = 3.5; // the current α's circles, logical pixels
// The thin-airfoil line's dashes and gaps, in logical pixels.
constexpr double kDash = 4.0;
constexpr double kDashGap = 3.0;
// The coefficient axis' steps are these times a power of ten, from 0.1 up.
constexpr std::array kStepMantissas{1.0, 2.0, 5.0};
constexpr double kSmallestDecade = 0.1;
// Values beyond this size do not widen the axis: a range so large is no
// curve to read, and keeps the plot's coordinates from overflowing.
constexpr double kLargestValue = 1e12;
// A value within this share of a step of one of its multiples counts as on
// it, so that a rounding error does not add a step.
constexpr double kStepTolerance = 1e-9;

QString angleNumber(int k)
{
    return QString::number(LiftCurvePlot::kFirstAngle + k * LiftCurvePlot::kAngleStep);
}

QString coefficientNumber(double value)
{
    return QString::number(value, 'g', 6);
}

constexpr int angleTicks()
{
    return int((LiftCurvePlot::kLastAngle - LiftCurvePlot::kFirstAngle) /
               LiftCurvePlot::kAngleStep);
}

// Every α number if they fit side by side, else -15, 0 and 15.
constexpr int kAngleFallback = 3;

// The thin-airfoil line's pen: its width one line rule, its dashes as long
// in logical pixels at every ratio.
QPen thinPen(const DeviceLines &lines)
{
    const double width = lines.penWidth / lines.ratio;
    QPen pen(toQColor(LiftCurvePlot::kThinColour), width);
    pen.setDashPattern({kDash / width, kDashGap / width});
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

void LiftCurvePlot::setCurve(std::vector<Point> curve)
{
    m_curve = std::move(curve);
    m_lowest = 0.0;
    m_highest = 0.0;
    for (const Point &p : m_curve) {
        for (const double v : {p.lift, p.moment, p.thinLift}) {
            if (std::isfinite(v)) {
                m_lowest = std::min(m_lowest, v);
                m_highest = std::max(m_highest, v);
            }
        }
    }
}

LiftCurvePlot::Axis LiftCurvePlot::yAxis(double lowest, double highest, int maxSteps)
{
    lowest = std::clamp(std::isfinite(lowest) ? lowest : 0.0, -kLargestValue, 0.0);
    highest = std::clamp(std::isfinite(highest) ? highest : 0.0, 0.0, kLargestValue);
    maxSteps = std::max(maxSteps, 2);
    for (double decade = kSmallestDecade;; decade *= 10) {
        for (const double mantissa : kStepMantissas) {
            const double step = mantissa * decade;
            const double low = std::min(std::floor(lowest / step + kStepTolerance), -1.0);
            const double high = std::max(std::ceil(highest / step - kStepTolerance), 1.0);
            if (high - low <= maxSteps)
                return {low * step, high * step, step};
        }
    }
}

double LiftCurvePlot::xAt(const QRectF &plot, double alphaDegrees) const
{
    return plot.left() + (alphaDegrees - kFirstAngle) / (kLastAngle - kFirstAngle) * plot.width();
}

double LiftCurvePlot::yAt(const Layout &layout, double value) const
{
    const Axis &axis = layout.yAxis;
    return layout.plot.bottom() -
           (value - axis.low) / (axis.high - axis.low) * layout.plot.height();
}

LiftCurvePlot::Layout LiftCurvePlot::layout(const QPainter &painter, const QRectF &area) const
{
    const QFontMetricsF metrics = plotframe::fontMetrics(painter);
    const DeviceLines lines(devicePixelRatioOf(painter));
    const double h = metrics.height();
    const QString lastAngle = angleNumber(angleTicks());

    // The height, and so the step, does not depend on the numbers' width.
    Layout layout;
    const QRectF tall = plotframe::plotBox(area, metrics, lines, 0.0, m_texts.xTitle, lastAngle);
    if (tall.isEmpty())
        return layout;
    layout.yAxis = yAxis(m_lowest, m_highest, int(tall.height() / (kNumberSpacing * h)));
    const Axis &axis = layout.yAxis;
    std::vector<QString> yNumbers;
    double numberWidth = 0.0;
    for (long k = std::lround(axis.low / axis.step); k <= std::lround(axis.high / axis.step); ++k) {
        layout.yTicks.push_back(k * axis.step);
        yNumbers.push_back(coefficientNumber(k * axis.step));
        numberWidth = std::max(numberWidth, metrics.horizontalAdvance(yNumbers.back()));
    }
    const QRectF plot =
        plotframe::plotBox(area, metrics, lines, numberWidth, m_texts.xTitle, lastAngle);
    if (plot.isEmpty())
        return layout;
    layout.plot = plot;

    for (std::size_t i = 0; i < layout.yTicks.size(); ++i)
        layout.axisLabels.push_back(
            plotframe::yNumber(yNumbers[i], yAt(layout, layout.yTicks[i]), plot, metrics));
    std::vector<QString> xNumbers;
    std::vector<double> xs;
    for (int k = 0; k <= angleTicks(); ++k) {
        xNumbers.push_back(angleNumber(k));
        xs.push_back(xAt(plot, kFirstAngle + k * kAngleStep));
    }
    const std::vector<Label> xLabels = plotframe::xNumbers(
        xNumbers, xs, plot.width() / angleTicks(), kAngleFallback, plot, metrics);
    layout.axisLabels.insert(layout.axisLabels.end(), xLabels.begin(), xLabels.end());
    layout.axisLabels.push_back(plotframe::xTitle(m_texts.xTitle, xLabels.back(), metrics));
    layout.axisLabels.push_back(plotframe::yTitle(m_texts.yTitle, area, metrics));
    layout.legend =
        plotframe::legend({m_texts.lift, m_texts.moment, m_texts.thinLift}, area, metrics);

    layout.liftMark = markOn(&Point::lift, layout);
    layout.momentMark = markOn(&Point::moment, layout);
    return layout;
}

// The point of the drawn curve at the current α: between the two points
// around it, on the straight line that joins them.
std::optional<QPointF> LiftCurvePlot::markOn(double Point::*value, const Layout &layout) const
{
    const double alpha = m_currentAngle;
    if (!(alpha >= kFirstAngle && alpha <= kLastAngle))
        return std::nullopt;
    const auto at = [&](double v) -> std::optional<QPointF> {
        if (!std::isfinite(v))
            return std::nullopt;
        return QPointF(xAt(layout.plot, alpha), yAt(layout, v));
    };
    for (std::size_t i = 0; i < m_curve.size(); ++i) {
        const Point &a = m_curve[i];
        if (a.alphaDegrees == alpha)
            return at(a.*value);
        if (i + 1 < m_curve.size()) {
            const Point &b = m_curve[i + 1];
            if (a.alphaDegrees < alpha && alpha < b.alphaDegrees) {
                const double t = (alpha - a.alphaDegrees) / (b.alphaDegrees - a.alphaDegrees);
                return at(a.*value + t * (b.*value - a.*value));
            }
        }
    }
    return std::nullopt;
}

void LiftCurvePlot::paint(QPainter &painter, const QRectF &area) const
{
    paint(painter, area, m_foreground);
}

void LiftCurvePlot::paint(QPainter &painter, const QRectF &area, const QColor &foreground) const
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, toQColor(kBackground));
    const Layout layout = this->layout(painter, area);
    if (!layout.plot.isEmpty()) {
        const DeviceLines lines(devicePixelRatioOf(painter));
        const QRectF &plot = layout.plot;
        std::vector<double> xs;
        for (int k = 0; k <= angleTicks(); ++k)
            xs.push_back(xAt(plot, kFirstAngle + k * kAngleStep));
        std::vector<double> ys;
        for (const double tick : layout.yTicks)
            ys.push_back(yAt(layout, tick));
        plotframe::paintAxes(painter, plot, xs, ys, yAt(layout, 0.0), layout.axisLabels, lines,
                             foreground);
        plotframe::paintLegend(
            painter, layout.legend,
            {QPen(toQColor(kCurveColour)), QPen(toQColor(kMarkColour)), thinPen(lines)}, lines,
            foreground);
        paintAngleLine(painter, layout, lines, foreground);
        paintCurves(painter, layout, lines);
        paintMarks(painter, layout);
    }
    painter.restore();
}

// The curves, clipped to the plot, the thin-airfoil line first so that the
// exact curves lie over it. The dashed line is always one polyline, whose
// dashes run on across its points.
void LiftCurvePlot::paintCurves(QPainter &painter, const Layout &layout,
                                const DeviceLines &lines) const
{
    const QRectF &plot = layout.plot;
    const Axis &axis = layout.yAxis;
    const double ceiling = axis.high + (axis.high - axis.low);
    const double floor = axis.low - (axis.high - axis.low);
    const auto drawCurve = [&](double Point::*value, const QPen &pen, bool dashed) {
        painter.setPen(pen);
        std::vector<QPointF> run;
        const auto flush = [&] {
            if (dashed)
                painter.drawPolyline(run.data(), int(run.size()));
            else
                plotframe::drawRun(painter, run, lines);
            run.clear();
        };
        for (const Point &p : m_curve) {
            const double v = p.*value;
            if (!std::isfinite(p.alphaDegrees) || !std::isfinite(v)) {
                flush();
                continue;
            }
            run.emplace_back(xAt(plot, p.alphaDegrees), yAt(layout, std::clamp(v, floor, ceiling)));
        }
        flush();
    };
    const auto solid = [&](Colour colour) {
        QPen pen(toQColor(colour), lines.penWidth / lines.ratio);
        if (lines.penWidth > 1)
            pen.setCapStyle(Qt::FlatCap);
        return pen;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot.adjusted(0, -1, 1, 0), Qt::IntersectClip);
    drawCurve(&Point::thinLift, thinPen(lines), true);
    drawCurve(&Point::moment, solid(kMarkColour), false);
    drawCurve(&Point::lift, solid(kCurveColour), false);
    painter.restore();
}

// The current α's circles, the lift's over the moment's.
void LiftCurvePlot::paintMarks(QPainter &painter, const Layout &layout) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const auto &[mark, colour] :
         {std::pair{layout.momentMark, kMarkColour}, std::pair{layout.liftMark, kCurveColour}}) {
        if (mark) {
            painter.setBrush(toQColor(colour));
            painter.drawEllipse(*mark, kMarkRadius, kMarkRadius);
        }
    }
    painter.restore();
}

// The dotted line up from the current α on the axis, under the curves.
void LiftCurvePlot::paintAngleLine(QPainter &painter, const Layout &layout,
                                   const DeviceLines &lines, const QColor &foreground) const
{
    if (!(m_currentAngle >= kFirstAngle && m_currentAngle <= kLastAngle))
        return;
    const QRectF &plot = layout.plot;
    QPen dotted(foreground, lines.penWidth / lines.ratio, Qt::DotLine, Qt::FlatCap);
    painter.setPen(dotted);
    const double x = lines.snap(xAt(plot, m_currentAngle));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
}

} // namespace wingmap
