#pragma once

#include "search/CombinationSearch.h"

// The search walked the plain way, as the reference that the shipped search must match result
// for result: every level is entered, available or not, for every step of the level above; every
// count of every available level is tested; and every test adds up the levels afresh.
class ReferenceSearch : public CombinationSearch {
public:
    ReferenceSearch(JobState& job, ResultsView& view)
        : CombinationSearch(job, view), job_(job), view_(view) {}

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
        const bool available = job_.availArea[level] != 0;
        short& count = job_.comboCount[level];
        for (;;) {
            if (available) {
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

    JobState& job_;
    ResultsView& view_;
};
