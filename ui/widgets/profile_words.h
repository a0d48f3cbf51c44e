#ifndef WINGMAP_PROFILE_WORDS_H
#define WINGMAP_PROFILE_WORDS_H

#include <QCoreApplication>
#include <QString>

namespace wingmap {

// What every window says of a profile it cannot use, in one wording: the
// status line, the Flow window's readout and the coordinates export.
class ProfileWords
{
    Q_DECLARE_TR_FUNCTIONS(wingmap::ProfileWords)

public:
    // The measured shape could not be computed for these F, G and b.
    static QString notMeasured();
    // What to do about it.
    static QString changeALittle();
};

} // namespace wingmap

#endif
