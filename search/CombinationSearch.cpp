#include "search/CombinationSearch.h"

#include <bit>
#include <charconv>
#include <cmath>

#include "search/Report.h"

namespace {

constexpr int kMostWires = 32767;

// The running total after the sizes first..last-1, added one by one to the total before them.
float addLevels(const JobState& job, int first, int last, float sum) {
    for (int k = first; k < last; ++k) sum = job.comboArea[k] + sum;
    return sum;
}

// The first count in 0..kMostWires for which holds(count) is true, or kMostWires + 1 when there
// is none; holds must turn from false to true at most once. The guess, from the real quotient,
// is right or one off nearly always; a binary search settles the rest.
template <typename Predicate>
int firstCountWhere(Predicate holds, double guessedCount) {
    const int guess = !(guessedCount > 0)         ? 0
                      : guessedCount > kMostWires ? kMostWires
                                                  : static_cast<int>(guessedCount);
    int low = 0;
    int high = kMostWires + 1;  // stands for "none"
    if (holds(guess)) {
        if (guess == 0 || !holds(guess - 1))
            return guess;
        high = guess - 1;
    } else {
        if (guess == kMostWires || holds(guess + 1))
            return guess + 1;
        low = guess + 2;
    }
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (holds(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

}  // namespace

std::string countLimitReason(WireSize size) {
    return sizeLabel(size) + " would need more than " + std::to_string(kMostWires) + " wires";
}

std::string countLimitReason(GaugeIndex gauge) {
    return countLimitReason(WireSize::swg(gauge));
}

SearchOutcome CombinationSearch::run() {
    outcome_ = {};
    view_.setMousePointer(MousePointer::Hourglass);
    table_ = searchLevels(job_);
    lastLevel_ = static_cast<GaugeIndex>(table_.size() - 1);
    levels_.clear();
    for (GaugeIndex level = 0; level <= lastLevel_; ++level) {
        if (available(level))
            levels_.push_back(level);
    }
    staleTexts_ = 0;
    for (const GaugeIndex level : levels_) textHead_[level] = sizeLabel(table_[level].size) + " X ";
    tested_ = false;
    progress_ = view_.progressValue();

    if (!levels_.empty())
        walk(0, 0.0f);
    if (!stopped())
        raiseProgress(0);
    if (tested_)
        job_.comboTotal = lastTotal_;
    bringTextsUpTo(lastLevel_);
    // A search cut short leaves counts standing on the levels it unwound through.
    if (stopped())
        job_.comboCount.fill(0);
    return outcome_;
}

void CombinationSearch::stopAtCountLimit(GaugeIndex level) {
    outcome_ = {SearchEnd::CountLimit, level, table_[level].size};
}

void CombinationSearch::walk(std::size_t step, float totalAbove) {
    const GaugeIndex level = levels_[step];
    const int previous = step == 0 ? -1 : levels_[step - 1];
    const float lead = addLevels(job_, previous + 1, level, totalAbove);
    const bool innermost = step + 1 == levels_.size();
    if (innermost) {
        raiseProgress(level);
        // With a positive area and a finite lead the totals never fall as the count rises.
        const float area = table_[level].area;
        if (area > 0 && std::isfinite(area) && std::isfinite(lead)) {
            sweepInnermost(level, lead);
            return;
        }
    }
    for (int count = 0;; ++count) {
        setCount(level, count);
        const float total = job_.comboArea[level] + lead;
        if (!innermost) {
            walk(step + 1, total);
            if (stopped())
                return;
            raiseProgress(level);
        }
        test(total, level);
        if (stopped())
            return;
        if (total >= job_.areaHigh) {
            job_.comboCount[level] = 0;
            return;
        }
        if (count == kMostWires) {
            stopAtCountLimit(level);
            return;
        }
    }
}

void CombinationSearch::sweepInnermost(GaugeIndex level, float lead) {
    const float area = table_[level].area;
    const auto totalAt = [area, lead](int count) {
        return static_cast<float>(count) * area + lead;
    };
    const auto guessFor = [area, lead](float bound) {
        return std::ceil((static_cast<double>(bound) - lead) / area);
    };
    const float low = job_.areaLow;
    const float high = job_.areaHigh;
    // The counts tested are 0 up to the first whose total reaches the top; those from the first
    // one not below the bottom on lie in the window, save perhaps the last.
    const int last =
        firstCountWhere([&](int count) { return totalAt(count) >= high; }, guessFor(high));
    const int first =
        firstCountWhere([&](int count) { return !(totalAt(count) < low); }, guessFor(low));
    const int end = last > kMostWires ? kMostWires : last;
    for (int count = first; count <= end; ++count) {
        setCount(level, count);
        test(totalAt(count), level);
        if (stopped())
            return;
    }
    setCount(level, end);
    lastTotal_ = totalAt(end);
    tested_ = true;
    if (last > kMostWires) {
        stopAtCountLimit(level);
        return;
    }
    job_.comboCount[level] = 0;
}

void CombinationSearch::setCount(GaugeIndex level, int count) {
    job_.comboCount[level] = static_cast<short>(count);
    job_.comboArea[level] = static_cast<float>(count) * table_[level].area;
    shownCount_[level] = count;
    staleTexts_ |= std::uint64_t{1} << level;
}

void CombinationSearch::test(float total, GaugeIndex level) {
    lastTotal_ = total;
    tested_ = true;
    if (total > job_.areaHigh || total < job_.areaLow)
        return;  // outside the window: matchTest would record nothing
    bringTextsUpTo(level);
    job_.comboTotal = total;
    matchTest(job_.comboTotal, level);
}

void CombinationSearch::bringTextsUpTo(GaugeIndex level) {
    std::uint64_t due = staleTexts_ & ((std::uint64_t{2} << level) - 1);
    staleTexts_ &= ~due;
    while (due != 0) {
        const auto gauge = static_cast<GaugeIndex>(std::countr_zero(due));
        due &= due - 1;
        const int count = shownCount_[gauge];
        // "10 SWG X 3", or nothing for no wire; built in place, the text keeps its room.
        std::string& text = job_.comboText[gauge];
        text.clear();
        if (count != 0) {
            char digits[8];
            const auto end = std::to_chars(digits, digits + sizeof digits, count).ptr;
            text += textHead_[gauge];
            text.append(digits, end);
        }
    }
}

void CombinationSearch::raiseProgress(GaugeIndex level) {
    const float levelsDone = static_cast<float>(lastLevel_ - level);
    if (progress_ < levelsDone) {
        view_.setProgressValue(levelsDone);
        progress_ = levelsDone;
    }
}

void CombinationSearch::buildResultLine(const float& total, const GaugeIndex& level) {
    const bool weightCheck = job_.noWeightCheck != 1;
    line_.clear();
    for (GaugeIndex v = 0; v <= level; ++v) {
        if (job_.comboText[v].empty())
            continue;
        if (!line_.empty())
            line_ += ", ";
        line_ += job_.comboText[v];
        if (weightCheck && stockTooLight(job_.comboArea[v], total, job_.origWeight, stockAt(v)))
            line_ += '*';
    }
}

void CombinationSearch::matchTest(const float& total, const GaugeIndex& level) {
    if (total > job_.areaHigh || total < job_.areaLow)
        return;

    const short n = job_.resultCount;
    buildResultLine(total, level);
    // A window around a zero target holds only the combination without any wire: no result.
    if (line_.empty())
        return;
    const bool repeat = n > 0 && line_ == job_.resultText[n - 1];
    if (n == kResultSlots) {
        if (!repeat)
            outcome_ = {SearchEnd::TableFull, -1, {}};
        return;
    }
    job_.resultArea[n] = total;
    if (repeat)
        return;  // the slot stays free for the next result
    job_.resultText[n] = line_;
    job_.resultCount = static_cast<short>(n + 1);
}

SearchOutcome searchAndReport(JobState& job, ResultsView& view) {
    const SearchOutcome outcome = CombinationSearch(job, view).run();
    writeReport(job, view);
    return outcome;
}
