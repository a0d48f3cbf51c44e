#include "plot/cached_image.h"

#include <algorithm>
#include <cmath>

namespace wingmap {

void CachedImage::setGeometry(QSize logicalSize, qreal devicePixelRatio)
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
    m_image = QImage(device, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_ratio);
    m_stale = true;
}

} // namespace wingmap
