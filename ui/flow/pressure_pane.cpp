#include "ui/flow/pressure_pane.h"

#include "geometry/flow/flow.h"
#include "ui/widgets/contrast.h"

#include <QPainter>

namespace wingmap {

PressurePane::PressurePane(QWidget *parent) : PlotPane(parent)
{
    followPalette();
}

void PressurePane::setTexts(const PressurePlot::Texts &texts)
{
    m_plot.setTexts(texts);
    m_stale = true;
}

void PressurePane::setPressure(const std::vector<SurfacePressure> &points)
{
    // Both sides meet at the leading edge, the middle point.
    const std::size_t middle = points.size() / 2;
    std::vector<PressurePlot::Point> upper;
    std::vector<PressurePlot::Point> lower;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i <= middle)
            upper.push_back({points[middle - i].x, points[middle - i].cp});
        if (i >= middle)
            lower.push_back({points[i].x, points[i].cp});
    }
    m_plot.setSides(std::move(upper), std::move(lower));
    m_stale = true;
    update();
}

const QImage &PressurePane::contentsImage()
{
    if (m_stale)
        m_image.markStale();
    m_stale = false;
    m_image.setGeometry(contentsRect().size(), devicePixelRatioF());
    return m_image.image([this](QPainter &painter, const QRectF &area) {
        painter.setFont(font());
        m_plot.paint(painter, area);
    });
}

void PressurePane::followPalette()
{
    PlotPane::followPalette();
    m_plot.setForeground(
        readableOr(palette().color(QPalette::WindowText), toQColor(kBackground), Qt::black));
    m_stale = true;
}

} // namespace wingmap
