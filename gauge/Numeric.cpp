#include "gauge/Numeric.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace numeric {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number rewritten for from_chars: no blanks, no "+", "." as the separator.
struct Canonical {
    bool negative = false;
    std::string digits;  // e.g. "12.5", ".5", "7."
    bool wholePartIsZero = true;
};

std::optional<Canonical> canonical(std::string_view text, std::string_view userSeparator) {
    text = trimBlanks(text);
    Canonical number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool seenSeparator = false;
    bool seenDigit = false;
    while (!text.empty()) {
        const char c = text.front();
        if (isDigit(c)) {
            seenDigit = true;
            if (!seenSeparator && c != '0')
                number.wholePartIsZero = false;
            number.digits += c;
            text.remove_prefix(1);
            continue;
        }
        std::size_t separatorLength = 0;
        if (c == '.') {
            separatorLength = 1;
        } else if (!userSeparator.empty() && text.starts_with(userSeparator)) {
            separatorLength = userSeparator.size();
        }
        if (separatorLength == 0 || seenSeparator)
            return std::nullopt;
        seenSeparator = true;
        number.digits += '.';
        text.remove_prefix(separatorLength);
    }
    if (!seenDigit)
        return std::nullopt;
    return number;
}

template <typename Float>
std::optional<Float> toFloat(std::string_view text, std::string_view userSeparator) {
    const auto number = canonical(text, userSeparator);
    if (!number)
        return std::nullopt;
    Float value{};
    const char* first = number->digits.data();
    const char* last = first + number->digits.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too many leading zeros after the separator is a tiny number, not an overflow.
        if (!number->wholePartIsZero)
            return std::nullopt;
        value = 0;
    } else if (error != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return number->negative ? -value : value;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isNumeric(std::string_view text, std::string_view userSeparator) {
    return canonical(text, userSeparator).has_value();
}

std::optional<short> toInteger16(std::string_view text, std::string_view userSeparator) {
    const auto number = canonical(text, userSeparator);
    if (!number)
        return std::nullopt;
    // Rounded once, on the decimal digits as typed: going through a double first would round
    // twice and move long numbers near .5 to the wrong side.
    const std::string_view digits = number->digits;
    const auto point = digits.find('.');
    std::string_view whole = digits.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    if (whole.size() > 5)
        return std::nullopt;  // at least 100000
    long magnitude = 0;
    for (const char c : whole) magnitude = magnitude * 10 + (c - '0');

    const char first = fraction.empty() ? '0' : fraction.front();
    const bool beyondHalf = first > '5' || (first == '5' && fraction.find_first_not_of('0', 1) !=
                                                                std::string_view::npos);
    const bool exactHalf = first == '5' && !beyondHalf;
    if (beyondHalf || (exactHalf && magnitude % 2 == 1))
        ++magnitude;

    const long value = number->negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<short>(value);
}

std::optional<float> toSingle(std::string_view text, std::string_view userSeparator) {
    return toFloat<float>(text, userSeparator);
}

std::optional<double> toDouble(std::string_view text, std::string_view userSeparator) {
    return toFloat<double>(text, userSeparator);
}

std::string formatFixed(double value, int decimals) {
    char digits[400];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    std::string text(digits, written.ptr);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string formatGeneral(float value, std::string_view decimalSeparator) {
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");

    // Seven significant digits, rounded once from the float's exact value: "d.dddddde+XX".
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                       std::chars_format::scientific, 6);
    std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    std::string digits{text[0]};
    digits += text.substr(2, 6);
    std::string_view exponentText = text.substr(text.find('e') + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 7 || exponent < -4) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += std::string(decimalSeparator) + digits.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + exp;
    }
    if (exponent < 0) {
        out += "0" + std::string(decimalSeparator) + std::string(-exponent - 1, '0') + digits;
        return out;
    }
    const std::size_t wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits)
        return out + digits + std::string(wholeDigits - digits.size(), '0');
    return out + digits.substr(0, wholeDigits) + std::string(decimalSeparator) +
           digits.substr(wholeDigits);
}

}  // namespace numeric
