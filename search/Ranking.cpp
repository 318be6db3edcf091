#include "search/Ranking.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "gauge/Numeric.h"

namespace {

constexpr int kMostCount = 32767;
constexpr int kMostSizesAtAll = 4;

struct Size {
    GaugeIndex gauge;  // its level
    float area;
    double perArea;  // 1 / area, to estimate counts
};

struct Pick {
    GaugeIndex gauge;  // its level: thicker sizes first
    short count;
};

// A combination in the running: small, so that the best list holds ten thousand at little cost.
struct Candidate {
    std::array<Pick, kMostSizesAtAll> picks{};  // thickest first; the first `sizes` are used
    int sizes = 0;
    int wires = 0;
    float total = 0;
    double distance = 0;  // |total − target|, in double as the list measures it
};

// Counts compared thickest size first, more of the thicker size first.
bool thickerFirst(const Candidate& a, const Candidate& b) {
    for (int p = 0;; ++p) {
        const bool aHas = p < a.sizes;
        const bool bHas = p < b.sizes;
        if (!aHas || !bHas)
            return aHas && !bHas;  // the other has none of this size
        if (a.picks[p].gauge != b.picks[p].gauge)
            return a.picks[p].gauge < b.picks[p].gauge;
        if (a.picks[p].count != b.picks[p].count)
            return a.picks[p].count > b.picks[p].count;
    }
}

// Whether a comes before b in the order; no two different combinations tie.
class Before {
public:
    explicit Before(ResultOrder order) : order_(order) {}

    bool operator()(const Candidate& a, const Candidate& b) const {
        switch (order_) {
            case ResultOrder::FewestSizes:
                if (a.sizes != b.sizes)
                    return a.sizes < b.sizes;
                [[fallthrough]];
            case ResultOrder::FewestWires:
                if (a.wires != b.wires)
                    return a.wires < b.wires;
                if (a.distance != b.distance)
                    return a.distance < b.distance;
                break;
            case ResultOrder::AsFound:
            case ResultOrder::ClosestToOriginal:
                if (a.distance != b.distance)
                    return a.distance < b.distance;
                if (a.wires != b.wires)
                    return a.wires < b.wires;
                break;
        }
        return thickerFirst(a, b);
    }

private:
    ResultOrder order_;
};

// The best `room` combinations offered so far, the worst of them on top of a heap.
class BestList {
public:
    BestList(ResultOrder order, std::size_t room) : before_(order), room_(room) {
        heap_.reserve(room);
    }

    bool full() const { return heap_.size() == room_; }
    const Candidate& worst() const { return heap_.front(); }

    void offer(const Candidate& candidate) {
        if (!full()) {
            heap_.push_back(candidate);
            std::push_heap(heap_.begin(), heap_.end(), before_);
        } else if (before_(candidate, worst())) {
            std::pop_heap(heap_.begin(), heap_.end(), before_);
            heap_.back() = candidate;
            std::push_heap(heap_.begin(), heap_.end(), before_);
        }
    }

    std::vector<Candidate> inOrder() {
        std::sort_heap(heap_.begin(), heap_.end(), before_);
        return std::move(heap_);
    }

private:
    Before before_;
    std::size_t room_;
    std::vector<Candidate> heap_;
};

// Counts of one size, first to last; empty when first > last.
struct CountRange {
    int first = 1;
    int last = 0;
};

class Ranker {
public:
    Ranker(const RankingInput& input, const ListChoice& choice, const RankingControl& control)
        : input_(input),
          control_(control),
          order_(choice.order),
          best_(choice.order, kResultSlots),
          mostSizes_(std::clamp(choice.limits.mostSizes, 1, kMostSizesAtAll)),
          mostWires_(choice.limits.mostWires),
          onlyCovered_(choice.coveredOnly && input.noWeightCheck != 1),
          // Twice the most two float roundings can move a total inside the window: counts
          // estimated in double with this much room never miss one the float totals take.
          slack_(std::fabs(static_cast<double>(input.areaHigh)) * 0x1p-21) {
        for (std::size_t level = 0; level < input.levels.size(); ++level) {
            const float area = input.levels[level].area;
            if (area != 0)
                sizes_.push_back({static_cast<GaugeIndex>(level), area, 1.0 / area});
            entryHeads_.push_back(sizeLabel(input.levels[level].size) + " X ");
        }
    }

