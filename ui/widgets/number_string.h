#ifndef WINGMAP_NUMBER_STRING_H
#define WINGMAP_NUMBER_STRING_H

#include "geometry/number_text.h"

#include <QString>

namespace wingmap {

// A number as the parameter fields write it ("0.21", "1", "1E+20"), with "."
// whatever the locale.
inline QString numberText(double value)
{
    return QString::fromStdString(FormatNumber(value));
}

} // namespace wingmap

#endif
