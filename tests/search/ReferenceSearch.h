#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "search/CombinationSearch.h"

// The levels walked, the plain way: with SWG sizes alone all 29 rows as they stand; with other
// sizes the sizes at hand, sorted by their areas, thickest first.
struct PlainLevel {
    std::string label;
    float area = 0;  // 0: not at hand
};

inline std::vector<PlainLevel> plainLevels(const JobState& job) {
    std::vector<PlainLevel> levels;
    for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge) {
        if (job.availOther.empty() || job.availArea[gauge] != 0)
            levels.push_back({gaugeLabel(gauge), job.availArea[gauge]});
    }
    if (job.availOther.empty())
        return levels;
    for (const AvailableOther& other : job.availOther) {
        const float area = static_cast<float>(std::pow(sizeDiameter(other.size), 2) * 0.7853981);
        levels.push_back({sizeLabel(other.size), area});
    }
    std::sort(levels.begin(), levels.end(),
              [](const PlainLevel& a, const PlainLevel& b) { return a.area > b.area; });
    return levels;
}

// The search walked the plain way, as the reference that the shipped search must match result
// for result: every level is entered, available or not, for every step of the level above; every
// count of every available level is tested; and every test adds up the levels afresh.
class ReferenceSearch : public CombinationSearch {
public:
    ReferenceSearch(JobState& job, ResultsView& view)
        : CombinationSearch(job, view), job_(job), view_(view), levels_(plainLevels(job)) {}

    SearchOutcome runReference() {
        searchLevel(0);
        if (stopped())
            job_.comboCount.fill(0);
        return outcome();
    }

    // The total of sizes 0..n, added thickest first in single precision.
    float sumArea(GaugeIndex n) const {
        float sum = 0;
        for (GaugeIndex k = 0; k <= n; ++k) sum = job_.comboArea[k] + sum;
        return sum;
    }

protected:
    // Every combination the walk reaches comes here, in the order reached.
    virtual void test(const float& total, const GaugeIndex& level) { matchTest(total, level); }

private:
    void searchLevel(GaugeIndex level) {
        view_.setMousePointer(MousePointer::Hourglass);
        const PlainLevel& size = levels_[level];
        const bool available = size.area != 0;
        short& count = job_.comboCount[level];
        for (;;) {
            if (available) {
                job_.comboArea[level] = static_cast<float>(count) * size.area;
                job_.comboText[level] =
                    count == 0 ? std::string() : size.label + " X " + std::to_string(count);
            }
            if (level < lastLevel()) {
                searchLevel(static_cast<GaugeIndex>(level + 1));
                if (stopped())
                    return;
            }
            const float levelsDone = static_cast<float>(lastLevel() - level);
            if (view_.progressValue() < levelsDone)
                view_.setProgressValue(levelsDone);
            if (!available)
                return;
            job_.comboTotal = sumArea(level);
            test(job_.comboTotal, level);
            if (stopped())
                return;
            if (job_.comboTotal >= job_.areaHigh) {
                count = 0;
                return;
            }
            if (count == 32767) {
                stopAtCountLimit(level);
                return;
            }
            ++count;
        }
    }

    GaugeIndex lastLevel() const { return static_cast<GaugeIndex>(levels_.size() - 1); }

    JobState& job_;
    ResultsView& view_;
    std::vector<PlainLevel> levels_;
};
