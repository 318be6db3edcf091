#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gauge/JobState.h"
#include "search/CombinationSearch.h"
#include "search/ResultList.h"

// The best answers from the whole shelf: every combination the search would record if its table
// had no end, ranked by what the shop asks for, of which the best kResultSlots are kept.
//
// A combination is in the ranked space exactly when the search would record it: its total is
// added up as the search adds it (thickest size first, in single precision), it is reached by the
// search's steps (each count below the first that takes its running total to the window's top),
// it lies in the window, and it holds at least one wire. Each one counts once. Its stars are those
// the search gives it.

// What the ranking reads of the job: a copy, so that the ranking can run beside the page.
struct RankingInput {
    std::vector<SearchLevel> levels;  // as the search walks them; area 0 = not at hand
    float areaLow = 0;
    float areaHigh = 0;
    double origArea = 0;
    float origWeight = 0;
    short noWeightCheck = 0;  // 1 = off
};
RankingInput rankingInput(const JobState& job);

// How a ranking running beside the page is watched and stopped.
struct RankingControl {
    // Polled now and then; set => stops, cancelled = true.
    const std::atomic<bool>* cancel = nullptr;
    // 0..1, called now and then on the ranking's thread.
    std::function<void(double done)> progress;
    // Branches of the space (combinations before their last size) that the orders by fewest wires
    // and fewest sizes walk to count the whole space. Beyond them, once the list is full and more
    // than it was seen, they skip the branches that cannot enter it and stop counting.
    long long countAllWithin = 2'000'000;
};

struct RankedList {
    std::vector<FoundResult> best;  // in the chosen order, at most kResultSlots
    long long counted = 0;   // combinations in the ranked space (covered ones with the filter)
    bool countedAll = true;  // false => "best N of more than N ..."
    // CountLimit: within the limits a size would need more than 32767 wires; nothing is ranked.
    SearchEnd end = SearchEnd::Complete;
    GaugeIndex limitingGauge = -1;  // the level, as the search's outcome names it
    WireSize limitingSize;
    bool cancelled = false;
};

// Ranks the combinations by choice.order, which must be a ranked order; with choice.coveredOnly,
// only those without a star, whose stars the stock check gives.
RankedList rankCombinations(const RankingInput& input, const ListChoice& choice,
                            std::string_view decimalSeparator = ".",
                            const RankingControl& control = {});

// "best 3 of 120 combinations of at most 3 sizes and 12 wires covered by the stock"
std::string rankedCountLine(const RankedList& list, const ListChoice& choice);
// Why a ranked list holds nothing: "No combination lies within the limits.", or with
// choice.coveredOnly "The stock covers none of the combinations within the limits."
std::string_view emptyRankedListReason(const ListChoice& choice);
// "+0.20 %", "-0.23 %": always a sign, two decimals, never "-0.00 %"
std::string deviationText(double percent, std::string_view decimalSeparator = ".");
std::string wiresText(long wires);  // "6 wires", "1 wire"
std::string sizesText(int sizes);   // "3 sizes", "1 size"
// The report's line, then wires, sizes and deviation, two blanks apart:
// "12 SWG X 2, 13.5 SWG X 2, 14 SWG X 2,      24.94274  6 wires  3 sizes  -0.23 %"
std::string rankedTextLine(const FoundResult& result);
// The order and the limits it ranks under: "fewest wires, at most 3 sizes and 12 wires"
std::string orderWords(const ListChoice& choice);
