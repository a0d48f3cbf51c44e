#include "geometry/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

using wingmap::FormatNumber;
using wingmap::ReadNumber;

namespace {

struct ReadCase
{
    const char *text;
    double expected;
    // What the number leaves unread (blanks after it skipped): "" when the
    // text is one number, nullptr when it has none.
    const char *rest;
};

class ReadNumberTest : public testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber)
{
    const ReadCase &c = GetParam();
    const std::string_view text(c.text);
    const double value = ReadNumber(text);
    EXPECT_EQ(value, c.expected) << "text: \"" << c.text << "\"";
    EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << "text: \"" << c.text << "\"";

    const wingmap::NumberReading reading = wingmap::ReadNumberText(text);
    EXPECT_EQ(reading.value, value) << "text: \"" << c.text << "\"";
    EXPECT_EQ(reading.hasNumber, c.rest != nullptr) << "text: \"" << c.text << "\"";
    if (c.rest != nullptr) {
        EXPECT_EQ(text.substr(reading.stop), c.rest) << "text: \"" << c.text << "\"";
    }
    EXPECT_EQ(reading.whole(text), c.rest != nullptr && *c.rest == '\0')
        << "text: \"" << c.text << "\"";
}

constexpr const char *kNone = nullptr;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    testing::Values(
        // No leading number.
        ReadCase{"", 0.0, kNone}, ReadCase{"abc", 0.0, kNone}, ReadCase{",5", 0.0, kNone},
        ReadCase{".", 0.0, kNone}, ReadCase{"-", 0.0, kNone}, ReadCase{"+.", 0.0, kNone},
        ReadCase{"   ", 0.0, kNone}, ReadCase{"E5", 0.0, kNone}, ReadCase{"nan", 0.0, kNone},
        ReadCase{"inf", 0.0, kNone}, ReadCase{"\xc3\xa9", 0.0, kNone},
        // The number ends at the first character that cannot continue it.
        ReadCase{"1.5x", 1.5, "x"}, ReadCase{"0,5", 0.0, ",5"}, ReadCase{"1,5", 1.0, ",5"},
        ReadCase{"1.2.3", 1.2, ".3"}, ReadCase{"12abc", 12.0, "abc"},
        ReadCase{"0x10", 0.0, "x10"}, ReadCase{"7\xc3\xa9", 7.0, "\xc3\xa9"},
        ReadCase{"1 ,5", 1.0, ",5"},
        // Blanks are skipped anywhere, also inside the number and after it.
        ReadCase{" -0.3", -0.3, ""}, ReadCase{"- 0.3", -0.3, ""}, ReadCase{"1 2", 12.0, ""},
        ReadCase{"\t1\n.5", 1.5, ""}, ReadCase{"1 E 2", 100.0, ""}, ReadCase{"0.3 ", 0.3, ""},
        // Signs and points.
        ReadCase{"+5", 5.0, ""}, ReadCase{".5", 0.5, ""}, ReadCase{"5.", 5.0, ""},
        ReadCase{"-0", -0.0, ""}, ReadCase{"--1", 0.0, kNone},
        // Exponents: E or e, signed, and only with a digit.
        ReadCase{"1E2", 100.0, ""}, ReadCase{"1e2", 100.0, ""}, ReadCase{"2.5E-1", 0.25, ""},
        ReadCase{"1E+3", 1000.0, ""}, ReadCase{"1E", 1.0, "E"}, ReadCase{"1e", 1.0, "e"},
        ReadCase{"1E+", 1.0, "E+"}, ReadCase{"1E+x", 1.0, "E+x"}, ReadCase{"3e-", 3.0, "e-"},
        // Beyond the double range.
        ReadCase{"1e400", std::numeric_limits<double>::infinity(), ""},
        ReadCase{"-1e400", -std::numeric_limits<double>::infinity(), ""},
        ReadCase{"1e-400", 0.0, ""}, ReadCase{"-1e-400", -0.0, ""},
        ReadCase{"0.0001e-330", 0.0, ""},
        ReadCase{"123e99999999999999999999", std::numeric_limits<double>::infinity(), ""},
        ReadCase{"0e99999", 0.0, ""}));

