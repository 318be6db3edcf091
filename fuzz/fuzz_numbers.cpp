// The numeric test and the conversions on any text, with no separator, "," or a two-byte one.
// They must agree with each other, and a whole number must be the nearest to the number read.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gauge/Numeric.h"

namespace {

void require(bool holds) {
    if (!holds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char* const separators[] = {"", ",", "\xd9\xab"};
    const std::string separator = separators[data[0] % 3];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const bool numeric = numeric::isNumeric(text, separator);
    const auto whole = numeric::toInteger16(text, separator);
    const auto single = numeric::toSingle(text, separator);
    const auto real = numeric::toDouble(text, separator);
    if (!numeric) {
        require(!whole && !single && !real);
        return 0;
    }
    // Every number fits a double as soon as it fits a float or a 16-bit integer.
    require(real || (!single && !whole));
    if (real) {
        require(std::isfinite(*real));
        if (whole)
            require(std::fabs(*real - *whole) <= 0.5);
        else
            require(std::fabs(*real) >= 32767.5);
    }
    if (single) {
        require(std::isfinite(*single));
        const std::string shown =
            numeric::formatGeneral(*single, separator.empty() ? "." : separator);
        // Seven significant digits read back give the same number to within half a unit of the
        // seventh; the exponent form is for display only.
        if (shown.find('E') == std::string::npos) {
            const auto back = numeric::toDouble(shown, separator);
            require(back.has_value());
            require(std::fabs(*back - *single) <= 5.000001e-7 * std::fabs(*single));
        }
    }
    return 0;
}
