#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one test of what a user may type as a number, and the conversions that follow it.
// A number: blanks around it allowed, an optional sign, digits with at most one decimal
// separator, and at least one digit. The separator is "." or, where given, the user's own.
namespace numeric {

// The text without the blanks and tabs around it.
std::string_view trimBlanks(std::string_view text);

bool isNumeric(std::string_view text, std::string_view userSeparator = {});

// Nearest whole number, ties to even (2.5 -> 2, 3.5 -> 4). Empty when the text is not a number
// or its rounded value lies outside -32768..32767.
std::optional<short> toInteger16(std::string_view text, std::string_view userSeparator = {});

// Nearest 32-bit / 64-bit float. Empty when the text is not a number or is too large to be a
// finite number of that precision.
std::optional<float> toSingle(std::string_view text, std::string_view userSeparator = {});
std::optional<double> toDouble(std::string_view text, std::string_view userSeparator = {});

// General number format of a float: at most seven significant digits, no trailing zeros,
// exponent form only for very large or very small values ("12.97171", "25.9", "1.5E+07").
std::string formatGeneral(float value, std::string_view decimalSeparator = ".");

// A fixed number of decimals with ".", rounded once from the double's exact value; a value that
// rounds to zero has no sign ("-0.00" reads as a deviation that is not there).
std::string formatFixed(double value, int decimals);

}  // namespace numeric
