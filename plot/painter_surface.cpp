#include "plot/painter_surface.h"

#include "plot/drawing.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>

namespace wingmap {

namespace {

// Segments are clipped to the area grown by this margin, in device pixels,
// so that round caps and antialiasing at the edges come out as if nothing
// had been clipped.
constexpr double kClipMargin = 2.0;

// Above this radius in device pixels a circle is drawn as the polyline of its
// arc across the area: the painter is not given a curve thousands of pixels
// wide, and the sagitta of each chord stays far below a pixel.
constexpr double kLargeRadius = 1e4;
constexpr int kArcChords = 1024;

bool isFinite(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

PainterSurface::PainterSurface(QPainter &painter, const QRectF &area)
    : m_painter(painter), m_lines(devicePixelRatioOf(painter))
{
    const qreal ratio = m_lines.ratio;
    m_width = area.width() * ratio;
    m_height = area.height() * ratio;
    m_usable = m_width > 0.0 && m_height > 0.0 && std::isfinite(m_width) &&
               std::isfinite(m_height) && std::isfinite(area.x()) && std::isfinite(area.y());
    m_painter.save();
    // From here on the painter works in the area's device pixels.
    m_painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio) *
                                QTransform::fromTranslate(area.x(), area.y()) *
                                m_painter.worldTransform());
    // Nothing spills out of the area: lines are clipped only to the area
    // grown by the margin, and a neighbouring pane may lie there.
    m_painter.setClipRect(QRectF(0.0, 0.0, m_width, m_height), Qt::IntersectClip);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setBrush(Qt::NoBrush);
    if (m_usable)
        setRange(0.0, 0.0, area.width(), area.height());
}

PainterSurface::~PainterSurface()
{
    flushLines();
    m_painter.restore();
}

void PainterSurface::setLineJoins(LineJoins joins)
{
    flushLines();
    m_overlap = joins == LineJoins::Overlap;
    m_hasPen = false;
}

void PainterSurface::setHalo(const QColor &colour)
{
    flushLines();
    m_halo = colour.isValid() ? QColor(colour.rgb()) : QColor();
}

PainterSurface::Stroke PainterSurface::strokeOf(const QColor &colour, int width) const
{
    if (m_halo.isValid())
        return {m_halo, DeviceLines::haloWidth(width)};
    return {colour, width};
}

PainterSurface::Stroke PainterSurface::strokeOf(Colour colour)
{
    const bool thin = (colour & kThinLine) != 0;
    if (colour != m_lastColour || !m_lastQColour.isValid()) {
        m_lastColour = colour;
        m_lastQColour = toQColor(colour);
        if (thin)
            m_lastQColour.setAlphaF(m_lines.thinOpacity);
    }
    return strokeOf(m_lastQColour, thin ? m_lines.thinWidth : m_lines.penWidth);
}

void PainterSurface::setRange(double x1, double y1, double x2, double y2)
{
    m_mapping = PaneMapping(x1, y1, x2, y2, m_width, m_height, m_lines.offset);
    m_userBox = m_mapping.userBox(kClipMargin);
}

void PainterSurface::Cls()
{
    flushLines();
    if (!m_usable)
        return;
    // Without antialiasing the raster engine fills whole pixels directly.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.fillRect(QRectF(0.0, 0.0, m_width, m_height), toQColor(kBackground));
    m_painter.setRenderHint(QPainter::Antialiasing);
}

void PainterSurface::Scale(double x1, double y1, double x2, double y2)
{
    if (m_usable && acceptsRange(x1, y1, x2, y2))
        setRange(x1, y1, x2, y2);
}

void PainterSurface::Line(float x1, float y1, float x2, float y2)
{
    drawLine(x1, y1, x2, y2, strokeOf(m_foreground, m_lines.penWidth));
}

void PainterSurface::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    // Thin lines (the flow net, the grid) go under the others' halo, not
    // in it: they would cover the shading with a mesh of their own.
    if (m_halo.isValid() && (colour & kThinLine) != 0)
        return;
    drawLine(x1, y1, x2, y2, strokeOf(colour));
}

void PainterSurface::Circle(float x, float y, float radius, Colour colour)
{
    if (!m_usable || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius))
        return;
    const QPointF centre = m_mapping.map(x, y);
    const QTransform &transform = m_mapping.transform();
    const double rx =
        std::fabs(std::ldexp(double(radius), m_mapping.exponentX()) * transform.m11());
    const double ry =
        std::fabs(std::ldexp(double(radius), m_mapping.exponentY()) * transform.m22());
    if (!isFinite(centre) || !std::isfinite(rx) || !std::isfinite(ry))
        return;
    const double cx = centre.x();
    const double cy = centre.y();
    // Nothing of the outline can reach the area grown by the margin.
    if (cx + rx < -kClipMargin || cx - rx > m_width + kClipMargin || cy + ry < -kClipMargin ||
        cy - ry > m_height + kClipMargin)
        return;

    const Stroke stroke = strokeOf(colour);
    if (std::max(rx, ry) <= kLargeRadius) {
        usePen(stroke);
        flushLines();
        m_painter.drawEllipse(centre, rx, ry);
        return;
    }
    drawHugeOutline(cx, cy, rx, ry, stroke);
}

void PainterSurface::Shade(const Shading &shading)
{
    flushLines();
    if (!m_usable || !shading.usable())
        return;
    QImage image(shading.width, shading.height, QImage::Format_RGB32);
    const Colour *colour = shading.colours.data();
    for (int j = 0; j < shading.height; ++j) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(j));
        for (int i = 0; i < shading.width; ++i, ++colour)
            row[i] = qRgb(redOf(*colour), greenOf(*colour), blueOf(*colour));
    }
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(QRectF(0.0, 0.0, m_width, m_height), image);
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2, const Stroke &stroke)
{
    Segment s{x1, y1, x2, y2};
    if (!m_usable || !clipSegment(s, m_userBox))
        return;
    drawDeviceLine(m_mapping.map(s.x1, s.y1), m_mapping.map(s.x2, s.y2), stroke);
}

