#include "ui/flow/pressure_pane.h"

#include "geometry/flow/flow.h"
#include "geometry/flow/lift_curve.h"
#include "ui/widgets/contrast.h"

#include <QPainter>

namespace wingmap {

PressurePane::PressurePane(QWidget *parent) : PlotPane(parent)
{
    followPalette();
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
