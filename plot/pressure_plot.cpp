#include "plot/pressure_plot.h"

#include "plot/colour.h"
#include "plot/device_lines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace wingmap {

namespace {

// The triangle where a side leaves through the top: its tip on the top edge.
constexpr double kMarkHeight = 6.0;
constexpr double kMarkHalfWidth = 4.0;

constexpr int kXTicks = 5; // 0, 0.2, ..., 1
// The -Cp numbers' possible steps.
constexpr std::array kYSteps{1, 2, 5, 10};

double topFor(const std::vector<PressurePlot::Point> &upper,
              const std::vector<PressurePlot::Point> &lower)
{
    double largest = 1.0;
    for (const auto *side : {&upper, &lower}) {
        for (const PressurePlot::Point &p : *side) {
            if (std::isfinite(p.cp))
                largest = std::max(largest, -p.cp);
        }
    }
    return std::clamp(std::ceil(largest), 1.0, PressurePlot::kTopLimit);
}

QString xNumber(int k)
{
    return QString::number(double(k) / kXTicks, 'g', 2);
}

bool usable(const PressurePlot::Point &p)
{
    return !std::isnan(p.cp) && std::isfinite(p.x);
}

// Where the side between a and b, one above the top and one not, meets it.
double topCrossing(const PressurePlot::Point &a, const PressurePlot::Point &b, double top)
{
    const double va = -a.cp;
    const double vb = -b.cp;
    if (std::isinf(va))
        return a.x;
    if (std::isinf(vb))
        return b.x;
    return a.x + (top - va) / (vb - va) * (b.x - a.x);
}

} // namespace

void PressurePlot::setSides(std::vector<Point> upper, std::vector<Point> lower)
{
    m_upper = std::move(upper);
    m_lower = std::move(lower);
    m_top = topFor(m_upper, m_lower);
}

std::vector<PressurePlot::Tick> PressurePlot::yTicks(double top, int step)
{
    std::vector<Tick> ticks{{static_cast<int>(kBottomValue), step == 1}};
    for (int v = 0; v <= top; v += step)
        ticks.push_back({v, true});
    return ticks;
}

double PressurePlot::yAt(const QRectF &plot, double minusCp) const
{
    return plot.bottom() - (minusCp - kBottomValue) / (m_top - kBottomValue) * plot.height();
}

// The margins leave room for every -Cp number from the bottom edge to the
// top, whichever step the height allows.
PressurePlot::Layout PressurePlot::layout(const QPainter &painter, const QRectF &area) const
{
    const QFontMetricsF metrics = plotframe::fontMetrics(painter);
    const DeviceLines lines(devicePixelRatioOf(painter));
    double numberWidth = 0.0;
    for (int v = static_cast<int>(kBottomValue); v <= m_top; ++v)
        numberWidth = std::max(numberWidth, metrics.horizontalAdvance(QString::number(v)));

    Layout layout;
    const QRectF plot =
        plotframe::plotBox(area, metrics, lines, numberWidth, m_texts.xTitle, xNumber(kXTicks));
    if (plot.isEmpty())
        return layout;
    layout.plot = plot;
    placeAxisLabels(layout, metrics, area);
    placeLegend(layout, metrics, area);
    layout.upperMarks = marksOf(m_upper, plot);
    layout.lowerMarks = marksOf(m_lower, plot);
    return layout;
}

void PressurePlot::placeAxisLabels(Layout &layout, const QFontMetricsF &metrics,
                                   const QRectF &area) const
{
    const QRectF &plot = layout.plot;
    const double h = metrics.height();
    const double unit = plot.height() / (m_top - kBottomValue);
    int step = kYSteps.back();
    for (int candidate : kYSteps) {
        if (candidate * unit >= plotframe::kNumberSpacing * h) {
            step = candidate;
            break;
        }
    }
    layout.yTicks = yTicks(m_top, step);
    for (const Tick &tick : layout.yTicks) {
        if (tick.labelled)
            layout.axisLabels.push_back(plotframe::yNumber(QString::number(tick.value),
                                                           yAt(plot, tick.value), plot, metrics));
    }

    // Every x/c number if they fit side by side, else the ends alone.
    std::vector<QString> numbers;
    std::vector<double> xs;
    for (int k = 0; k <= kXTicks; ++k) {
        numbers.push_back(xNumber(k));
        xs.push_back(plot.left() + double(k) / kXTicks * plot.width());
    }
    const std::vector<Label> xLabels =
        plotframe::xNumbers(numbers, xs, plot.width() / kXTicks, kXTicks, plot, metrics);
    layout.axisLabels.insert(layout.axisLabels.end(), xLabels.begin(), xLabels.end());
    layout.axisLabels.push_back(plotframe::xTitle(m_texts.xTitle, xLabels.back(), metrics));
    layout.axisLabels.push_back(plotframe::yTitle(m_texts.yTitle, area, metrics));
}

