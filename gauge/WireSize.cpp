#include "gauge/WireSize.h"

#include <cctype>
#include <cmath>

#include "gauge/Numeric.h"

namespace {

// The gauge table's own factor (see GaugeTable.cpp): every system's area is worked out with it.
constexpr double kAreaFactor = 0.7853981;

bool endsWithUnit(std::string_view text, std::string_view unit) {
    if (text.size() < unit.size())
        return false;
    const std::string_view tail = text.substr(text.size() - unit.size());
    for (std::size_t k = 0; k < unit.size(); ++k) {
        if (std::tolower(static_cast<unsigned char>(tail[k])) != unit[k])
            return false;
    }
    return true;
}

bool allDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// "0.5" "1.06" "1.125" "6.00": at least two decimals, none beyond them that is a trailing zero.
std::string millimetres(int micrometres) {
    std::string text = std::to_string(micrometres / 1000) + ".";
    std::string decimals = std::to_string(1000 + micrometres % 1000).substr(1);
    if (decimals.back() == '0')
        decimals.pop_back();
    return text + decimals;
}

SizeReading readSwg(std::string_view number) {
    for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge) {
        if (gaugeNumber(gauge) == number)
            return {WireSize::swg(gauge)};
    }
    return {{}, SizeFault::UnknownSwg};
}

SizeReading readAwg(std::string_view number) {
    // Digits alone; a long run of them is far outside the range anyway.
    if (number.empty() || !allDigits(number))
        return {{}, SizeFault::AwgNotWhole};
    while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);
    const int value = number.size() > 3 ? kThinnestAwg + 1 : std::stoi(std::string(number));
    if (value < kThickestAwg || value > kThinnestAwg)
        return {{}, SizeFault::AwgOutside};
    return {WireSize::awg(value)};
}

// Worked out from the digits, so that "1.06" is 1060 micrometres exactly.
SizeReading readMetric(std::string_view number) {
    const auto point = number.find('.');
    std::string_view whole = number.substr(0, point);
    std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    if ((whole.empty() && decimals.empty()) || !allDigits(whole) || !allDigits(decimals))
        return {{}, SizeFault::MetricNotMm};
    while (!decimals.empty() && decimals.back() == '0') decimals.remove_suffix(1);
    if (decimals.size() > 3)
        return {{}, SizeFault::MetricTooFine};
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    if (whole.size() > 1)
        return {{}, SizeFault::MetricOutside};  // 10 mm or more
    const int wholeMm = whole.empty() ? 0 : whole.front() - '0';
    const int fraction = std::stoi(std::string(decimals) + std::string(3 - decimals.size(), '0'));
    const int micrometres = wholeMm * 1000 + fraction;
    if (micrometres < kThinnestMetricMicrometres || micrometres > kThickestMetricMicrometres)
        return {{}, SizeFault::MetricOutside};
    return {WireSize::metric(micrometres)};
}

}  // namespace

std::string sizeLabel(WireSize size) {
    switch (size.system) {
        case SizeSystem::Swg:
            return gaugeLabel(size.gauge());
        case SizeSystem::Metric:
            return millimetres(size.number) + " mm";
        case SizeSystem::Awg:
            return std::to_string(size.number) + " AWG";
    }
    return {};
}

double sizeDiameter(WireSize size) {
    switch (size.system) {
        case SizeSystem::Swg:
            return gaugeDiameter(size.gauge());
        case SizeSystem::Metric:
            return size.number / 1000.0;
        case SizeSystem::Awg:
            return 0.127 * std::pow(92.0, (36 - size.number) / 39.0);
    }
    return 0;
}

float sizeArea(WireSize size) {
    if (size.isSwg())
        return static_cast<float>(gaugeArea(size.gauge()));
    return static_cast<float>(std::pow(sizeDiameter(size), 2.0) * kAreaFactor);
}

std::string sizeAsTyped(WireSize size) {
    switch (size.system) {
        case SizeSystem::Swg:
            return gaugeNumber(size.gauge());
        case SizeSystem::Metric:
            return millimetres(size.number) + "mm";
        case SizeSystem::Awg:
            return std::to_string(size.number) + "awg";
    }
    return {};
}

std::string sizeInFileName(WireSize size) {
    switch (size.system) {
        case SizeSystem::Swg:
            return gaugeNumber(size.gauge()) + "SWG";
        case SizeSystem::Metric:
            return millimetres(size.number) + "mm";
        case SizeSystem::Awg:
            return std::to_string(size.number) + "AWG";
    }
    return {};
}

SizeReading readWireSize(std::string_view text) {
    text = numeric::trimBlanks(text);
    struct Unit {
        std::string_view name;
        SizeReading (*read)(std::string_view number);
    };
    constexpr Unit kUnits[] = {{"mm", readMetric}, {"awg", readAwg}, {"swg", readSwg}};
    for (const Unit& unit : kUnits) {
        if (endsWithUnit(text, unit.name))
            return unit.read(numeric::trimBlanks(text.substr(0, text.size() - unit.name.size())));
    }
    return readSwg(text);
}

std::string sizeFaultText(SizeFault fault, std::string_view shown) {
    const std::string text(shown);
    switch (fault) {
        case SizeFault::None:
            break;
        case SizeFault::UnknownSwg:
            return "unknown SWG size " + text;
        case SizeFault::AwgNotWhole:
            return "AWG size " + text + " is not a whole AWG number from 4 to 40";
        case SizeFault::AwgOutside:
            return "AWG size " + text + " is outside 4 to 40 AWG";
        case SizeFault::MetricNotMm:
            return "metric size " + text + " is not a diameter in mm from 0.05 to 6.00";
        case SizeFault::MetricTooFine:
            return "metric size " + text +
                   " has more than three decimals (0.05 to 6.00 mm, to 0.001 mm)";
        case SizeFault::MetricOutside:
            return "metric size " + text + " is outside 0.05 to 6.00 mm";
    }
    return {};
}

bool sameWire(WireSize a, WireSize b) {
    return a != b && sizeArea(a) == sizeArea(b);
}

std::string sameWireText(WireSize added, WireSize there) {
    return sizeLabel(added) + " is the same wire as " + sizeLabel(there);
}
