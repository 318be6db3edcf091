#include "gauge/CornerRadius.h"

#include <cmath>

#include "gauge/Numeric.h"

CornerRadius readCornerRadius(std::string_view text, std::optional<double> width,
                              std::optional<double> thickness, std::string_view userSeparator) {
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return {};
    if (!numeric::isNumeric(text, userSeparator))
        return {0, CornerRadiusFault::NotANumber};
    // A number beyond a double is beyond every wire too, on its side of zero.
    const bool minus = text.find('-') != std::string_view::npos;
    const double radius =
        numeric::toDouble(text, userSeparator).value_or(minus ? -HUGE_VAL : HUGE_VAL);
    if (radius < 0)
        return {radius, CornerRadiusFault::Negative};
    if (radius > 0 && thickness && radius > *thickness / 2)
        return {radius, CornerRadiusFault::OverHalfTheThickness};
    if (radius > 0 && width && radius > *width / 2)
        return {radius, CornerRadiusFault::OverHalfTheWidth};
    return {radius, CornerRadiusFault::None};
}

std::string_view cornerRadiusReason(CornerRadiusFault fault) {
    switch (fault) {
        case CornerRadiusFault::None:
            break;
        case CornerRadiusFault::NotANumber:
            return "is not a number";
        case CornerRadiusFault::Negative:
            return "is negative";
        case CornerRadiusFault::OverHalfTheThickness:
            return "is more than half the thickness";
        case CornerRadiusFault::OverHalfTheWidth:
            return "is more than half the width";
    }
    return {};
}
