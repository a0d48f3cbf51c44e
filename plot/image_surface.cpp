#include "plot/image_surface.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cassert>
#include <cmath>

namespace wingmap {

namespace {

// Lines are clipped to the image grown by this margin, so that round caps
// and antialiasing at the edges come out as if nothing had been clipped.
constexpr long double kClipMargin = 2.0L;

// A coordinate that was infinite after the conversion to single precision
// stands for "beyond the pane" in that direction. Long double reaches far
// enough that this lies outside any pane whatever the mapping.
constexpr long double kFarAway = 1e4000L;

// Above this radius in device pixels a circle is drawn as the polyline of its
// arc across the pane: the painter is not given a curve thousands of pixels
// wide, and the sagitta of each chord stays far below a pixel.
constexpr long double kLargeRadius = 1e4L;
constexpr int kArcChords = 1024;

constexpr int kMaxClipSteps = 8;

struct ClipRect
{
    long double left, top, right, bottom;
};

enum Outcode { Inside = 0, Left = 1, Right = 2, Above = 4, Below = 8 };

int outcode(long double x, long double y, const ClipRect &r)
{
    int code = Inside;
    if (x < r.left)
        code |= Left;
    else if (x > r.right)
        code |= Right;
    if (y < r.top)
        code |= Above;
    else if (y > r.bottom)
        code |= Below;
    return code;
}

// Cohen-Sutherland clipping. A point moved onto an edge takes that edge's
// coordinate exactly, so a horizontal or vertical line keeps its position
// however far away its ends were.
bool clipSegment(long double &x1, long double &y1, long double &x2, long double &y2,
                 const ClipRect &r)
{
    int code1 = outcode(x1, y1, r);
    int code2 = outcode(x2, y2, r);
    for (int step = 0; step < kMaxClipSteps; ++step) {
        if ((code1 | code2) == Inside)
            return true;
        if ((code1 & code2) != Inside)
            return false;
        const int out = code1 != Inside ? code1 : code2;
        long double x = 0.0L;
        long double y = 0.0L;
        if (out & Above) {
            y = r.top;
            x = x1 + (x2 - x1) * ((r.top - y1) / (y2 - y1));
        } else if (out & Below) {
            y = r.bottom;
            x = x1 + (x2 - x1) * ((r.bottom - y1) / (y2 - y1));
        } else if (out & Left) {
            x = r.left;
            y = y1 + (y2 - y1) * ((r.left - x1) / (x2 - x1));
        } else {
            x = r.right;
            y = y1 + (y2 - y1) * ((r.right - x1) / (x2 - x1));
        }
        if (!std::isfinite(x) || !std::isfinite(y))
            return false;
        if (out == code1) {
            x1 = x;
            y1 = y;
            code1 = outcode(x1, y1, r);
        } else {
            x2 = x;
            y2 = y;
            code2 = outcode(x2, y2, r);
        }
    }
    // Only precision lost on ends astronomically far away gets here.
    return (code1 | code2) == Inside;
}

int penWidthFor(qreal ratio)
{
    return std::max(1, static_cast<int>(std::lround(ratio)));
}

} // namespace

QColor toQColor(Colour colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

// Paints operations onto the image with one painter, keeping the pen and
// the mapping between them.
struct ImageSurface::Renderer
{
    Renderer(QImage &image, Mapping &mapping, qreal ratio)
        : mapping(mapping), painter(&image), penWidth(penWidthFor(ratio)),
          // An odd pen width is centred on a pixel and an even one on a
          // pixel boundary, so straight lines never straddle two rows.
          offset(penWidth % 2 ? 0.5L : 0.0L), width(image.width()), height(image.height())
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
    }

    void render(const Operation &op)
    {
        const double *v = op.v;
        switch (op.kind) {
        case Operation::ScaleOp:
            if (isValid({v[0], v[1], v[2], v[3]}))
                mapping = {v[0], v[1], v[2], v[3]};
            break;
        case Operation::LineOp:
            drawLine(deviceX(farAway(v[0])), deviceY(farAway(v[1])), deviceX(farAway(v[2])),
                     deviceY(farAway(v[3])), op.colour);
            break;
        case Operation::CircleOp:
            drawCircle(v[0], v[1], v[2], op.colour);
            break;
        }
    }

    static long double farAway(double v)
    {
        if (std::isinf(v))
            return v > 0 ? kFarAway : -kFarAway;
        return v;
    }

    // Pixel k covers [k, k + 1).
    long double scaleX() const { return width / ((long double)mapping.x2 - mapping.x1); }
    long double scaleY() const { return height / ((long double)mapping.y2 - mapping.y1); }
    long double deviceX(long double x) const { return (x - mapping.x1) * scaleX() + offset; }
    long double deviceY(long double y) const { return (y - mapping.y1) * scaleY() + offset; }

    ~Renderer() { flushLines(); }

    // Segments of one colour in a row that join end to start are handed to
    // the painter as one polyline: one stroker set-up for a whole curve, and
    // no joint drawn twice.
    void flushLines()
    {
        if (pending.size() > 1)
            painter.drawPolyline(pending.data(), int(pending.size()));
        pending.clear();
    }

    void addSegment(const QPointF &from, const QPointF &to)
    {
        if (pending.empty() || pending.back() != from) {
            flushLines();
            pending.push_back(from);
        }
        pending.push_back(to);
    }

    void usePen(const QColor &colour)
    {
        if (hasPen && colour == penColour)
            return;
        flushLines();
        QPen pen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        // One device pixel wide: the painter's fast antialiased line path.
        pen.setCosmetic(penWidth == 1);
        painter.setPen(pen);
        penColour = colour;
        hasPen = true;
    }

    void drawLine(long double x1, long double y1, long double x2, long double y2,
                  const QColor &colour)
    {
        if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2))
            return;
        const ClipRect rect{-kClipMargin, -kClipMargin, width + kClipMargin, height + kClipMargin};
        if (!clipSegment(x1, y1, x2, y2, rect))
            return;
        assert(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2));
        usePen(colour);
        if (x1 == x2 || y1 == y2) {
            // Axis-parallel, such as the axes and the arms of the cross: the
            // band of pixels the pen covers, filled directly.
            flushLines();
            const long double half = penWidth / 2.0L;
            const QRectF band(double(std::min(x1, x2) - half), double(std::min(y1, y2) - half),
                              double(std::fabs(x2 - x1) + 2 * half),
                              double(std::fabs(y2 - y1) + 2 * half));
            painter.fillRect(band, colour);
            return;
        }
        addSegment(QPointF(double(x1), double(y1)), QPointF(double(x2), double(y2)));
    }

    void drawCircle(double x, double y, double radius, const QColor &colour)
    {
        const long double cx = deviceX(farAway(x));
        const long double cy = deviceY(farAway(y));
        const long double rx = std::fabs(radius * scaleX());
        const long double ry = std::fabs(radius * scaleY());
        if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(rx) || !std::isfinite(ry))
            return;

        const long double w = width;
        const long double h = height;
        // Nothing of the outline can reach the image grown by the margin.
        if (cx + rx < -kClipMargin || cx - rx > w + kClipMargin || cy + ry < -kClipMargin ||
            cy - ry > h + kClipMargin)
            return;

        if (std::max(rx, ry) <= kLargeRadius) {
            assert(std::isfinite(cx) && std::isfinite(cy) && std::isfinite(rx) &&
                   std::isfinite(ry));
            usePen(colour);
            flushLines();
            painter.drawEllipse(QPointF(double(cx), double(cy)), double(rx), double(ry));
            return;
        }
        drawHugeOutline(cx, cy, rx, ry, colour);
    }

    // Works in the circle's own normalised frame, where it is the unit
    // circle. The image subtends an angular window seen from the centre;
    // the arc across it is drawn as short chords.
    void drawHugeOutline(long double cx, long double cy, long double rx, long double ry,
                         const QColor &colour)
    {
        const long double w = width;
        const long double h = height;
        const long double corners[4][2] = {{0, 0}, {w, 0}, {0, h}, {w, h}};
        const long double nx = std::clamp(cx, 0.0L, w);
        const long double ny = std::clamp(cy, 0.0L, h);
        const long double nearest = std::hypot((nx - cx) / rx, (ny - cy) / ry);
        bool allInside = true;
        for (const auto &corner : corners) {
            if (std::hypot((corner[0] - cx) / rx, (corner[1] - cy) / ry) >= 1.0L)
                allInside = false;
        }
        if (allInside || nearest > 1.0L)
            return;

        const long double middle = std::atan2((h / 2 - cy) / ry, (w / 2 - cx) / rx);
        long double from = 0.0L;
        long double to = 0.0L;
        for (const auto &corner : corners) {
            long double angle = std::atan2((corner[1] - cy) / ry, (corner[0] - cx) / rx) - middle;
            angle = std::remainder(angle, 2.0L * 3.14159265358979323846264338327950288L);
            from = std::min(from, angle);
            to = std::max(to, angle);
        }
        long double px = cx + rx * std::cos(middle + from);
        long double py = cy + ry * std::sin(middle + from);
        for (int i = 1; i <= kArcChords; ++i) {
            const long double angle = middle + from + (to - from) * i / kArcChords;
            const long double qx = cx + rx * std::cos(angle);
            const long double qy = cy + ry * std::sin(angle);
            drawLine(px, py, qx, qy, colour);
            px = qx;
            py = qy;
        }
    }

    Mapping &mapping;
    QPainter painter;
    const int penWidth;
    const long double offset;
    const long double width;
    const long double height;
    QColor penColour;
    bool hasPen = false;
    std::vector<QPointF> pending;
};

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio)
{
    m_mapping = {0.0, 0.0, double(logicalSize.width()), double(logicalSize.height())};
    m_mappingAtCls = m_mapping;
    setGeometry(logicalSize, devicePixelRatio);
}

