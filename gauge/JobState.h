#pragma once

#include <array>
#include <string>

#include "gauge/GaugeTable.h"

inline constexpr int kResultSlots = 10001;  // slots 0..10000
inline constexpr int kAvailSlots = 33;      // only 0..28 are addressed

// How the conductor to be replaced was entered: round wires of the ticked sizes, or a
// rectangular wire. Only for saying it in words; the target itself is origArea.
enum class OriginalSection : short { Unset, Round, Rectangular };

// A rectangular wire as entered, in mm.
struct RectangularWire {
    double width = 0;
    double thickness = 0;
    double parallel = 0;      // wires in parallel, used as entered
    double cornerRadius = 0;  // of the drawn wire's rounded corners; 0 = sharp corners
};

// Everything one page of the wizard hands on to the next. The pages pass no arguments to each
// other; they read and write this record. Areas in mm², weights in kg.
struct JobState {
    // The combination the search is building.
    std::array<short, kGaugeCount> comboCount{};
    std::array<float, kGaugeCount> comboArea{};
    std::array<std::string, kGaugeCount> comboText{};

    // The conductor to be replaced.
    std::array<float, kGaugeCount> origGaugeArea{};
    // A float sum for round wires, a double product for a rectangular wire; a double holds both.
    double origArea = 0;
    std::array<short, kGaugeCount> origWireCount{};
    float origWeight = 0;
    OriginalSection origSection = OriginalSection::Unset;
    RectangularWire origRectangular;  // with a rectangular section

    float comboTotal = 0;

    // The sizes at hand: area of one wire (0 = not available) and weight in stock.
    std::array<float, kAvailSlots> availArea{};
    std::array<float, kAvailSlots> availWeight{};

    // Recorded matches.
    std::array<float, kResultSlots> resultArea{};
    std::array<std::string, kResultSlots> resultText{};
    short resultCount = 0;

    // Accepted window of total areas, both ends inclusive.
    float areaLow = 0;
    float areaHigh = 0;

    // 1 = the weight check is off for the rest of the run.
    short noWeightCheck = 0;
};

// The one record of the running program.
JobState& jobState();

// Target of a round-wire conductor: count × area per size, summed in single precision.
float circularArea(const JobState& job);

// Target of a rectangular conductor, in double precision, left to right:
// count × (width × thickness − (4 − π) × r × r). Each of the four rounded corners of radius r
// leaves out the square r × r less its quarter circle. With sharp corners (r = 0) this is
// count × (width × thickness) to the bit: nothing is taken off.
double rectangularArea(double width, double thickness, double count, double cornerRadius = 0);

// Next on the available-wires page: a fresh result count and the window target ± 0.5 %.
void setAreaWindow(JobState& job);

// Whether the window around a target is finite in single precision. A target beyond it is
// refused where it is entered, with kTargetTooLarge, so that nothing infinite reaches the search.
bool areaWindowFits(double target);
extern const char* const kTargetTooLarge;

// Back on the results page: empties the result table and the combination in progress.
void clearSearchTables(JobState& job);
