#include "gauge/GaugeTable.h"

#include <array>
#include <cmath>
#include <string_view>

namespace {

struct GaugeRow {
    std::string_view number;
    double diameterMm;
};

constexpr std::array<GaugeRow, kGaugeCount> kGaugeTable{{
    {"8", 4.06},     {"9", 3.66},   {"10", 3.25},    {"11", 2.946}, {"12", 2.642},   {"13", 2.337},
    {"13.5", 2.184}, {"14", 2.032}, {"14.5", 1.93},  {"15", 1.829}, {"15.5", 1.727}, {"16", 1.626},
    {"16.5", 1.425}, {"17", 1.422}, {"17.5", 1.32},  {"18", 1.219}, {"18.5", 1.118}, {"19", 1.016},
    {"19.5", 0.996}, {"20", 0.914}, {"20.5", 0.863}, {"21", 0.813}, {"21.5", 0.762}, {"22", 0.711},
    {"22.5", 0.66},  {"23", 0.61},  {"24", 0.559},   {"25", 0.51},  {"26", 0.46},
}};

// Not pi/4: the shop tables this program reproduces were worked out with this constant.
constexpr double kAreaFactor = 0.7853981;

bool inTable(GaugeIndex index) {
    return index >= 0 && index < kGaugeCount;
}

}  // namespace

std::string gaugeNumber(GaugeIndex index) {
    return inTable(index) ? std::string(kGaugeTable[index].number) : std::string();
}

std::string gaugeLabel(GaugeIndex index) {
    return inTable(index) ? gaugeNumber(index) + " SWG" : std::string();
}

double gaugeDiameter(GaugeIndex index) {
    return inTable(index) ? kGaugeTable[index].diameterMm : 0.0;
}

double gaugeArea(GaugeIndex index) {
    if (!inTable(index))
        return 0.0;
    return std::pow(gaugeDiameter(index), 2.0) * kAreaFactor;
}
