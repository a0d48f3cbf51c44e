#ifndef WINGMAP_TESTS_CSV_TEXT_H
#define WINGMAP_TESTS_CSV_TEXT_H

// Reading the flow's CSV texts back in the tests, as another program would.
#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

namespace csvtext {

inline std::vector<std::string> split(const std::string &text, char at)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, at))
        parts.push_back(part);
    return parts;
}

// Read as the C library reads a file, whatever the locale: from_chars.
inline double number(const std::string &text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

} // namespace csvtext

#endif
