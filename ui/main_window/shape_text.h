#ifndef WINGMAP_SHAPE_TEXT_H
#define WINGMAP_SHAPE_TEXT_H

#include <QCoreApplication>
#include <QString>

namespace wingmap {

struct ProfileShape;

// What the two panes show, in words: for the status line and for screen
// readers. Numbers are written with "." whatever the locale.
class ShapeText
{
    Q_DECLARE_TR_FUNCTIONS(wingmap::ShapeText)

public:
    // The measured profile in one line, such as
    // "chord 3.96 · thickness 12.3 % at 25 % · camber 4.1 % at 50 %": the
    // chord to 3 significant digits; thickness and camber in % of the chord
    // with one decimal, the camber with its sign; positions in % of the chord
    // from the leading edge. A value that rounds to 0.0 has no position. A
    // profile without a measured shape is said in words.
    static QString profile(const ProfileShape &shape);

    // The circle pane: the circle's centre (-F*b, G*b) and radius 1, the
    // critical points -b and b, and whether b lies inside, on or outside
    // the circle.
    static QString circle(double F, double G, double b);
};

} // namespace wingmap

#endif
