#include "ui/widgets/profile_words.h"

namespace wingmap {

QString ProfileWords::notMeasured()
{
    return tr("The profile could not be measured with these values of F, G and b.");
}

QString ProfileWords::changeALittle()
{
    return tr("Change b, F or G a little.");
}

} // namespace wingmap
