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
    const qreal ratio = devicePixelRatioF();
    const QSize size = contentsRect().size();
    if (m_stale || m_image.size() != size * ratio || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(size * ratio, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        QPainter painter(&m_image);
        painter.setFont(font());
        m_plot.paint(painter, QRectF(QPointF(0, 0), size));
        m_stale = false;
    }
    return m_image;
}

void PressurePane::followPalette()
{
    PlotPane::followPalette();
    m_plot.setForeground(
        readableOr(palette().color(QPalette::WindowText), toQColor(kBackground), Qt::black));
    m_stale = true;
}

} // namespace wingmap
