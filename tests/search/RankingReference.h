#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "search/CombinationSearch.h"
#include "search/Ranking.h"
#include "search/ResultsView.h"

// The ranked list the plain way: every count vector over the 29 sizes within the limits, each
// count running as the search steps it (from 0 up to the first whose running total reaches the
// window's top), the total added over all 29 sizes thickest first, the line and its stars written
// by the search's own match test; then all of them sorted and the first kResultSlots kept.
class RankingReference {
public:
    struct Entry {
        std::string line;  // as the search records it, stars included
        float total = 0;
        int wires = 0;
        int sizes = 0;
        double distance = 0;
        std::array<int, kGaugeCount> counts{};
    };
    struct List {
        std::vector<Entry> best;
        long long counted = 0;
        SearchEnd end = SearchEnd::Complete;
        GaugeIndex limitingGauge = -1;
    };

    RankingReference(const JobState& job, const ListChoice& choice)
        : job_(std::make_unique<JobState>(job)), choice_(choice), search_(*job_, view_) {
        clearSearchTables(*job_);
    }

    List run() {
        descend(0, 0, 0);
        if (list_.end != SearchEnd::Complete)
            return list_;
        std::sort(all_.begin(), all_.end(),
                  [this](const Entry& a, const Entry& b) { return key(a) < key(b); });
        list_.counted = static_cast<long long>(all_.size());
        if (all_.size() > kResultSlots)
            all_.resize(kResultSlots);
        list_.best = std::move(all_);
        return list_;
    }

private:
    // Thicker first: more of the thicker size sorts first, so the counts are compared negated.
    std::tuple<double, double, double, std::array<int, kGaugeCount>> key(const Entry& e) const {
        std::array<int, kGaugeCount> negated{};
        for (int g = 0; g < kGaugeCount; ++g) negated[g] = -e.counts[g];
        const double wires = e.wires;
        const double sizes = e.sizes;
        switch (choice_.order) {
            case ResultOrder::FewestWires:
                return {wires, e.distance, 0, negated};
            case ResultOrder::FewestSizes:
                return {sizes, wires, e.distance, negated};
            default:
                return {e.distance, wires, 0, negated};
        }
    }

    float sumThrough(int level) const {
        float sum = 0;
        for (int k = 0; k <= level; ++k) sum = job_->comboArea[k] + sum;
        return sum;
    }

    void descend(int level, int sizes, int wires) {
        if (list_.end != SearchEnd::Complete)
            return;
        if (level == kGaugeCount) {
            record(sizes, wires);
            return;
        }
        const float area = job_->availArea[level];
        const auto& limits = choice_.limits;
        for (int count = 0;; ++count) {
            if (count > 0 && (area == 0 || sizes == limits.mostSizes ||
                              (limits.mostWires && wires + count > *limits.mostWires)))
                break;
            job_->comboCount[level] = static_cast<short>(count);
            job_->comboArea[level] = static_cast<float>(count) * area;
            job_->comboText[level] =
                count == 0 ? std::string() : gaugeLabel(level) + " X " + std::to_string(count);
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
        const float total = sumThrough(kLastGauge);
        if (sizes == 0 || total > job_->areaHigh || total < job_->areaLow)
            return;
        job_->resultCount = 0;
        job_->resultText[0].clear();
        search_.matchTest(total, kLastGauge);
        Entry entry;
        entry.line = job_->resultText[0];
        if (choice_.coveredOnly && entry.line.find('*') != std::string::npos)
            return;
        entry.total = total;
        entry.wires = wires;
        entry.sizes = sizes;
        entry.distance = std::fabs(static_cast<double>(total) - job_->origArea);
        for (int g = 0; g < kGaugeCount; ++g) entry.counts[g] = job_->comboCount[g];
        all_.push_back(std::move(entry));
    }

    std::unique_ptr<JobState> job_;
    ListChoice choice_;
    SilentView view_;
    CombinationSearch search_;
    std::vector<Entry> all_;
    List list_;
};