    RankedList run(std::string_view decimalSeparator);

private:
    std::optional<GaugeIndex> sizeBeyondCountLimit() const;
    void branch(std::size_t from, int depth, float total, int wires);
    void endWith(const Size& size, int depth, float total, int wires, double lowRoom,
                 double highRoom);
    CountRange hopefuls(const Size& size, int depth, float total, int wires,
                        CountRange range) const;
    bool starred(const Pick& pick, float total) const;
    bool covered(const Candidate& candidate) const;
    FoundResult result(const Candidate& candidate, std::string_view decimalSeparator) const;
    bool stopped();
    bool pruning() const;
    bool cannotEnter(std::size_t i, int picked, float total, int wires) const;
    void reportProgress(std::size_t size, int count, int counts);

    const RankingInput& input_;
    const RankingControl& control_;
    const ResultOrder order_;
    BestList best_;
    const int mostSizes_;
    const std::optional<int> mostWires_;
    const bool onlyCovered_;
    const double slack_;
    std::vector<Size> sizes_;              // the sizes at hand, thickest first
    std::vector<std::string> entryHeads_;  // "13.5 SWG X ", by level
    std::vector<double> workBefore_;       // share of the work before each first size, for progress
    std::vector<double> perThickestAfter_;  // 1 / the largest area after each size
    std::array<Pick, kMostSizesAtAll> picks_{};
    long long counted_ = 0;
    long long branches_ = 0;
    bool skipped_ = false;  // a branch was left uncounted
    bool cancelled_ = false;
    double progressShown_ = -1;
};

// Without a wire limit every size may be taken alone; the search would stop at the first size
// whose 32767 wires stay below the window's top, which is the thinnest such, reached first with no
// thicker wire. A wire limit, at most 32767, never lets a count go beyond it.
std::optional<GaugeIndex> Ranker::sizeBeyondCountLimit() const {
    if (mostWires_)
        return std::nullopt;
    for (auto size = sizes_.rbegin(); size != sizes_.rend(); ++size) {
        const float total = static_cast<float>(kMostCount) * size->area + 0.0f;
        if (!(total >= input_.areaHigh))
            return size->gauge;
    }
    return std::nullopt;
}

RankedList Ranker::run(std::string_view decimalSeparator) {
    RankedList list;
    if (const auto gauge = sizeBeyondCountLimit()) {
        list.end = SearchEnd::CountLimit;
        list.limitingGauge = *gauge;
        list.limitingSize = input_.levels[*gauge].size;
        list.countedAll = false;
        return list;
    }
    // A first size's work grows with its counts and with the thinner sizes after it.
    double work = 0;
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        workBefore_.push_back(work);
        work += std::min(32767.0, static_cast<double>(input_.areaHigh / sizes_[i].area)) *
                static_cast<double>(sizes_.size() - i);
    }
    for (double& before : workBefore_) before = work > 0 ? before / work : 0;
    workBefore_.push_back(1);
    perThickestAfter_.assign(sizes_.size(), 0);
    float thickest = 0;
    for (std::size_t i = sizes_.size(); i-- > 0;) {
        perThickestAfter_[i] = thickest > 0 ? 1.0 / thickest : 0;
        thickest = std::max(thickest, sizes_[i].area);
    }

    // The search goes beyond no wire at all only while its total is below the top.
    if (!(0.0f >= input_.areaHigh))
        branch(0, 0, 0.0f, 0);
    if (cancelled_) {
        list.cancelled = true;
        list.countedAll = false;
        return list;
    }
    list.counted = counted_;
    list.countedAll = !skipped_;
    const std::vector<Candidate> best = best_.inOrder();
    list.best.reserve(best.size());
    for (const Candidate& candidate : best)
        list.best.push_back(result(candidate, decimalSeparator));
    return list;
}

// Every combination whose sizes after the chosen ones, thickest first, start at `from`: those
// that end in one more size, then those that take more sizes. The total so far is below the top.
void Ranker::branch(std::size_t from, int depth, float total, int wires) {
    ++branches_;
    const double lowRoom = static_cast<double>(input_.areaLow) - total - slack_;
    const double highRoom = static_cast<double>(input_.areaHigh) - total + slack_;
    for (std::size_t i = from; i < sizes_.size(); ++i)
        endWith(sizes_[i], depth, total, wires, lowRoom, highRoom);
    if (depth + 1 >= mostSizes_)
        return;
    // Room for at least one wire of a thinner size after these.
    const int most = mostWires_ ? *mostWires_ - wires - 1 : kMostCount;
    for (std::size_t i = from; i + 1 < sizes_.size(); ++i) {
        const Size& size = sizes_[i];
        for (int count = 1; count <= most; ++count) {
            const float sum = static_cast<float>(count) * size.area + total;
            if (sum >= input_.areaHigh || stopped())
                break;
            if (depth == 0)
                reportProgress(i, count, most);
            if (pruning() && cannotEnter(i, depth + 1, sum, wires + count)) {
                skipped_ = true;
                continue;
            }
            picks_[depth] = {size.gauge, static_cast<short>(count)};
            branch(i + 1, depth + 1, sum, wires + count);
        }
        if (cancelled_)
            return;
    }
}

