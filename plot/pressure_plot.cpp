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

// Distances in logical pixels: from the area's edge to the words, between a
// word and its neighbour, a tick's length, a legend's sample line and the
// space between the legend's entries.
constexpr double kPad = 4.0;
constexpr double kGap = 3.0;
constexpr double kTick = 4.0;
constexpr double kLegendLine = 18.0;
constexpr double kLegendSpacing = 12.0;
// The triangle where a side leaves through the top: its tip on the top edge.
constexpr double kMarkHeight = 6.0;
constexpr double kMarkHalfWidth = 4.0;

constexpr int kXTicks = 5; // 0, 0.2, ..., 1
// The -Cp numbers' possible steps, and how far apart numbers must be, in
// lines of text.
constexpr std::array kYSteps{1, 2, 5, 10};
constexpr double kNumberSpacing = 1.5;

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

// The space between the last x/c number and the axis' title: half a line,
// so that "1" and "x/c" read as two words.
double titleGap(const QFontMetricsF &metrics)
{
    return metrics.height() / 2;
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

// The margins hold: at the left the widest -Cp number and its tick; at the
// top a line of text (the -Cp title and the legend) and half a number, for
// the top number centred on the top edge; at the bottom the ticks, or half a
// number where that is more, for the bottom number centred on the bottom
// edge, and a line of numbers; at the right half the last number and the x/c
// title after it.
PressurePlot::Layout PressurePlot::layout(const QPainter &painter, const QRectF &area) const
{
    const QFontMetricsF metrics = painter.device() ? QFontMetricsF(painter.font(), painter.device())
                                                   : QFontMetricsF(painter.font());
    const DeviceLines lines(devicePixelRatioOf(painter));
    const double h = metrics.height();
    double numberWidth = 0.0;
    for (int v = static_cast<int>(kBottomValue); v <= m_top; ++v)
        numberWidth = std::max(numberWidth, metrics.horizontalAdvance(QString::number(v)));
    const double left = kPad + numberWidth + kGap + kTick;
    const double top = kPad + h + kGap + h / 2;
    const double bottom = std::max(kTick, h / 2) + kGap + h + kPad;
    const double right = kPad + metrics.horizontalAdvance(m_texts.xTitle) + titleGap(metrics) +
                         metrics.horizontalAdvance(xNumber(kXTicks)) / 2;

    Layout layout;
    const QRectF plot(
        QPointF(lines.snap(area.left() + left), lines.snap(area.top() + top)),
        QPointF(lines.snap(area.right() - right), lines.snap(area.bottom() - bottom)));
    if (!(plot.width() > 0.0) || !(plot.height() > 0.0))
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
    const auto label = [&](const QString &text, double x, double y) {
        layout.axisLabels.push_back({text, QRectF(x, y, metrics.horizontalAdvance(text), h)});
    };

    const double unit = plot.height() / (m_top - kBottomValue);
    int step = kYSteps.back();
    for (int candidate : kYSteps) {
        if (candidate * unit >= kNumberSpacing * h) {
            step = candidate;
            break;
        }
    }
    layout.yTicks = yTicks(m_top, step);
    for (const Tick &tick : layout.yTicks) {
        if (!tick.labelled)
            continue;
        const QString number = QString::number(tick.value);
        label(number, plot.left() - kTick - kGap - metrics.horizontalAdvance(number),
              yAt(plot, tick.value) - h / 2);
    }

    // Every x/c number if they fit side by side, else the ends alone.
    double widest = 0.0;
    for (int k = 0; k <= kXTicks; ++k)
        widest = std::max(widest, metrics.horizontalAdvance(xNumber(k)));
    const int every = plot.width() / kXTicks >= widest + kGap ? 1 : kXTicks;
    const double numbersTop = plot.bottom() + std::max(kTick, h / 2) + kGap;
    for (int k = 0; k <= kXTicks; k += every) {
        const QString number = xNumber(k);
        label(number,
              plot.left() + double(k) / kXTicks * plot.width() -
                  metrics.horizontalAdvance(number) / 2,
              numbersTop);
    }
    label(m_texts.xTitle, layout.axisLabels.back().rect.right() + titleGap(metrics), numbersTop);
    label(m_texts.yTitle, area.left() + kPad, area.top() + kPad);
}

// The entries from the right edge leftwards, each its sample line before
// its text.
void PressurePlot::placeLegend(Layout &layout, const QFontMetricsF &metrics,
                               const QRectF &area) const
{
    double x = area.right() - kPad;
    for (const QString *text : {&m_texts.lower, &m_texts.upper}) {
        const double width = metrics.horizontalAdvance(*text);
        x -= width;
        layout.legend.insert(layout.legend.begin(),
                             {*text, QRectF(x, area.top() + kPad, width, metrics.height())});
        x -= kGap + kLegendLine + kLegendSpacing;
    }
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
    QPen pen(foreground, lines.penWidth / lines.ratio);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (int k = 0; k <= kXTicks; ++k) {
        const double x = lines.snap(plot.left() + double(k) / kXTicks * plot.width());
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
    }
    for (const Tick &tick : layout.yTicks) {
        const double y = lines.snap(yAt(plot, tick.value));
        painter.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
    }
    QPen dotted = pen;
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    const double zero = lines.snap(yAt(plot, 0.0));
    painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));

    painter.setPen(pen);
    const double ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
    for (const Label &label : layout.axisLabels)
        painter.drawText(QPointF(label.rect.left(), label.rect.top() + ascent), label.text);
}

void PressurePlot::paintLegend(QPainter &painter, const Layout &layout, const DeviceLines &lines,
                               const QColor &foreground) const
{
    const double ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
    const std::array<Colour, 2> colours{kCurveColour, kMarkColour};
    for (std::size_t i = 0; i < layout.legend.size(); ++i) {
        const Label &entry = layout.legend[i];
        painter.setPen(QPen(foreground, lines.penWidth / lines.ratio));
        painter.drawText(QPointF(entry.rect.left(), entry.rect.top() + ascent), entry.text);
        QPen sample(toQColor(colours[i]), lines.penWidth / lines.ratio);
        sample.setCapStyle(Qt::FlatCap);
        painter.setPen(sample);
        const double y = lines.snap(entry.rect.top() + ascent * 2 / 3);
        const double end = entry.rect.left() - kGap;
        painter.drawLine(QPointF(end - kLegendLine, y), QPointF(end, y));
    }
}

// The sides, clipped to the plot. At a ratio of 2 and more their lines are
// drawn as overlapping segments, which the raster engine fills many times
// faster than a joined polyline so wide.
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
            if (overlap)
                drawOverlappingSegments(painter, run.data(), int(run.size()), 1.0 / lines.ratio);
            else
                painter.drawPolyline(run.data(), int(run.size()));
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
