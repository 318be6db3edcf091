#pragma once

#include <optional>
#include <string_view>

// The corner radius of a rectangular wire as the user types it. A blank entry means sharp
// corners. A radius the wire cannot have is refused where it is entered, for one reason each.
enum class CornerRadiusFault {
    None,
    NotANumber,
    Negative,
    OverHalfTheThickness,  // the corners would meet across the thickness
    OverHalfTheWidth,
};

struct CornerRadius {
    double mm = 0;  // 0 = sharp corners
    CornerRadiusFault fault = CornerRadiusFault::None;
};

// Reads the text with the numeric test of every entry. The width and the thickness bound the
// radius where they are known (given as numbers); 0 is sharp corners whatever they are.
CornerRadius readCornerRadius(std::string_view text, std::optional<double> width,
                              std::optional<double> thickness, std::string_view userSeparator = {});

// The reason in words, to follow the radius or its name: "is more than half the thickness".
std::string_view cornerRadiusReason(CornerRadiusFault fault);
