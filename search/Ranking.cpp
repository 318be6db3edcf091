#include "search/Ranking.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

constexpr int kMostCount = 32767;
constexpr int kMostSizesAtAll = 4;

struct Size {
    GaugeIndex gauge;
    float area;
};

struct Pick {
    GaugeIndex gauge;
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

class Ranker {
public:
    Ranker(const RankingInput& input, const ListChoice& choice, const RankingControl& control)
        : input_(input),
          control_(control),
          best_(choice.order, kResultSlots),
          mostSizes_(std::clamp(choice.limits.mostSizes, 1, kMostSizesAtAll)),
          mostWires_(choice.limits.mostWires),
          onlyCovered_(choice.coveredOnly && input.noWeightCheck != 1) {
        for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge) {
            if (input.availArea[gauge] != 0)
                sizes_.push_back({gauge, input.availArea[gauge]});
        }
    }

    RankedList run(std::string_view decimalSeparator);

private:
    std::optional<GaugeIndex> sizeBeyondCountLimit() const;
    void branch(std::size_t from, int depth, float total, int wires);
    void consider(int sizes, float total, int wires);
    bool starred(const Pick& pick, float total) const;
    bool covered(const Candidate& candidate) const;
    std::string combinationText(const Candidate& candidate) const;
    bool stopped();

    const RankingInput& input_;
    const RankingControl& control_;
    BestList best_;
    const int mostSizes_;
    const std::optional<int> mostWires_;
    const bool onlyCovered_;
    std::vector<Size> sizes_;  // the sizes at hand, thickest first
    std::array<Pick, kMostSizesAtAll> picks_{};
    long long counted_ = 0;
    bool cancelled_ = false;
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
        list.countedAll = false;
        return list;
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
    for (const Candidate& candidate : best_.inOrder()) {
        list.best.push_back(foundResult(combinationText(candidate), candidate.total,
                                        input_.origArea, decimalSeparator));
    }
    return list;
}

void Ranker::branch(std::size_t from, int depth, float total, int wires) {
    for (std::size_t i = from; i < sizes_.size(); ++i) {
        if (depth == 0) {
            if (stopped())
                return;
            if (control_.progress)
                control_.progress(static_cast<double>(i) / static_cast<double>(sizes_.size()));
        }
        const Size& size = sizes_[i];
        for (int count = 1; count <= kMostCount; ++count) {
            if (mostWires_ && wires + count > *mostWires_)
                break;
            const float sum = static_cast<float>(count) * size.area + total;
            picks_[depth] = {size.gauge, static_cast<short>(count)};
            if (!(sum > input_.areaHigh || sum < input_.areaLow))
                consider(depth + 1, sum, wires + count);
            if (sum >= input_.areaHigh)
                break;
            if (depth + 1 < mostSizes_)
                branch(i + 1, depth + 1, sum, wires + count);
            if (cancelled_)
                return;
        }
    }
}

void Ranker::consider(int sizes, float total, int wires) {
    Candidate candidate;
    candidate.picks = picks_;
    candidate.sizes = sizes;
    candidate.wires = wires;
    candidate.total = total;
    candidate.distance = std::fabs(static_cast<double>(total) - input_.origArea);
    if (onlyCovered_ && !covered(candidate))
        return;
    ++counted_;
    best_.offer(candidate);
}

// As the search marks an entry: the size's share of the winding's weight, in proportion to its
// share of the area, the quotient first, beyond its stock.
bool Ranker::starred(const Pick& pick, float total) const {
    const float area = static_cast<float>(pick.count) * input_.availArea[pick.gauge];
    const float need = static_cast<float>(area / total) * input_.origWeight;
    return need > input_.availWeight[pick.gauge];
}

bool Ranker::covered(const Candidate& candidate) const {
    for (int p = 0; p < candidate.sizes; ++p) {
        if (starred(candidate.picks[p], candidate.total))
            return false;
    }
    return true;
}

std::string Ranker::combinationText(const Candidate& candidate) const {
    const bool weightCheck = input_.noWeightCheck != 1;
    std::string text;
    for (int p = 0; p < candidate.sizes; ++p) {
        const Pick& pick = candidate.picks[p];
        if (p > 0)
            text += ", ";
        text += gaugeLabel(pick.gauge) + " X " + std::to_string(pick.count);
        if (weightCheck && starred(pick, candidate.total))
            text += '*';
    }
    return text;
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
    std::copy_n(job.availArea.begin(), kGaugeCount, input.availArea.begin());
    std::copy_n(job.availWeight.begin(), kGaugeCount, input.availWeight.begin());
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

std::string rankedCountLine(const RankedList& list, const ListChoice& choice) {
    const std::string shown = std::to_string(list.best.size());
    std::string line = "best " + shown + " of " +
                       (list.countedAll ? std::to_string(list.counted) : "more than " + shown) +
                       " combinations of " + limitWords(choice);
    if (choice.coveredOnly)
        line += " covered by the stock";
    return line;
}

std::string deviationText(double percent) {
    char digits[64];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, percent, std::chars_format::fixed, 2);
    std::string figure(digits, written.ptr);
    if (figure.starts_with('-')) {
        if (figure != "-0.00")
            return figure + " %";
        figure.erase(0, 1);
    }
    return "+" + figure + " %";
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