TEST(ReadNumber, RoundsLongDigitStringsCorrectly)
{
    // 0.1 written with many trailing zeros still reads as the nearest double.
    EXPECT_EQ(ReadNumber("0.1" + std::string(5000, '0')), 0.1);
    EXPECT_EQ(ReadNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(ReadNumber("1" + std::string(300, '0')), 1e300);
}

TEST(ReadNumber, NeverReadsPastTheText)
{
    // A view into a larger buffer: digits beyond its end must not be read.
    const char buffer[] = "12345";
    EXPECT_EQ(ReadNumber(std::string_view(buffer, 2)), 12.0);
    EXPECT_EQ(ReadNumber(std::string_view(buffer, 0)), 0.0);
    const char exponent[] = "1E5";
    EXPECT_EQ(ReadNumber(std::string_view(exponent, 2)), 1.0);
}

TEST(FormatNumber, WritesTheShortestText)
{
    EXPECT_EQ(FormatNumber(0.0), "0");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(1.0), "1");
    EXPECT_EQ(FormatNumber(2.0), "2");
    EXPECT_EQ(FormatNumber(0.5), "0.5");
    EXPECT_EQ(FormatNumber(0.07), "0.07");
    EXPECT_EQ(FormatNumber(0.21), "0.21");
    EXPECT_EQ(FormatNumber(1.5), "1.5");
    EXPECT_EQ(FormatNumber(-0.3), "-0.3");
    EXPECT_EQ(FormatNumber(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatNumber(-2.0 / 3.0), "-0.666666666666667");
    EXPECT_EQ(FormatNumber(123456789012345.0), "123456789012345");
}

TEST(FormatNumber, WritesExponentsThatReadBack)
{
    EXPECT_EQ(FormatNumber(1e20), "1E+20");
    EXPECT_EQ(FormatNumber(1e-5), "1E-05");
    EXPECT_EQ(FormatNumber(-1.5e-7), "-1.5E-07");
    for (double x : {1e20, 1e-5, -1.5e-7, 1e300, 4.9e-324, 1.7976931348623157e308}) {
        const double back = ReadNumber(FormatNumber(x));
        EXPECT_NEAR(back / x, 1.0, 1e-14) << FormatNumber(x);
    }
}

TEST(FormatNumber, RoundTripsEveryScrollValueExactly)
{
    for (int i = 0; i <= 200; ++i) {
        const double x = i / 100.0;
        EXPECT_EQ(ReadNumber(FormatNumber(x)), x) << i << " / 100 -> " << FormatNumber(x);
    }
    for (int i = 10; i <= 30; ++i) {
        const double x = i / 10.0;
        EXPECT_EQ(ReadNumber(FormatNumber(x)), x) << i << " / 10 -> " << FormatNumber(x);
    }
}

TEST(FormatNumber, KeepsFifteenDigitsThroughTheRoundTrip)
{
    for (double x : {0.866025403784439, std::sqrt(0.75) - 0.1, 1.0 / 7.0, 0.9 - 1e-16}) {
        const double back = ReadNumber(FormatNumber(x));
        EXPECT_NEAR(back, x, std::abs(x) * 1e-14) << FormatNumber(x);
    }
}

// A process that adopts a comma-decimal locale (as a Qt application does from
// its environment) must still write and read "." only.
TEST(NumberText, IgnoresACommaDecimalLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char *comma = nullptr;
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            comma = name;
            break;
        }
    }
    if (comma == nullptr)
        GTEST_SKIP() << "no comma-decimal locale is installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_EQ(FormatNumber(0.21), "0.21");
    EXPECT_EQ(FormatNumber(1.5e-7), "1.5E-07");
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    EXPECT_EQ(ReadNumber("0,5"), 0.0);
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
