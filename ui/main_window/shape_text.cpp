#include "ui/main_window/shape_text.h"

#include "geometry/circle.h"
#include "geometry/profile_shape.h"
#include "ui/widgets/profile_words.h"

#include <algorithm>
#include <cmath>

namespace wingmap {

namespace {

constexpr int kChordDigits = 3;
constexpr int kCircleDigits = 3;

QString chordText(double chord)
{
    const int magnitude = static_cast<int>(std::floor(std::log10(chord)));
    // Beyond 999 or below 0.01 the three digits take an exponent: 2.00e+20.
    if (magnitude >= kChordDigits || magnitude < -2)
        return QString::number(chord, 'e', kChordDigits - 1);
    int decimals = std::max(kChordDigits - 1 - magnitude, 0);
    // 9.996 rounds up to 10.0, one digit more than asked for.
    if (decimals > 0 &&
        std::round(chord * std::pow(10.0, decimals)) >= std::pow(10.0, kChordDigits))
        --decimals;
    return QString::number(chord, 'f', decimals);
}

// A fraction of the chord in % with one decimal; empty when it rounds to
// 0.0, so that no "-0.0" is shown.
QString percentText(double fraction)
{
    const QString text = QString::number(fraction * 100.0, 'f', 1);
    return text == "0.0" || text == "-0.0" ? QString() : text;
}

QString positionText(double fraction)
{
    return QString::number(std::lround(fraction * 100.0));
}

// Three significant digits, no "-0".
QString coordinateText(double value)
{
    return QString::number(value + 0.0, 'g', kCircleDigits);
}

} // namespace

QString ShapeText::profile(const ProfileShape &shape)
{
    switch (shape.failure) {
    case ShapeFailure::None:
        break;
    case ShapeFailure::NotSampled:
        return ProfileWords::notMeasured();
    case ShapeFailure::SelfCrossing:
        return tr("The profile crosses itself: it has no thickness or camber.");
    case ShapeFailure::NotSingleValued:
        return tr("A side of the profile turns back along the chord: thickness and camber are "
                  "undefined.");
    }

    const QString thickness = percentText(shape.thickness);
    const QString camber = percentText(shape.camber);
    const QString thicknessPart =
        thickness.isEmpty()
            ? tr("thickness %1 %").arg("0.0")
            : tr("thickness %1 % at %2 %").arg(thickness, positionText(shape.thicknessAt));
    const QString camberPart =
        camber.isEmpty() ? tr("camber %1 %").arg("0.0")
                         : tr("camber %1 % at %2 %").arg(camber, positionText(shape.camberAt));
    return tr("chord %1 · %2 · %3").arg(chordText(shape.chord), thicknessPart, camberPart);
}

QString ShapeText::circle(double F, double G, double b)
{
    const Circle model(F, G, b);
    const QString radius = coordinateText(Circle::radius());
    const QString x = coordinateText(model.centre().real());
    const QString y = coordinateText(model.centre().imag());
    const QString minusB = coordinateText(-b);
    const QString plusB = coordinateText(b);
    switch (model.plusBSide()) {
    case CircleSide::On:
        return tr("Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x "
                  "axis; %5 lies on the circle.")
            .arg(radius, x, y, minusB, plusB);
    case CircleSide::Inside:
        return tr("Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x "
                  "axis; %5 lies inside the circle.")
            .arg(radius, x, y, minusB, plusB);
    case CircleSide::Outside:
        break;
    }
    return tr("Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x axis; "
              "%5 lies outside the circle.")
        .arg(radius, x, y, minusB, plusB);
}

} // namespace wingmap
