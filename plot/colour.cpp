#include "plot/colour.h"

#include <QColor>

namespace wingmap {

QColor toQColor(Colour colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace wingmap