bool ImageSurface::isValid(const Mapping &m)
{
    return std::isfinite(m.x1) && std::isfinite(m.y1) && std::isfinite(m.x2) &&
           std::isfinite(m.y2) && m.x1 != m.x2 && m.y1 != m.y2;
}

void ImageSurface::setGeometry(QSize logicalSize, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0.0) || !std::isfinite(devicePixelRatio))
        devicePixelRatio = 1.0;
    const QSize size = logicalSize.expandedTo(QSize(1, 1));
    if (size == m_logicalSize && devicePixelRatio == m_ratio && !m_image.isNull())
        return;
    m_logicalSize = size;
    m_ratio = devicePixelRatio;
    const QSize device(std::max(1, int(std::lround(size.width() * m_ratio))),
                       std::max(1, int(std::lround(size.height() * m_ratio))));
    // Everything kept is painted again at the new resolution.
    m_image = QImage(device, QImage::Format_RGB32);
    m_image.fill(toQColor(kBackground));
    m_painted = 0;
    m_paintMapping = m_mappingAtCls;
}

const QImage &ImageSurface::image() const
{
    if (m_painted < m_operations.size()) {
        Renderer renderer(m_image, m_paintMapping, m_ratio);
        for (; m_painted < m_operations.size(); ++m_painted)
            renderer.render(m_operations[m_painted]);
    }
    return m_image;
}

void ImageSurface::Cls()
{
    m_operations.clear();
    m_mappingAtCls = m_mapping;
    m_paintMapping = m_mapping;
    m_painted = 0;
    m_image.fill(toQColor(kBackground));
}

void ImageSurface::Scale(double x1, double y1, double x2, double y2)
{
    m_operations.push_back({Operation::ScaleOp, {x1, y1, x2, y2}, {}});
    if (isValid({x1, y1, x2, y2}))
        m_mapping = {x1, y1, x2, y2};
}

void ImageSurface::Line(float x1, float y1, float x2, float y2)
{
    m_operations.push_back({Operation::LineOp, {x1, y1, x2, y2}, m_foreground});
}

void ImageSurface::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    m_operations.push_back({Operation::LineOp, {x1, y1, x2, y2}, toQColor(colour)});
}

void ImageSurface::Circle(float x, float y, float radius, Colour colour)
{
    m_operations.push_back({Operation::CircleOp, {x, y, radius, 0.0}, toQColor(colour)});
}

} // namespace wingmap
