#ifndef WINGMAP_NUMBER_TEXT_H
#define WINGMAP_NUMBER_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace wingmap {

// The text written into a parameter field: at most 15 significant digits in
// the shortest form ("0.21", "1", "0.333333333333333"), "." as the decimal
// separator whatever the process locale, "0" for -0. Values that need an
// exponent are written as "1E+20" or "1.5E-05", which ReadNumber reads back.
// Non-finite values are written "nan", "inf" or "-inf" (ReadNumber reads 0).
std::string FormatNumber(double x);

// The value of the longest leading decimal number in the text. Blanks (space,
// tab, line feed) are skipped wherever they occur, also inside the number.
// Then: an optional sign, digits with at most one ".", and an optional
// exponent ("E" or "e", an optional sign, at least one digit; without a digit
// the number ends before the letter). Any other character ends the number.
// Text with no leading number reads 0. The result is the correctly rounded
// double of the digits read; beyond the double range it is +-infinity, below
// it +-0. Locale-independent; never fails; never reads past the text.
double ReadNumber(std::string_view text);

// A coordinate for a file: fixed-point with `decimals` decimals (0 to 17),
// "." whatever the locale; a value that rounds to zero is written without a
// sign ("0.000000", never "-0.000000"). Non-finite values: "inf", "-inf", "nan".
std::string FixedText(double value, int decimals);

// What ReadNumber made of a text, and where it stopped.
struct NumberReading
{
    double value = 0.0;    // what ReadNumber returns
    bool hasNumber = false; // the text begins (after blanks) with a number
    // The byte offset of the first character the number did not take (the
    // text's size when it took everything but blanks).
    std::size_t stop = 0;

    // The text is one number and blanks, nothing else.
    bool whole(std::string_view text) const { return hasNumber && stop == text.size(); }
};
NumberReading ReadNumberText(std::string_view text);

} // namespace wingmap

#endif
