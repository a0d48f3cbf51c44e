#ifndef WINGMAP_PLOT_FRAME_H
#define WINGMAP_PLOT_FRAME_H

#include <QColor>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QFontMetricsF;
class QPainter;

namespace wingmap {

struct DeviceLines;

// A word or number on a plot and the box it is written in: its advance by
// the font's height (ascent and descent), in logical pixels.
struct PlotLabel
{
    QString text;
    QRectF rect;
};

// The frame that the plots under the flow panes share, laid out from the
// painter's font: the axes along the left and bottom of the plot's box with
// their ticks, numbers and titles, the zero line dotted, and a legend at the
// top right, each entry a sample line before its words. The y title stands
// at the top left, in the line the legend shares; the x title follows the
// last number under the x axis.
namespace plotframe {

// Distances in logical pixels: from the area's edge to the words, between a
// word and its neighbour, a tick's length, a legend's sample line and the
// space between the legend's entries.
inline constexpr double kPad = 4.0;
inline constexpr double kGap = 3.0;
inline constexpr double kTick = 4.0;
inline constexpr double kLegendLine = 18.0;
inline constexpr double kLegendSpacing = 12.0;
// How far apart the numbers on the y axis must be, in lines of text.
inline constexpr double kNumberSpacing = 1.5;

// The metrics of the painter's font on its device.
QFontMetricsF fontMetrics(const QPainter &painter);

// The axes' box in `area`, its edges where lines lie crisp: at the left the
// widest y number and a tick; at the top a line of text (the y title and the
// legend) and half a number, for a number centred on the top edge; at the
// bottom the ticks, or half a number where that is more, and a line of
// numbers; at the right half the last x number and the x title after it.
// Empty when the area leaves no room.
QRectF plotBox(const QRectF &area, const QFontMetricsF &metrics, const DeviceLines &lines,
               double widestYNumber, const QString &xTitle, const QString &lastXNumber);

// The top of the numbers under the x axis of `plot`.
double xNumbersTop(const QRectF &plot, const QFontMetricsF &metrics);

// A number left of the y axis of `plot`, centred on height y.
PlotLabel yNumber(const QString &text, double y, const QRectF &plot, const QFontMetricsF &metrics);

// The numbers under the x axis of `plot`, the k-th centred on xs[k]: all of
// them where the widest fits in `spacing`, the distance of two neighbours,
// else every `fallbackEvery`-th from the first.
std::vector<PlotLabel> xNumbers(const std::vector<QString> &texts, const std::vector<double> &xs,
                                double spacing, int fallbackEvery, const QRectF &plot,
                                const QFontMetricsF &metrics);

// The x title after the last x number, half a line from it, and the y title
// at the top left of `area`.
PlotLabel xTitle(const QString &text, const PlotLabel &lastNumber, const QFontMetricsF &metrics);
PlotLabel yTitle(const QString &text, const QRectF &area, const QFontMetricsF &metrics);

// The legend's words, in the order given, laid from the right edge of
// `area` leftwards at its top, each with room for its sample line before it.
std::vector<PlotLabel> legend(const std::vector<QString> &texts, const QRectF &area,
                              const QFontMetricsF &metrics);

// Paints the axes along the left and bottom of `plot`, ticks down from the
// bottom at the x positions and left from the left at the y positions, the
// line at height zeroY dotted, and the labels, all in `foreground`.
void paintAxes(QPainter &painter, const QRectF &plot, const std::vector<double> &tickXs,
               const std::vector<double> &tickYs, double zeroY,
               const std::vector<PlotLabel> &labels, const DeviceLines &lines,
               const QColor &foreground);

// Paints the legend's entries, each its words in `foreground` and before
// them a sample line in samples[k]'s colour and dash pattern (the width is
// set here).
void paintLegend(QPainter &painter, const std::vector<PlotLabel> &entries,
                 const std::vector<QPen> &samples, const DeviceLines &lines,
                 const QColor &foreground);

// Draws a curve's run of joined points with the painter's pen: one polyline
// for one-device-pixel lines, and at a ratio of 2 and more overlapping
// segments, which the raster engine fills many times faster than a joined
// polyline so wide (the pen must then have flat caps).
void drawRun(QPainter &painter, const std::vector<QPointF> &run, const DeviceLines &lines);

} // namespace plotframe

} // namespace wingmap

#endif
