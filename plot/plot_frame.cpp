#include "plot/plot_frame.h"

#include "plot/device_lines.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace wingmap::plotframe {

namespace {

// The space between the last x number and the axis' title: half a line,
// so that "1" and "x/c" read as two words.
double titleGap(const QFontMetricsF &metrics)
{
    return metrics.height() / 2;
}

} // namespace

QFontMetricsF fontMetrics(const QPainter &painter)
{
    return painter.device() ? QFontMetricsF(painter.font(), painter.device())
                            : QFontMetricsF(painter.font());
}

QRectF plotBox(const QRectF &area, const QFontMetricsF &metrics, const DeviceLines &lines,
               double widestYNumber, const QString &xTitle, const QString &lastXNumber)
{
    const double h = metrics.height();
    const double left = kPad + widestYNumber + kGap + kTick;
    const double top = kPad + h + kGap + h / 2;
    const double bottom = std::max(kTick, h / 2) + kGap + h + kPad;
    const double right = kPad + metrics.horizontalAdvance(xTitle) + titleGap(metrics) +
                         metrics.horizontalAdvance(lastXNumber) / 2;
    const QRectF plot(
        QPointF(lines.snap(area.left() + left), lines.snap(area.top() + top)),
        QPointF(lines.snap(area.right() - right), lines.snap(area.bottom() - bottom)));
    if (!(plot.width() > 0.0) || !(plot.height() > 0.0))
        return {};
    return plot;
}

double xNumbersTop(const QRectF &plot, const QFontMetricsF &metrics)
{
    return plot.bottom() + std::max(kTick, metrics.height() / 2) + kGap;
}

PlotLabel yNumber(const QString &text, double y, const QRectF &plot, const QFontMetricsF &metrics)
{
    const double width = metrics.horizontalAdvance(text);
    const double h = metrics.height();
    return {text, QRectF(plot.left() - kTick - kGap - width, y - h / 2, width, h)};
}

std::vector<PlotLabel> xNumbers(const std::vector<QString> &texts, const std::vector<double> &xs,
                                double spacing, int fallbackEvery, const QRectF &plot,
                                const QFontMetricsF &metrics)
{
    double widest = 0.0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    const std::size_t every = spacing >= widest + kGap ? 1 : std::size_t(fallbackEvery);
    const double top = xNumbersTop(plot, metrics);
    std::vector<PlotLabel> numbers;
    for (std::size_t k = 0; k < texts.size() && k < xs.size(); k += every) {
        const double width = metrics.horizontalAdvance(texts[k]);
        numbers.push_back({texts[k], QRectF(xs[k] - width / 2, top, width, metrics.height())});
    }
    return numbers;
}

PlotLabel xTitle(const QString &text, const PlotLabel &lastNumber, const QFontMetricsF &metrics)
{
    return {text, QRectF(lastNumber.rect.right() + titleGap(metrics), lastNumber.rect.top(),
                         metrics.horizontalAdvance(text), metrics.height())};
}

PlotLabel yTitle(const QString &text, const QRectF &area, const QFontMetricsF &metrics)
{
    return {text, QRectF(area.left() + kPad, area.top() + kPad, metrics.horizontalAdvance(text),
                         metrics.height())};
}

std::vector<PlotLabel> legend(const std::vector<QString> &texts, const QRectF &area,
                              const QFontMetricsF &metrics)
{
    std::vector<PlotLabel> entries(texts.size());
    double x = area.right() - kPad;
    for (std::size_t i = texts.size(); i-- > 0;) {
        const double width = metrics.horizontalAdvance(texts[i]);
        x -= width;
        entries[i] = {texts[i], QRectF(x, area.top() + kPad, width, metrics.height())};
        x -= kGap + kLegendLine + kLegendSpacing;
    }
    return entries;
}

void paintAxes(QPainter &painter, const QRectF &plot, const std::vector<double> &tickXs,
               const std::vector<double> &tickYs, double zeroY,
               const std::vector<PlotLabel> &labels, const DeviceLines &lines,
               const QColor &foreground)
{
    QPen pen(foreground, lines.penWidth / lines.ratio);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (const double tickX : tickXs) {
        const double x = lines.snap(tickX);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
    }
    for (const double tickY : tickYs) {
        const double y = lines.snap(tickY);
        painter.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
    }
    QPen dotted = pen;
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    const double zero = lines.snap(zeroY);
    painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));

    painter.setPen(pen);
    const double ascent = fontMetrics(painter).ascent();
    for (const PlotLabel &label : labels)
        painter.drawText(QPointF(label.rect.left(), label.rect.top() + ascent), label.text);
}

void paintLegend(QPainter &painter, const std::vector<PlotLabel> &entries,
                 const std::vector<QPen> &samples, const DeviceLines &lines,
                 const QColor &foreground)
{
    const double ascent = fontMetrics(painter).ascent();
    for (std::size_t i = 0; i < entries.size() && i < samples.size(); ++i) {
        const PlotLabel &entry = entries[i];
        painter.setPen(QPen(foreground, lines.penWidth / lines.ratio));
        painter.drawText(QPointF(entry.rect.left(), entry.rect.top() + ascent), entry.text);
        QPen sample = samples[i];
        sample.setWidthF(lines.penWidth / lines.ratio);
        sample.setCapStyle(Qt::FlatCap);
        painter.setPen(sample);
        const double y = lines.snap(entry.rect.top() + ascent * 2 / 3);
        const double end = entry.rect.left() - kGap;
        painter.drawLine(QPointF(end - kLegendLine, y), QPointF(end, y));
    }
}

void drawRun(QPainter &painter, const std::vector<QPointF> &run, const DeviceLines &lines)
{
    if (lines.penWidth > 1)
        drawOverlappingSegments(painter, run.data(), int(run.size()), 1.0 / lines.ratio);
    else
        painter.drawPolyline(run.data(), int(run.size()));
}

} // namespace wingmap::plotframe
