#include "plot/pressure_plot.h"

#include "plot/colour.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace wingmap {

namespace {

// The plot's margins round the axes, in logical pixels: room for the tick
// numbers and titles at the left and bottom, for the legend at the top.
constexpr double kLeft = 44.0;
constexpr double kRight = 12.0;
constexpr double kTop = 22.0;
constexpr double kBottom = 34.0;
constexpr double kTick = 4.0;
constexpr double kBottomValue = -1.0; // -Cp at a stagnation point
constexpr int kXTicks = 5;            // 0, 0.2, ..., 1
constexpr double kLegendLine = 18.0;

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

} // namespace

void PressurePlot::setSides(std::vector<Point> upper, std::vector<Point> lower)
{
    m_upper = std::move(upper);
    m_lower = std::move(lower);
    m_top = topFor(m_upper, m_lower);
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
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    // Lines one device pixel wide (two from ratio 2 on), centred on a pixel
    // or on a pixel boundary so that straight ones never straddle two rows.
    const double penWidth = std::max(1.0, std::floor(ratio + 1e-9));
    const double onPixel = (static_cast<int>(penWidth) % 2 ? 0.5 : 0.0) / ratio;
    const auto snap = [ratio, onPixel](double v) { return std::round(v * ratio) / ratio + onPixel; };

    const QRectF plot(QPointF(snap(area.left() + kLeft), snap(area.top() + kTop)),
                      QPointF(snap(area.right() - kRight), snap(area.bottom() - kBottom)));
    if (plot.width() <= 0.0 || plot.height() <= 0.0) {
        painter.restore();
        return;
    }
    const auto xAt = [&plot](double x) { return plot.left() + x * plot.width(); };
    const auto yAt = [&plot, this](double minusCp) {
        return plot.bottom() - (minusCp - kBottomValue) / (m_top - kBottomValue) * plot.height();
    };

    QPen pen(foreground, penWidth / ratio);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF metrics(painter.font());

    // The axes along the left and bottom, the line -Cp = 0 dotted.
    painter.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
    painter.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
    for (int k = 0; k <= kXTicks; ++k) {
        const double x = snap(xAt(double(k) / kXTicks));
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
        const QString number = QString::number(double(k) / kXTicks, 'g', 2);
        const double width = metrics.horizontalAdvance(number);
        painter.drawText(QPointF(x - width / 2, plot.bottom() + kTick + metrics.ascent()), number);
    }
    const int step = m_top - kBottomValue > 6.0 ? 2 : 1;
    for (int v = static_cast<int>(kBottomValue); v <= static_cast<int>(m_top); v += step) {
        const double y = snap(yAt(v));
        painter.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
        const QString number = QString::number(v);
        const double width = metrics.horizontalAdvance(number);
        painter.drawText(QPointF(plot.left() - kTick - 2 - width, y + metrics.ascent() / 2 - 1),
                         number);
    }
    QPen dotted = pen;
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    painter.drawLine(QPointF(plot.left(), snap(yAt(0.0))), QPointF(plot.right(), snap(yAt(0.0))));
    painter.setPen(pen);

    painter.drawText(QPointF(plot.right() - metrics.horizontalAdvance(m_texts.xTitle),
                             area.bottom() - metrics.descent() - 1),
                     m_texts.xTitle);
    painter.drawText(QPointF(area.left() + 4, area.top() + metrics.ascent() + 2), m_texts.yTitle);

    // The legend, at the top right.
    double legendX = plot.right();
    const double legendY = area.top() + metrics.ascent() + 2;
    const auto legendEntry = [&](const QString &text, const QColor &colour) {
        legendX -= metrics.horizontalAdvance(text);
        painter.setPen(pen);
        painter.drawText(QPointF(legendX, legendY), text);
        legendX -= 4 + kLegendLine;
        QPen sample(colour, penWidth / ratio);
        painter.setPen(sample);
        const double y = snap(legendY - metrics.ascent() / 3);
        painter.drawLine(QPointF(legendX, y), QPointF(legendX + kLegendLine, y));
        legendX -= 12;
    };
    legendEntry(m_texts.lower, toQColor(kMarkColour));
    legendEntry(m_texts.upper, toQColor(kCurveColour));

    // The sides, clipped to the plot; unbounded suction runs off the top.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot.adjusted(0, -1, 1, 0), Qt::IntersectClip);
    const double ceiling = m_top + (m_top - kBottomValue);
    const auto drawSide = [&](const std::vector<Point> &side, Colour colour) {
        QPainterPath path;
        bool open = false;
        for (const Point &p : side) {
            if (std::isnan(p.cp) || !std::isfinite(p.x)) {
                open = false;
                continue;
            }
            const double minusCp = std::min(-p.cp, ceiling);
            const QPointF at(xAt(p.x), yAt(minusCp));
            if (open)
                path.lineTo(at);
            else
                path.moveTo(at);
            open = true;
        }
        painter.setPen(QPen(toQColor(colour), penWidth / ratio));
        painter.drawPath(path);
    };
    drawSide(m_upper, kCurveColour);
    drawSide(m_lower, kMarkColour);
    painter.restore();
}

} // namespace wingmap
