#include "search/CombinationSearch.h"

#include "search/Report.h"

namespace {
constexpr short kMostWires = 32767;
}

SearchEnd CombinationSearch::run() {
    end_ = SearchEnd::Complete;
    searchLevel(0);
    // A search cut short leaves counts standing on the levels it unwound through.
    if (stopped())
        job_.comboCount.fill(0);
    return end_;
}

void CombinationSearch::searchLevel(GaugeIndex level) {
    view_.setMousePointer(MousePointer::Hourglass);
    short& count = job_.comboCount[level];
    for (;;) {
        if (available(level)) {
            job_.comboArea[level] = static_cast<float>(count) * job_.availArea[level];
            job_.comboText[level] =
                count == 0 ? std::string() : gaugeLabel(level) + " X " + std::to_string(count);
        }
        if (level < kLastGauge) {
            searchLevel(static_cast<GaugeIndex>(level + 1));
            if (stopped())
                return;
        }
        const float levelsDone = static_cast<float>(kLastGauge - level);
        if (view_.progressValue() < levelsDone)
            view_.setProgressValue(levelsDone);

        if (!available(level))
            return;
        job_.comboTotal = sumArea(level);
        matchTest(job_.comboTotal, level);
        if (stopped())
            return;
        if (job_.comboTotal >= job_.areaHigh) {
            count = 0;
            return;
        }
        if (count == kMostWires) {
            end_ = SearchEnd::CountLimit;
            return;
        }
        ++count;
    }
}

float CombinationSearch::sumArea(GaugeIndex n) const {
    float sum = 0;
    for (GaugeIndex k = 0; k <= n; ++k) sum = job_.comboArea[k] + sum;
    return sum;
}

std::string CombinationSearch::resultLine(const float& total, const GaugeIndex& level) const {
    const bool weightCheck = job_.noWeightCheck != 1;
    std::string line;
    for (GaugeIndex v = 0; v <= level; ++v) {
        if (job_.comboText[v].empty())
            continue;
        // This size's share of the winding's weight, in proportion to its share of the area.
        const float need = static_cast<float>(job_.comboArea[v] / total) * job_.origWeight;
        if (!line.empty())
            line += ", ";
        line += job_.comboText[v];
        if (weightCheck && need > job_.availWeight[v])
            line += '*';
    }
    return line;
}

void CombinationSearch::matchTest(const float& total, const GaugeIndex& level) {
    if (total > job_.areaHigh || total < job_.areaLow)
        return;

    const short n = job_.resultCount;
    std::string line = resultLine(total, level);
    // A window around a zero target holds only the combination without any wire: no result.
    if (line.empty())
        return;
    const bool repeat = n > 0 && line == job_.resultText[n - 1];
    if (n == kResultSlots) {
        if (!repeat)
            end_ = SearchEnd::TableFull;
        return;
    }
    job_.resultArea[n] = total;
    if (repeat)
        return;  // the slot stays free for the next result
    job_.resultText[n] = std::move(line);
    job_.resultCount = static_cast<short>(n + 1);
}

SearchEnd searchAndReport(JobState& job, ResultsView& view) {
    const SearchEnd end = CombinationSearch(job, view).run();
    writeReport(job, view);
    return end;
}
