#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "search/CombinationSearch.h"
#include "search/Ranking.h"
#include "search/ReferenceSearch.h"
#include "search/ResultsView.h"

// The ranked list the plain way: every count vector over the levels (the 29 SWG rows, or the sizes
// at hand when some are not SWG) within the limits, each count running as the search steps it
// (from 0 up to the first whose running total reaches the window's top), the total added over all
// levels thickest first, the line and its stars written
// by the search's own match test; then all of them sorted and the first kResultSlots kept.
class RankingReference {
public:
    // The figures the order compares, in its sequence; last the counts negated, so that more of
    // the thicker size sorts first.
    using Key = std::tuple<double, double, double, std::vector<int>>;
    struct Entry {
        std::string line;  // as the search records it, stars included
        float total = 0;
        int wires = 0;
        int sizes = 0;
        Key key;
    };
    struct List {
        std::vector<Entry> best;
        long long counted = 0;
        SearchEnd end = SearchEnd::Complete;
        GaugeIndex limitingGauge = -1;
    };

    RankingReference(const JobState& job, const ListChoice& choice)
        : job_(std::make_unique<JobState>(job)),
          choice_(choice),
          search_(*job_, view_),
          levels_(plainLevels(job)) {
        clearSearchTables(*job_);
    }

    List run() {
        descend(0, 0, 0);
        if (list_.end != SearchEnd::Complete)
            return list_;
        std::sort(all_.begin(), all_.end(),
                  [](const Entry& a, const Entry& b) { return a.key < b.key; });
        list_.counted = static_cast<long long>(all_.size());
        if (all_.size() > kResultSlots)
            all_.resize(kResultSlots);
        list_.best = std::move(all_);
        return list_;
    }

private:
    float sumThrough(int level) const {
        float sum = 0;
        for (int k = 0; k <= level; ++k) sum = job_->comboArea[k] + sum;
        return sum;
    }

    void descend(int level, int sizes, int wires) {
        if (list_.end != SearchEnd::Complete)
            return;
        if (level == static_cast<int>(levels_.size())) {
            record(sizes, wires);
            return;
        }
        const float area = levels_[level].area;
        const auto& limits = choice_.limits;
        for (int count = 0;; ++count) {
            if (count > 0 && (area == 0 || sizes == limits.mostSizes ||
                              (limits.mostWires && wires + count > *limits.mostWires)))
                break;
            job_->comboCount[level] = static_cast<short>(count);
            job_->comboArea[level] = static_cast<float>(count) * area;
            job_->comboText[level] =
                count == 0 ? std::string() : levels_[level].label + " X " + std::to_string(count);
            descend(level + 1, sizes + (count > 0), wires + count);
            const float total = sumThrough(level);
            if (total >= job_->areaHigh)
                break;
            if (count == 32767 && (!limits.mostWires || wires + count < *limits.mostWires)) {
                list_.end = SearchEnd::CountLimit;
                list_.limitingGauge = static_cast<GaugeIndex>(level);
                break;
            }
        }
        job_->comboCount[level] = 0;
        job_->comboArea[level] = 0;
        job_->comboText[level].clear();
    }

    void record(int sizes, int wires) {
        const int last = static_cast<int>(levels_.size()) - 1;
        const float total = sumThrough(last);
        if (sizes == 0 || total > job_->areaHigh || total < job_->areaLow)
            return;
        job_->resultCount = 0;
        job_->resultText[0].clear();
        search_.matchTest(total, static_cast<GaugeIndex>(last));
        const std::string& line = job_->resultText[0];
        if (choice_.coveredOnly && line.find('*') != std::string::npos)
            return;
        std::vector<int> negated;
        for (int g = 0; g <= last; ++g) negated.push_back(-job_->comboCount[g]);
        const double distance = std::fabs(static_cast<double>(total) - job_->origArea);
        const Key key = choice_.order == ResultOrder::FewestWires ? Key{wires, distance, 0, negated}
                        : choice_.order == ResultOrder::FewestSizes
                            ? Key{sizes, wires, distance, negated}
                            : Key{distance, wires, 0, negated};
        all_.push_back({line, total, wires, sizes, key});
    }

    std::unique_ptr<JobState> job_;
    ListChoice choice_;
    SilentView view_;
    CombinationSearch search_;
    std::vector<PlainLevel> levels_;
    std::vector<Entry> all_;
    List list_;
};
