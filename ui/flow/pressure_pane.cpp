#include "ui/flow/pressure_pane.h"

#include "geometry/flow/flow.h"
#include "geometry/flow/lift_curve.h"
#include "ui/widgets/contrast.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <limits>

namespace wingmap {

PressurePane::PressurePane(QWidget *parent) : PlotPane(parent)
{
    setMouseTracking(true);
    followPalette();
}

double PressurePane::chordFractionAt(QPointF position) const
{
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    if (m_view != View::Pressure)
        return none;
    // The plot's layout, for the font and the ratio it is painted with.
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(&probe);
    painter.setFont(font());
    const QRectF area(QPointF(0, 0), QSizeF(contentsRect().size()));
    const QRectF plot = m_plot.layout(painter, area).plot;
    const QPointF at = position - QPointF(contentsRect().topLeft());
    if (plot.isEmpty() || !plot.contains(at))
        return none;
    return (at.x() - plot.left()) / plot.width();
}

void PressurePane::mouseMoveEvent(QMouseEvent *event)
{
    const double chordFraction = chordFractionAt(event->position());
    if (std::isnan(chordFraction)) {
        if (m_probing)
            emit probeLeft();
        m_probing = false;
    } else {
        m_probing = true;
        emit probed(chordFraction);
    }
    PlotPane::mouseMoveEvent(event);
}

void PressurePane::leaveEvent(QEvent *event)
{
    if (m_probing)
        emit probeLeft();
    m_probing = false;
    PlotPane::leaveEvent(event);
}

void PressurePane::setView(View view)
{
    m_view = view;
    m_image.markStale();
    update();
}

void PressurePane::setLiftCurveTexts(const LiftCurvePlot::Texts &texts)
{
    m_liftCurve.setTexts(texts);
    m_image.markStale();
}

void PressurePane::setLiftCurve(const std::vector<LiftCurvePoint> &curve, double alphaDegrees)
{
    std::vector<LiftCurvePlot::Point> points;
    points.reserve(curve.size());
    for (const LiftCurvePoint &p : curve)
        points.push_back({p.alphaDegrees, p.lift, p.moment, p.thinLift});
    m_liftCurve.setCurve(std::move(points));
    m_liftCurve.setCurrentAngle(alphaDegrees);
    m_image.markStale();
    update();
}

void PressurePane::setTexts(const PressurePlot::Texts &texts)
{
    m_plot.setTexts(texts);
    m_image.markStale();
}

void PressurePane::setSides(const std::vector<SurfacePressure> &upper,
                            const std::vector<SurfacePressure> &lower)
{
    const auto points = [](const std::vector<SurfacePressure> &side) {
        std::vector<PressurePlot::Point> plotted;
        plotted.reserve(side.size());
        for (const SurfacePressure &p : side)
            plotted.push_back({p.x, p.cp});
        return plotted;
    };
    m_plot.setSides(points(upper), points(lower));
    m_image.markStale();
    update();
}

const QImage &PressurePane::contentsImage()
{
    m_image.setGeometry(contentsRect().size(), devicePixelRatioF());
    return m_image.image([this](QPainter &painter, const QRectF &area) {
        painter.setFont(font());
        if (m_view == View::LiftCurve)
            m_liftCurve.paint(painter, area);
        else
            m_plot.paint(painter, area);
    });
}

void PressurePane::followPalette()
{
    PlotPane::followPalette();
    m_plot.setForeground(plotForeground(palette()));
    m_liftCurve.setForeground(plotForeground(palette()));
    m_image.markStale();
}

} // namespace wingmap