void PainterSurface::drawDeviceLine(QPointF from, QPointF to, const Stroke &stroke)
{
    assert(isFinite(from) && isFinite(to));
    usePen(stroke);
    if (from.x() == to.x() || from.y() == to.y()) {
        // Axis-parallel, such as the axes and the arms of the cross: the
        // band of pixels the pen covers, filled directly.
        flushLines();
        const int width = stroke.width;
        const double half = width / 2.0;
        QRectF band(std::min(from.x(), to.x()) - half, std::min(from.y(), to.y()) - half,
                    std::fabs(to.x() - from.x()) + 2 * half,
                    std::fabs(to.y() - from.y()) + 2 * half);
        if (!m_lines.wholeRatio || width % 2 != m_lines.penWidth % 2) {
            // At a fractional ratio the logical pixels' centres fall anywhere
            // between device pixels, and a thin line's width may not match
            // the mapping's offset: the band goes to the nearest whole ones.
            const auto nearest = [](double v) { return std::floor(v + 0.5); };
            const double left = nearest(band.left());
            const double top = nearest(band.top());
            band = QRectF(left, top, std::max<double>(nearest(band.right()) - left, width),
                          std::max<double>(nearest(band.bottom()) - top, width));
        }
        m_painter.fillRect(band, stroke.colour);
        return;
    }
    addSegment(from, to);
}

// Works in the circle's own normalised frame, where it is the unit circle.
// The area subtends an angular window seen from the centre; the arc across
// it is drawn as short chords, clipped in device pixels.
void PainterSurface::drawHugeOutline(double cx, double cy, double rx, double ry,
                                     const Stroke &stroke)
{
    const double w = m_width;
    const double h = m_height;
    const double corners[4][2] = {{0, 0}, {w, 0}, {0, h}, {w, h}};
    const double nx = std::clamp(cx, 0.0, w);
    const double ny = std::clamp(cy, 0.0, h);
    const double nearest = std::hypot((nx - cx) / rx, (ny - cy) / ry);
    bool allInside = true;
    for (const auto &corner : corners) {
        if (std::hypot((corner[0] - cx) / rx, (corner[1] - cy) / ry) >= 1.0)
            allInside = false;
    }
    if (allInside || nearest > 1.0)
        return;

    const double middle = std::atan2((h / 2 - cy) / ry, (w / 2 - cx) / rx);
    double from = 0.0;
    double to = 0.0;
    for (const auto &corner : corners) {
        double angle = std::atan2((corner[1] - cy) / ry, (corner[0] - cx) / rx) - middle;
        angle = std::remainder(angle, 2.0 * std::numbers::pi);
        from = std::min(from, angle);
        to = std::max(to, angle);
    }
    const ClipBox deviceBox{-kClipMargin, -kClipMargin, w + kClipMargin, h + kClipMargin};
    // Each point is the one at angle `middle` moved along the circle by phi:
    // cos(m + phi) - cos(m) = -2 sin(m + phi / 2) sin(phi / 2), and likewise
    // for the sine, keep the small moves exact where cos(m + phi) itself
    // would round them away against the radius.
    const double baseX = cx + rx * std::cos(middle);
    const double baseY = cy + ry * std::sin(middle);
    const auto pointAt = [&](double phi) {
        const double chord = 2 * std::sin(phi / 2);
        return QPointF(baseX - rx * std::sin(middle + phi / 2) * chord,
                       baseY + ry * std::cos(middle + phi / 2) * chord);
    };
    QPointF p = pointAt(from);
    for (int i = 1; i <= kArcChords; ++i) {
        const QPointF q = pointAt(from + (to - from) * i / kArcChords);
        Segment chord{p.x(), p.y(), q.x(), q.y()};
        if (clipSegment(chord, deviceBox))
            drawDeviceLine({chord.x1, chord.y1}, {chord.x2, chord.y2}, stroke);
        p = q;
    }
}

void PainterSurface::usePen(const Stroke &stroke)
{
    if (m_hasPen && stroke.colour == m_penColour && stroke.width == m_penWidth)
        return;
    flushLines();
    // Overlapping segments need flat ends, which also keep them on the
    // raster engine's direct path.
    QPen pen(stroke.colour, stroke.width, Qt::SolidLine,
             m_overlap && stroke.width > 1 ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin);
    // One device pixel wide: the painter's fast antialiased line path.
    pen.setCosmetic(stroke.width == 1);
    m_painter.setPen(pen);
    m_penColour = stroke.colour;
    m_penWidth = stroke.width;
    m_hasPen = true;
}

// Segments of one colour in a row that join end to start are handed to the
// painter as one polyline: one stroker set-up for a whole curve, and no
// joint drawn twice.
void PainterSurface::addSegment(const QPointF &from, const QPointF &to)
{
    if (m_pending.empty() || m_pending.back() != from) {
        flushLines();
        m_pending.push_back(from);
    }
    m_pending.push_back(to);
}

void PainterSurface::flushLines()
{
    if (m_pending.size() > 1 && m_overlap && m_penWidth > 1)
        drawOverlappingSegments(m_painter, m_pending.data(), int(m_pending.size()), 1.0);
    else if (m_pending.size() > 1)
        m_painter.drawPolyline(m_pending.data(), int(m_pending.size()));
    m_pending.clear();
}

} // namespace wingmap
