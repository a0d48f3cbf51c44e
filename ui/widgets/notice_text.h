#ifndef WINGMAP_NOTICE_TEXT_H
#define WINGMAP_NOTICE_TEXT_H

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace wingmap {

// What the window tells beyond the shape drawn or the refusal: how the
// texts were read, a Scale too near 0 to draw, and why Check1 can leave a
// profile that crosses itself. Numbers are written with "." whatever the
// locale; the user's own texts are quoted as typed, shortened when long.
class NoticeText
{
    Q_DECLARE_TR_FUNCTIONS(wingmap::NoticeText)

public:
    struct Field
    {
        QString name; // as the window names it: F, G, b, Scale
        QString text;
    };

    // Says which fields are not wholly one number (blanks around it are
    // allowed) and what they read as: for one field what was read and where
    // the reading stopped (F reads as 1: "1,5" stops at ","), for several
    // their names. A text that stops at a comma adds that numbers use a
    // point. When the Scale is so near 0 that the drawing's single-precision
    // coordinates underflow, says so and what to change, and the fields are
    // only named. Empty when there is nothing to tell.
    static QString reading(const QList<Field> &fields, bool scaleUnderflows);

    // For a profile that crosses itself while Check1 holds b: the limit
    // follows the circle of the last F or G move, not the one drawn.
    static QString limitCrossing();
};

} // namespace wingmap

#endif