void PressurePlot::placeLegend(Layout &layout, const QFontMetricsF &metrics,
                               const QRectF &area) const
{
    layout.legend = plotframe::legend({m_texts.upper, m_texts.lower}, area, metrics);
}

// Where the side crosses the top edge, each crossing; a stretch of the side
// wholly above the top has its mark at its first point.
std::vector<QPointF> PressurePlot::marksOf(const std::vector<Point> &side, const QRectF &plot) const
{
    std::vector<QPointF> marks;
    const auto mark = [&](double x) {
        marks.emplace_back(plot.left() + x * plot.width(), plot.top());
    };
    const Point *previous = nullptr;
    const Point *stretchStart = nullptr;
    bool wholeAbove = true;
    const auto endStretch = [&] {
        if (stretchStart && wholeAbove)
            mark(stretchStart->x);
        stretchStart = nullptr;
        wholeAbove = true;
    };
    for (const Point &p : side) {
        if (!usable(p)) {
            endStretch();
            previous = nullptr;
            continue;
        }
        const bool above = -p.cp > m_top;
        if (!stretchStart)
            stretchStart = &p;
        wholeAbove = wholeAbove && above;
        if (previous && above != (-previous->cp > m_top))
            mark(topCrossing(*previous, p, m_top));
        previous = &p;
    }
    endStretch();
    return marks;
}

void PressurePlot::paint(QPainter &painter, const QRectF &area) const
{
    paint(painter, area, m_foreground);
}

void PressurePlot::paint(QPainter &painter, const QRectF &area, const QColor &foreground) const
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, toQColor(kBackground));
    const Layout layout = this->layout(painter, area);
    if (!layout.plot.isEmpty()) {
        const DeviceLines lines(devicePixelRatioOf(painter));
        paintAxes(painter, layout, lines, foreground);
        paintLegend(painter, layout, lines, foreground);
        paintSides(painter, layout, lines);
    }
    painter.restore();
}

// The axes along the left and bottom, their ticks and numbers, the line
// -Cp = 0 dotted, and the titles.
void PressurePlot::paintAxes(QPainter &painter, const Layout &layout, const DeviceLines &lines,
                             const QColor &foreground) const
{
    const QRectF &plot = layout.plot;
    std::vector<double> xs;
    for (int k = 0; k <= kXTicks; ++k)
        xs.push_back(plot.left() + double(k) / kXTicks * plot.width());
    std::vector<double> ys;
    for (const Tick &tick : layout.yTicks)
        ys.push_back(yAt(plot, tick.value));
    plotframe::paintAxes(painter, plot, xs, ys, yAt(plot, 0.0), layout.axisLabels, lines,
                         foreground);
}

void PressurePlot::paintLegend(QPainter &painter, const Layout &layout, const DeviceLines &lines,
                               const QColor &foreground) const
{
    plotframe::paintLegend(painter, layout.legend,
                           {QPen(toQColor(kCurveColour)), QPen(toQColor(kMarkColour))}, lines,
                           foreground);
}

// The sides, clipped to the plot.
void PressurePlot::paintSides(QPainter &painter, const Layout &layout,
                              const DeviceLines &lines) const
{
    const QRectF &plot = layout.plot;
    const bool overlap = lines.penWidth > 1;
    const double ceiling = m_top + (m_top - kBottomValue);
    const double floor = kBottomValue - (m_top - kBottomValue);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto drawSide = [&](const std::vector<Point> &side, const QColor &colour) {
        QPen pen(colour, lines.penWidth / lines.ratio);
        if (overlap)
            pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        std::vector<QPointF> run;
        const auto flush = [&] {
            plotframe::drawRun(painter, run, lines);
            run.clear();
        };
        for (const Point &p : side) {
            if (!usable(p)) {
                flush();
                continue;
            }
            const double minusCp = std::clamp(-p.cp, floor, ceiling);
            run.emplace_back(plot.left() + p.x * plot.width(), yAt(plot, minusCp));
        }
        flush();
    };
    const QColor upper = toQColor(kCurveColour);
    const QColor lower = toQColor(kMarkColour);
    painter.save();
    painter.setClipRect(plot.adjusted(0, -1, 1, 0), Qt::IntersectClip);
    drawSide(m_upper, upper);
    drawSide(m_lower, lower);
    painter.restore();

    painter.setPen(Qt::NoPen);
    const auto drawMarks = [&](const std::vector<QPointF> &marks, const QColor &colour) {
        painter.setBrush(colour);
        for (const QPointF &tip : marks) {
            const QPolygonF triangle{tip, tip + QPointF(kMarkHalfWidth, kMarkHeight),
                                     tip + QPointF(-kMarkHalfWidth, kMarkHeight)};
            painter.drawPolygon(triangle);
        }
    };
    drawMarks(layout.upperMarks, upper);
    drawMarks(layout.lowerMarks, lower);
}

} // namespace wingmap
