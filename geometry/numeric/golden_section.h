#ifndef WINGMAP_NUMERIC_GOLDEN_SECTION_H
#define WINGMAP_NUMERIC_GOLDEN_SECTION_H

#include <numbers>

namespace wingmap::numeric {

// Golden-section search for the largest value of f on [low, high], until the
// bracket is at most `tolerance` wide. f is called once per point tried, in
// the order tried, so the caller can keep the best value it has seen; for a
// function with one peak in the bracket that is the peak to the tolerance.
template <typename Function>
void GoldenSectionMaximise(double low, double high, double tolerance, Function &&f)
{
    constexpr double kGolden = std::numbers::phi - 1.0;
    double left = high - kGolden * (high - low);
    double right = low + kGolden * (high - low);
    double leftValue = f(left);
    double rightValue = f(right);
    while (high - low > tolerance) {
        if (leftValue >= rightValue) {
            high = right;
            right = left;
            rightValue = leftValue;
            left = high - kGolden * (high - low);
            leftValue = f(left);
        } else {
            low = left;
            left = right;
            leftValue = rightValue;
            right = low + kGolden * (high - low);
            rightValue = f(right);
        }
    }
}

} // namespace wingmap::numeric

#endif
