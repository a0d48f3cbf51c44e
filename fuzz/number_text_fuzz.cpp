// Reading any text never fails or reads past it; every finite double keeps
// 15 significant digits through its text.
#include "fuzz/fuzz_check.h"
#include "geometry/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A heap copy of exactly the text: a read past its end is caught.
    const auto text = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(text.get(), data, size);
    const double value = wingmap::ReadNumber(std::string_view(text.get(), size));
    fuzzCheck(!std::isnan(value), "ReadNumber never gives NaN");

    if (size >= sizeof(double)) {
        double x = 0.0;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x)) {
            const std::string written = wingmap::FormatNumber(x);
            const double back = wingmap::ReadNumber(written);
            fuzzCheck(std::fabs(back - x) <= std::fabs(x) * 1e-14,
                      "ReadNumber(FormatNumber(x)) keeps 15 significant digits");
            fuzzCheck(written.find(',') == std::string::npos, "no comma in a written number");
        }
    }
    return 0;
}
