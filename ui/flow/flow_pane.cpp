#include "ui/flow/flow_pane.h"

#include "plot/drawing.h"
#include "plot/painter_surface.h"
#include "plot/speed_shading.h"
#include "ui/widgets/contrast.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace wingmap {

namespace {

constexpr double kShiftStep = 10.0;

} // namespace

FlowPane::FlowPane(QWidget *parent) : PlotPane(parent)
{
    setMouseTracking(true);
}

// A probe in progress reads the point now under it.
void FlowPane::setExtent(const PaneExtent &extent)
{
    m_extent = extent;
    if (m_probing && m_probePosition)
        probeAt(*m_probePosition);
}

double FlowPane::logicalPixel() const
{
    if (!m_extent || contentsRect().width() <= 0)
        return 0.0;
    return m_extent->pixelSize(contentsRect().width());
}

void FlowPane::setTimeLines(std::vector<TimeLine> lines)
{
    m_timeLines = std::move(lines);
    update(contentsRect());
}

void FlowPane::setSpeedLegend(bool shown)
{
    m_speedLegend = shown;
    update(contentsRect());
}

void FlowPane::setProbeMarks(const ProbeMarks &marks)
{
    m_marks = marks;
    update(contentsRect());
}

std::complex<double> FlowPane::plotPoint(QPointF position) const
{
    if (!m_extent)
        return {};
    const QRectF area(contentsRect());
    const double u = (position.x() - area.left()) / area.width();
    const double v = (position.y() - area.top()) / area.height();
    return {m_extent->left + u * (m_extent->right - m_extent->left),
            m_extent->top + v * (m_extent->bottom - m_extent->top)};
}

void FlowPane::paintEvent(QPaintEvent *event)
{
    PlotPane::paintEvent(event);
    if (!m_extent ||
        (m_timeLines.empty() && m_marks.crosses.empty() && m_marks.rings.empty() && !m_speedLegend))
        return;
    QPainter painter(this);
    paintOverlay(painter);
    // The legend over everything, as in the picture.
    if (m_speedLegend)
        PaintSpeedLegend(painter, SpeedLegendArea(QRectF(contentsRect()), font()),
                         plotForeground(palette()));
}

void FlowPane::paintOverlay(QPainter &painter)
{
    PainterSurface overlay(painter, QRectF(contentsRect()));
    overlay.setLineJoins(LineJoins::Overlap);
    overlay.Scale(m_extent->left, m_extent->top, m_extent->right, m_extent->bottom);
    const double pixel = logicalPixel();
    // Over the shading the time lines and marks have the drawing's halo.
    if (surface().drawing().halo()) {
        overlay.setHalo(toQColor(kHaloColour));
        DrawTimeLines(m_timeLines, pixel, overlay);
        DrawProbeMarks(m_marks, pixel, overlay);
        overlay.setHalo(QColor());
    }
    DrawTimeLines(m_timeLines, pixel, overlay);
    DrawProbeMarks(m_marks, pixel, overlay);
}

void FlowPane::probeAt(QPointF position)
{
    if (!m_extent || !QRectF(contentsRect()).contains(position)) {
        endProbe();
        return;
    }
    m_probing = true;
    m_probePosition = position;
    const std::complex<double> at = plotPoint(position);
    emit probed(at.real(), at.imag());
}

void FlowPane::endProbe()
{
    m_keyProbe.reset();
    m_probePosition.reset();
    if (!m_probing)
        return;
    m_probing = false;
    emit probeLeft();
}

void FlowPane::mouseMoveEvent(QMouseEvent *event)
{
    m_keyProbe.reset();
    probeAt(event->position());
    PlotPane::mouseMoveEvent(event);
}

void FlowPane::leaveEvent(QEvent *event)
{
    if (!hasFocus() || !m_keyProbe)
        endProbe();
    PlotPane::leaveEvent(event);
}

void FlowPane::focusOutEvent(QFocusEvent *event)
{
    if (m_keyProbe)
        endProbe();
    PlotPane::focusOutEvent(event);
}

void FlowPane::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    QPointF step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1.0, 0.0};
        break;
    case Qt::Key_Right:
        step = {1.0, 0.0};
        break;
    case Qt::Key_Up:
        step = {0.0, -1.0};
        break;
    case Qt::Key_Down:
        step = {0.0, 1.0};
        break;
    default:
        break;
    }
    if (step.isNull() || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)) {
        PlotPane::keyPressEvent(event);
        return;
    }
    // The first press puts the probe at the centre, the next ones move it.
    const QRectF area(contentsRect());
    QPointF at = area.center();
    if (m_keyProbe)
        at = *m_keyProbe + step * (modifiers == Qt::ShiftModifier ? kShiftStep : 1.0);
    // The last whole pixel of the area is still inside it.
    at.setX(std::clamp(at.x(), area.left(), area.right() - 1e-9));
    at.setY(std::clamp(at.y(), area.top(), area.bottom() - 1e-9));
    probeAt(at);
    m_keyProbe = at;
}

} // namespace wingmap
