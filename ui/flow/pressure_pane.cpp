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
