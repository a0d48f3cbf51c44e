#include "geometry/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace wingmap {

namespace {

constexpr int kSignificantDigits = 15;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks the text one character at a time, stepping over blanks.
class BlankSkippingCursor
{
public:
    explicit BlankSkippingCursor(std::string_view text) : m_text(text) { skipBlanks(); }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance()
    {
        ++m_pos;
        skipBlanks();
    }
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t pos) { m_pos = pos; }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The decimal exponent of the leading significant digit of the number held
// in `digits` (mantissa text without sign, then "e" and the exponent), used
// only to tell an overflow from an underflow when from_chars reports a value
// outside the double range.
std::int64_t leadingExponent(std::string_view mantissa, std::int64_t exponent)
{
    std::int64_t integerDigits = 0;
    bool seenNonZero = false;
    std::int64_t zerosAfterPoint = 0;
    bool afterPoint = false;
    for (char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!afterPoint) {
            if (seenNonZero || c != '0') {
                seenNonZero = true;
                ++integerDigits;
            }
        } else if (!seenNonZero) {
            if (c != '0')
                break;
            ++zerosAfterPoint;
        }
    }
    const std::int64_t lead = integerDigits > 0 ? integerDigits - 1 : -zerosAfterPoint - 1;
    return lead + exponent;
}

} // namespace

std::string FormatNumber(double x)
{
    if (x == 0.0)
        return "0"; // also for -0
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::general, kSignificantDigits);
    std::string text(buffer.data(), result.ptr);
    if (std::isinf(ReadNumber(text))) {
        // Within 15-digit rounding of the largest double the rounded text
        // lies beyond it; write the 15-digit value just below instead. The
        // last mantissa digit is never 0 in the shortest form, so no borrow.
        const std::size_t exponentAt = text.find('e');
        --text[exponentAt - 1];
    }
    for (char &c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::string FixedText(double value, int decimals)
{
    // Room for the widest fixed-point double: sign, 309 digits, point, decimals.
    std::array<char, 330> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    const char *begin = buffer.data();
    const char *end = written.ptr;
    if (*begin == '-' && std::all_of(begin + 1, end, [](char c) { return c == '0' || c == '.'; }))
        ++begin;
    return std::string(begin, end);
}

double ReadNumber(std::string_view text)
{
    return ReadNumberText(text).value;
}

NumberReading ReadNumberText(std::string_view text)
{
    BlankSkippingCursor cursor(text);
    const std::size_t start = cursor.position();

    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }

    std::string mantissa;
    bool seenPoint = false;
    bool seenDigit = false;
    while (!cursor.atEnd()) {
        const char c = cursor.peek();
        if (isDigit(c)) {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        mantissa.push_back(c);
        cursor.advance();
    }
    if (!seenDigit)
        return {0.0, false, start};

    // The exponent counts only with at least one digit; otherwise the number
    // ends before the letter. Its value saturates far beyond any double.
    std::string exponentText;
    std::int64_t exponent = 0;
    if (cursor.peek() == 'E' || cursor.peek() == 'e') {
        const std::size_t letter = cursor.position();
        cursor.advance();
        bool exponentNegative = false;
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            exponentNegative = cursor.peek() == '-';
            cursor.advance();
        }
        std::string exponentDigits;
        while (isDigit(cursor.peek())) {
            exponentDigits.push_back(cursor.peek());
            exponent = std::min<std::int64_t>(exponent * 10 + (cursor.peek() - '0'), 1'000'000'000);
            cursor.advance();
        }
        if (exponentDigits.empty()) {
            cursor.rewind(letter);
            exponent = 0;
        } else {
            if (exponentNegative)
                exponent = -exponent;
            // Written into a buffer rather than as "e" + std::to_string(...):
            // the string concatenation trips a false -Wrestrict in g++ 12 at -O3.
            std::array<char, 24> digits{};
            const auto written =
                std::to_chars(digits.data(), digits.data() + digits.size(), exponent);
            exponentText.push_back('e');
            exponentText.append(digits.data(), written.ptr);
        }
    }

    const std::string number = mantissa + exponentText;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = leadingExponent(mantissa, exponent) >= 0 ? std::numeric_limits<double>::infinity()
                                                         : 0.0;
    }
    return {negative ? -value : value, true, cursor.position()};
}

} // namespace wingmap
