#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gauge/GaugeTable.h"

// A round wire's size in any of the systems a shelf mixes: one of the 29 SWG rows, a metric
// diameter (IEC 60317 wire is sold by it), or an AWG number. Whatever its system, a size's area
// comes from its diameter by the SWG table's own rule, narrowed to 32 bits, so that a metric or
// AWG wire adds up in a total exactly as an SWG wire of the same diameter would.
enum class SizeSystem : short { Swg, Metric, Awg };

inline constexpr int kThinnestMetricMicrometres = 50;    // 0.05 mm
inline constexpr int kThickestMetricMicrometres = 6000;  // 6.00 mm
inline constexpr int kThickestAwg = 4;
inline constexpr int kThinnestAwg = 40;

struct WireSize {
    SizeSystem system = SizeSystem::Swg;
    // SWG: the GaugeIndex; metric: the diameter in micrometres (50..6000); AWG: its number.
    int number = 0;

    static WireSize swg(GaugeIndex gauge) { return {SizeSystem::Swg, gauge}; }
    static WireSize metric(int micrometres) { return {SizeSystem::Metric, micrometres}; }
    static WireSize awg(int number) { return {SizeSystem::Awg, number}; }

    bool isSwg() const { return system == SizeSystem::Swg; }
    GaugeIndex gauge() const { return static_cast<GaugeIndex>(number); }  // SWG only

    friend bool operator==(const WireSize&, const WireSize&) = default;
};

// "14 SWG", "1.06 mm", "0.50 mm", "1.125 mm", "14 AWG": as lines, prompts and sheets name it.
std::string sizeLabel(WireSize size);

// Diameter in mm, in double: an SWG row's constant, a metric size's own, an AWG number's by the
// gauge's definition 0.127 × 92^((36 − n) / 39).
double sizeDiameter(WireSize size);

// Area of one wire in mm²: the diameter squared times the gauge table's factor, narrowed to 32
// bits.
float sizeArea(WireSize size);

// As a shelf file and the command line write it: "14" (SWG), "1.06mm", "14awg".
std::string sizeAsTyped(WireSize size);

// As a file name holds it: "14SWG", "1.06mm", "14AWG".
std::string sizeInFileName(WireSize size);

// Thicker first: the larger 32-bit area; a size's place among the job's sizes.
inline bool thickerSize(WireSize a, WireSize b) {
    return sizeArea(a) > sizeArea(b);
}

// Why a text is no size.
enum class SizeFault {
    None,
    UnknownSwg,     // a plain number that no SWG row has
    AwgNotWhole,    // "14.5awg"
    AwgOutside,     // "2awg", "41awg"
    MetricNotMm,    // "1,06mm", "-1mm", "mm"
    MetricTooFine,  // more than three decimals once trailing zeros are dropped: "1.0625mm"
    MetricOutside,  // below 0.05 or above 6.00 mm
};

struct SizeReading {
    WireSize size;
    SizeFault fault = SizeFault::None;

    bool ok() const { return fault == SizeFault::None; }
};

// A size as typed: "8" or "13.5" (SWG, as in its label), "1.06mm", "14awg"; the unit in any
// case and with or without blanks before it, so that a label reads back too ("1.06 mm",
// "14 AWG", "14 SWG", "14swg"). Blanks around the whole are ignored.
SizeReading readWireSize(std::string_view text);

// What is wrong, the text named as the caller shows it (quoted its own way), with the sizes
// that are allowed: "unknown SWG size '7'", "AWG size '41awg' is outside 4 to 40 AWG".
std::string sizeFaultText(SizeFault fault, std::string_view shownText);

// Two different sizes whose areas are the same 32-bit number are the same wire to the search:
// "1.626 mm is the same wire as 16 SWG".
bool sameWire(WireSize a, WireSize b);
std::string sameWireText(WireSize added, WireSize there);

// Most sizes other than SWG on one list: the original's, or the shelf's.
inline constexpr int kMostOtherSizes = 20;
