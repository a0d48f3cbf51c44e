#ifndef WINGMAP_PIXEL_CHECKS_H
#define WINGMAP_PIXEL_CHECKS_H

#include <QImage>
#include <QPointF>

// Colour tests for pixels of a drawn pane, tolerant of antialiased edges.
namespace pixels {

inline bool isBackground(QRgb p)
{
    return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 192;
}
// Mostly blue, as a curve pixel (antialiased edges included) is.
inline bool isBlue(QRgb p)
{
    return qBlue(p) > 150 && qRed(p) < 160 && qBlue(p) - qRed(p) > 60;
}
inline bool isRed(QRgb p)
{
    return qRed(p) > 150 && qBlue(p) < 120 && qRed(p) - qBlue(p) > 60;
}
inline bool isDark(QRgb p)
{
    return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
}

// Whether any pixel within `radius` of (x, y) satisfies the predicate.
template <typename Pred> bool near(const QImage &image, double x, double y, int radius, Pred pred)
{
    for (int j = int(y) - radius; j <= int(y) + radius; ++j)
        for (int i = int(x) - radius; i <= int(x) + radius; ++i)
            if (image.valid(i, j) && pred(image.pixel(i, j)))
                return true;
    return false;
}

// The centroid of all curve pixels, or (-1, -1) when there are none.
inline QPointF blueCentroid(const QImage &image)
{
    double sx = 0, sy = 0, count = 0;
    for (int j = 0; j < image.height(); ++j)
        for (int i = 0; i < image.width(); ++i)
            if (isBlue(image.pixel(i, j))) {
                sx += i + 0.5;
                sy += j + 0.5;
                count += 1;
            }
    return count > 0 ? QPointF(sx / count, sy / count) : QPointF(-1, -1);
}

// Whether a 196 x 196 circle-pane image, at ratio 1, shows the start
// drawing: the blue unit circle in +-1.5, red marks at (+-1, 0), the red
// cross at the origin and the dark axes.
inline bool showsStartCircle(const QImage &c, int x0 = 0, int y0 = 0)
{
    const double centre = 98.5;
    const double unit = 196.0 / 3.0;
    return near(c, x0 + centre, y0 + centre - unit, 1, isBlue) &&
           near(c, x0 + centre + unit, y0 + centre, 1, isBlue) &&
           !near(c, x0 + centre, y0 + centre - unit * 0.8, 3, isBlue) &&
           near(c, x0 + centre + unit, y0 + centre, 2, isRed) &&
           near(c, x0 + centre - unit, y0 + centre, 2, isRed) &&
           isRed(c.pixel(x0 + 98, y0 + 98 - 5)) && isDark(c.pixel(x0 + 98, y0 + 98 - 20)) &&
           isDark(c.pixel(x0 + 3, y0 + 98)) && isBackground(c.pixel(x0 + 3, y0 + 3));
}

// The same for the 396 x 196 airfoil pane: the flat blue segment from
// (-2, 0) to (2, 0) in +-3 by +-1.5 with red marks at (+-2, 0).
inline bool showsStartProfile(const QImage &a, int x0 = 0, int y0 = 0)
{
    const double ax = 198.5;
    const double unit = 396.0 / 6.0;
    return isBlue(a.pixel(x0 + int(ax + unit), y0 + 98)) &&
           isBlue(a.pixel(x0 + int(ax - unit * 1.5), y0 + 98)) &&
           isDark(a.pixel(x0 + int(ax + unit * 2.5), y0 + 98)) &&
           isBackground(a.pixel(x0 + int(ax + unit), y0 + 96)) &&
           near(a, x0 + ax + 2 * unit, y0 + 98.5, 2, isRed) &&
           near(a, x0 + ax - 2 * unit, y0 + 98.5, 2, isRed) &&
           !near(a, x0 + ax, y0 + 98.5, 2, isRed);
}

} // namespace pixels

#endif
