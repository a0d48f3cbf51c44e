#ifndef WINGMAP_TWIPS_H
#define WINGMAP_TWIPS_H

#include <QRect>

// The windows are laid out in twips, 1/1440 inch: 15 to a logical pixel.
constexpr int kTwipsPerPixel = 15;

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

#endif