bool Ranker::pruning() const {
    return (order_ == ResultOrder::FewestWires || order_ == ResultOrder::FewestSizes) &&
           branches_ > control_.countAllWithin && counted_ > kResultSlots;
}

// Whether no combination that goes on from `picked` sizes after size i, with this total and
// these wires, can enter the full list: it takes at least one more size, and at least as many
// more wires as the thickest size after i needs to reach the window's bottom.
bool Ranker::cannotEnter(std::size_t i, int picked, float total, int wires) const {
    const Candidate& worst = best_.worst();
    const double missing =
        (static_cast<double>(input_.areaLow) - total - slack_) * perThickestAfter_[i];
    // Cut towards zero: never more wires than are needed.
    const int fewestWires =
        wires + std::max(1, static_cast<int>(std::min(missing, double{kMostCount})));
    if (order_ == ResultOrder::FewestSizes && picked + 1 != worst.sizes)
        return picked + 1 > worst.sizes;
    return fewestWires > worst.wires;
}

// The counts of one size that end a combination on the total so far: those the search reaches
// (the total before the last wire below the top) whose totals lie in the window. The totals rise
// with the count, so they are a range; its ends are estimated from the quotient and settled with
// the search's own float arithmetic.
void Ranker::endWith(const Size& size, int depth, float total, int wires, double lowRoom,
                     double highRoom) {
    const double most = highRoom * size.perArea;
    if (!(most >= 1))
        return;
    const double least = lowRoom * size.perArea;
    const int cap = mostWires_ ? *mostWires_ - wires : kMostCount;
    const int last = most > cap ? cap : static_cast<int>(most);
    if (last < 1 || last < least)
        return;
    CountRange range{least > 1 ? static_cast<int>(least) : 1, last};

    const float low = input_.areaLow;
    const float high = input_.areaHigh;
    const auto totalAt = [&](int count) { return static_cast<float>(count) * size.area + total; };
    const auto reachesLow = [&](int count) { return !(totalAt(count) < low); };
    // Within the window and reached: the total before this wire was below the top.
    const auto fits = [&](int count) {
        return !(totalAt(count) > high) && !(totalAt(count - 1) >= high);
    };
    if (reachesLow(range.first)) {
        while (range.first > 1 && reachesLow(range.first - 1)) --range.first;
    } else {
        while (range.first <= range.last && !reachesLow(range.first)) ++range.first;
        if (range.first > range.last)
            return;
    }
    // From here on every count from the first reaches the bottom.
    if (fits(range.last)) {
        while (range.last < cap && fits(range.last + 1)) ++range.last;
    } else {
        while (range.last >= range.first && !fits(range.last)) --range.last;
    }
    if (range.first > range.last)
        return;

    if (!onlyCovered_)
        counted_ += range.last - range.first + 1;
    const CountRange hopeful = hopefuls(size, depth, total, wires, range);
    const CountRange visit = onlyCovered_ ? range : hopeful;
    for (int count = visit.first; count <= visit.last; ++count) {
        picks_[depth] = {size.gauge, static_cast<short>(count)};
        Candidate candidate;
        candidate.picks = picks_;
        candidate.sizes = depth + 1;
        candidate.wires = wires + count;
        candidate.total = totalAt(count);
        if (onlyCovered_) {
            if (!covered(candidate))
                continue;
            ++counted_;
            if (count < hopeful.first || count > hopeful.last)
                continue;
        }
        candidate.distance = std::fabs(static_cast<double>(candidate.total) - input_.origArea);
        best_.offer(candidate);
    }
}

// The part of a range that could still enter the list, once it is full: no more wires (and
// sizes) than its worst has, or no farther from the target.
CountRange Ranker::hopefuls(const Size& size, int depth, float total, int wires,
                            CountRange range) const {
    if (!best_.full())
        return range;
    const Candidate& worst = best_.worst();
    switch (order_) {
        case ResultOrder::FewestSizes:
            if (depth + 1 > worst.sizes)
                return {};
            if (depth + 1 < worst.sizes)
                return range;
            [[fallthrough]];
        case ResultOrder::FewestWires:
            range.last = std::min(range.last, worst.wires - wires);
            return range;
        case ResultOrder::AsFound:
        case ResultOrder::ClosestToOriginal: {
            // The totals within the worst's distance of the target, with room for rounding;
            // counts cut towards zero, so the first may be one low, never high.
            const double reach = worst.distance + slack_;
            const auto countNear = [&](double value) {
                return static_cast<int>(
                    std::clamp((value - total) * size.perArea, -1.0, kMostCount + 1.0));
            };
            range.first = std::max(range.first, countNear(input_.origArea - reach));
            range.last = std::min(range.last, countNear(input_.origArea + reach));
            return range;
        }
    }
    return range;
}

