#include "plot/picture_export.h"

#include "plot/drawing.h"
#include "plot/lift_curve_plot.h"
#include "plot/pressure_plot.h"
#include "plot/speed_shading.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace wingmap {

namespace {

constexpr int kLogicalDpi = 96;
constexpr double kMetresPerInch = 0.0254;

} // namespace

PictureExport::PictureExport(const QList<Pane> &panes) : m_panes(panes)
{
    for (const Pane &pane : m_panes)
        m_bounds |= pane.area;
}

QSize PictureExport::size() const
{
    return m_bounds.size();
}

void PictureExport::paint(QPainter &painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), m_bounds.size()), toQColor(kPictureGap));
    for (const Pane &pane : m_panes) {
        const QRectF area(pane.area.translated(-m_bounds.topLeft()));
        if (pane.drawing)
            pane.drawing->paint(painter, area, toQColor(kPictureAxes));
        if (pane.drawing && pane.speedLegend)
            PaintSpeedLegend(painter, SpeedLegendArea(area, painter.font()),
                             toQColor(kPictureAxes));
        else if (pane.pressure)
            pane.pressure->paint(painter, area, toQColor(kPictureAxes));
        else if (pane.liftCurve)
            pane.liftCurve->paint(painter, area, toQColor(kPictureAxes));
    }
}

QImage PictureExport::image(qreal devicePixelRatio) const
{
    const QSize pixels(static_cast<int>(std::ceil(m_bounds.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(m_bounds.height() * devicePixelRatio)));
    QImage picture(pixels, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    const int dotsPerMetre = std::lround(devicePixelRatio * kLogicalDpi / kMetresPerInch);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&picture);
    paint(painter);
    return picture;
}

QByteArray PictureExport::png(qreal devicePixelRatio) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image(devicePixelRatio).save(&buffer, "PNG"))
        return {};
    return bytes;
}

QByteArray PictureExport::svg() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(m_bounds.size());
    generator.setViewBox(QRect(QPoint(0, 0), m_bounds.size()));
    generator.setResolution(kLogicalDpi);
    generator.setTitle(QStringLiteral("Wingmap"));
    QPainter painter(&generator);
    paint(painter);
    painter.end();
    return bytes;
}

} // namespace wingmap
