#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gauge/GaugeTable.h"
#include "gauge/WireSize.h"

inline constexpr int kResultSlots = 10001;  // slots 0..10000
inline constexpr int kAvailSlots = 33;      // only 0..28 are addressed
// The search's levels: the 29 SWG rows, or the job's own sizes when it has others.
inline constexpr int kMostLevels = kGaugeCount + kMostOtherSizes;

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

// Sizes other than SWG (metric, AWG) that a page adds beside its SWG rows, in the order added,
// at most kMostOtherSizes of them. The SWG rows stay where they were (origGaugeArea,
// origWireCount, availArea, availWeight); an other size is on the list while it is in the
// vector, and taking it out of the vector is unticking it. A page keeps no size twice, nor one
// that is the same wire as another on its list, SWG rows included (sameWireOnList). Writing the
// vector is all a page does: the target, the search, the ranking, the report, the sheet and the
// shelf take the other sizes from here, each list thickest first by 32-bit area.
struct OriginalOther {
    WireSize size;
    short count = 0;  // wires in parallel, whole, as a count box rounds it

    friend bool operator==(const OriginalOther&, const OriginalOther&) = default;
};
struct AvailableOther {
    WireSize size;
    std::optional<float> stock;  // kg in stock; none while not given (then the check is off)

    friend bool operator==(const AvailableOther&, const AvailableOther&) = default;
};

// Everything one page of the wizard hands on to the next. The pages pass no arguments to each
// other; they read and write this record. Areas in mm², weights in kg.
struct JobState {
    // The combination the search is building.
    // Indexed by the search's level (searchLevels): the GaugeIndex in a job of SWG sizes alone.
    std::array<short, kMostLevels> comboCount{};
    std::array<float, kMostLevels> comboArea{};
    std::array<std::string, kMostLevels> comboText{};

    // The conductor to be replaced.
    std::array<float, kGaugeCount> origGaugeArea{};
    // A float sum for round wires, a double product for a rectangular wire; a double holds both.
    double origArea = 0;
    std::array<short, kGaugeCount> origWireCount{};
    float origWeight = 0;
    OriginalSection origSection = OriginalSection::Unset;
    RectangularWire origRectangular;       // with a rectangular section
    std::vector<OriginalOther> origOther;  // round wires of other sizes, beside the SWG rows

    float comboTotal = 0;

    // The sizes at hand: area of one wire (0 = not available) and weight in stock.
    std::array<float, kAvailSlots> availArea{};
    std::array<float, kAvailSlots> availWeight{};
    std::vector<AvailableOther> availOther;  // other sizes at hand, beside the SWG rows

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

// Target of a round-wire conductor: count × area per size, summed in single precision, the
// thickest size first (other sizes in their place among the SWG rows).
float circularArea(const JobState& job);

// The original's round wires, the ticked SWG rows and the other sizes, thickest first.
std::vector<OriginalOther> originalRoundWires(const JobState& job);

// One level of the search: a size, the area of one wire (0 = not at hand) and its stock in kg.
struct SearchLevel {
    WireSize size;
    float area = 0;
    float stock = 0;
};

// The levels the search walks, thickest first by 32-bit area. A job of SWG sizes alone walks all
// 29 rows, at hand or not, each at its GaugeIndex, as it always has; a job with other sizes walks
// only the sizes at hand, SWG and others together (an SWG row before an other size of the same
// area, which a list refuses anyway). At most kMostLevels.
std::vector<SearchLevel> searchLevels(const JobState& job);

// The progress bar's top while searching this job: 29 for SWG sizes alone, else its levels.
int progressTop(const JobState& job);

// Which of a page's lists a size goes on.
enum class SizeList { Original, Available };

// The size on the page's list (the ticked SWG rows and the other sizes) that `size` would repeat:
// the same size, or the same wire (sameWire). None when it may be added. For a page that adds an
// other size, or ticks an SWG row while other sizes are on the list. Say it with
// sameWireText(size, *found), or "… is on the list already" for the same size.
std::optional<WireSize> sameWireOnList(const JobState& job, SizeList list, WireSize size);

// The SWG rows ticked on a page's list, thickest first.
std::vector<WireSize> tickedSwgSizes(const JobState& job, SizeList list);

// The size among `sizes` that `size` would repeat: the same size, or the same wire (sameWire).
// For a list being drawn up before the job holds it, as a dialog's copy is.
std::optional<WireSize> repeatedSize(const std::vector<WireSize>& sizes, WireSize size);

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