void Ranker::reportProgress(std::size_t size, int count, int counts) {
    if (!control_.progress)
        return;
    const double share = workBefore_[size + 1] - workBefore_[size];
    const double steps = std::min<double>(counts, input_.areaHigh / sizes_[size].area);
    const double done = workBefore_[size] + share * std::min(1.0, count / std::max(1.0, steps));
    if (done >= progressShown_ + 0.01) {
        progressShown_ = done;
        control_.progress(done);
    }
}

// As the search marks an entry, from the area the search gives the size's count.
bool Ranker::starred(const Pick& pick, float total) const {
    const SearchLevel& level = input_.levels[pick.gauge];
    const float area = static_cast<float>(pick.count) * level.area;
    return stockTooLight(area, total, input_.origWeight, level.stock);
}

bool Ranker::covered(const Candidate& candidate) const {
    for (int p = 0; p < candidate.sizes; ++p) {
        if (starred(candidate.picks[p], candidate.total))
            return false;
    }
    return true;
}

FoundResult Ranker::result(const Candidate& candidate, std::string_view decimalSeparator) const {
    const bool weightCheck = input_.noWeightCheck != 1;
    std::string text;
    for (int p = 0; p < candidate.sizes; ++p) {
        const Pick& pick = candidate.picks[p];
        if (p > 0)
            text += ", ";
        text += entryHeads_[pick.gauge];
        char digits[8];
        text.append(digits, std::to_chars(digits, digits + sizeof digits, pick.count).ptr);
        if (weightCheck && starred(pick, candidate.total))
            text += '*';
    }
    return foundResult(text, candidate.total, input_.origArea, decimalSeparator);
}

bool Ranker::stopped() {
    if (control_.cancel && control_.cancel->load(std::memory_order_relaxed))
        cancelled_ = true;
    return cancelled_;
}

std::string plural(long number, const char* one, const char* many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

std::string limitWords(const ListChoice& choice) {
    std::string words = "at most " + plural(choice.limits.mostSizes, "size", "sizes");
    if (choice.limits.mostWires)
        words += " and " + plural(*choice.limits.mostWires, "wire", "wires");
    return words;
}

}  // namespace

RankingInput rankingInput(const JobState& job) {
    RankingInput input;
    input.levels = searchLevels(job);
    input.areaLow = job.areaLow;
    input.areaHigh = job.areaHigh;
    input.origArea = job.origArea;
    input.origWeight = job.origWeight;
    input.noWeightCheck = job.noWeightCheck;
    return input;
}

RankedList rankCombinations(const RankingInput& input, const ListChoice& choice,
                            std::string_view decimalSeparator, const RankingControl& control) {
    if (!isRanked(choice.order))
        return {};
    return Ranker(input, choice, control).run(decimalSeparator);
}

std::string_view emptyRankedListReason(const ListChoice& choice) {
    return choice.coveredOnly ? "The stock covers none of the combinations within the limits."
                              : "No combination lies within the limits.";
}

std::string rankedCountLine(const RankedList& list, const ListChoice& choice) {
    const std::string shown = std::to_string(list.best.size());
    std::string line = "best " + shown + " of " +
                       (list.countedAll ? std::to_string(list.counted) : "more than " + shown) +
                       " combinations of " + limitWords(choice);
    if (choice.coveredOnly)
        line += " covered by the stock";
    return line;
}

std::string deviationText(double percent, std::string_view decimalSeparator) {
    std::string figure = numeric::formatFixed(percent, 2);
    if (const auto point = figure.find('.'); point != std::string::npos)
        figure.replace(point, 1, decimalSeparator);
    return (figure.starts_with('-') ? "" : "+") + figure + " %";
}

std::string wiresText(long wires) {
    return plural(wires, "wire", "wires");
}

std::string sizesText(int sizes) {
    return plural(sizes, "size", "sizes");
}

std::string rankedTextLine(const FoundResult& result) {
    std::string line =
        result.line + "  " + wiresText(result.wires) + "  " + sizesText(result.sizes);
    if (result.deviationPercent)
        line += "  " + deviationText(*result.deviationPercent);
    return line;
}

std::string orderWords(const ListChoice& choice) {
    std::string words;
    switch (choice.order) {
        case ResultOrder::AsFound:
            return "as found";
        case ResultOrder::FewestWires:
            words = "fewest wires";
            break;
        case ResultOrder::FewestSizes:
            words = "fewest sizes";
            break;
        case ResultOrder::ClosestToOriginal:
            words = "closest to original";
            break;
    }
    return words + ", " + limitWords(choice);
}
