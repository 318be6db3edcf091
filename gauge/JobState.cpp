#include "gauge/JobState.h"

#include <algorithm>
#include <cmath>
#include <numbers>

const char* const kTargetTooLarge =
    "The width, thickness and number of wires give a cross-section too large to work with. "
    "Please check them.";

namespace {

struct AreaWindow {
    float low;
    float high;
};

// Target ± 0.5 %, worked out in double and only then narrowed.
AreaWindow windowAround(double target) {
    constexpr double kTolerance = 0.005;
    return {static_cast<float>(target - target * kTolerance),
            static_cast<float>(target + target * kTolerance)};
}

}  // namespace

JobState& jobState() {
    static JobState* const job = new JobState();  // lives for the whole run
    return *job;
}

float circularArea(const JobState& job) {
    float sum = 0;
    if (job.origOther.empty()) {
        for (int i = 0; i < kGaugeCount; ++i) {
            const float term = static_cast<float>(job.origWireCount[i]) * job.origGaugeArea[i];
            sum = sum + term;
        }
        return sum;
    }
    struct Term {
        float area;
        short count;
    };
    std::vector<Term> terms;
    for (int i = 0; i < kGaugeCount; ++i) {
        if (job.origGaugeArea[i] != 0)
            terms.push_back({job.origGaugeArea[i], job.origWireCount[i]});
    }
    for (const OriginalOther& other : job.origOther)
        terms.push_back({sizeArea(other.size), other.count});
    std::stable_sort(terms.begin(), terms.end(),
                     [](const Term& a, const Term& b) { return a.area > b.area; });
    for (const Term& term : terms) sum = sum + static_cast<float>(term.count) * term.area;
    return sum;
}

std::vector<OriginalOther> originalRoundWires(const JobState& job) {
    std::vector<OriginalOther> wires;
    for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge) {
        if (job.origGaugeArea[gauge] != 0)
            wires.push_back({WireSize::swg(gauge), job.origWireCount[gauge]});
    }
    wires.insert(wires.end(), job.origOther.begin(), job.origOther.end());
    std::stable_sort(
        wires.begin(), wires.end(),
        [](const OriginalOther& a, const OriginalOther& b) { return thickerSize(a.size, b.size); });
    return wires;
}

std::vector<SearchLevel> searchLevels(const JobState& job) {
    std::vector<SearchLevel> levels;
    const bool swgAlone = job.availOther.empty();
    for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge) {
        if (swgAlone || job.availArea[gauge] != 0)
            levels.push_back({WireSize::swg(gauge), job.availArea[gauge], job.availWeight[gauge]});
    }
    if (swgAlone)
        return levels;
    for (const AvailableOther& other : job.availOther) {
        if (levels.size() == kMostLevels)
            break;  // a page keeps fewer
        levels.push_back({other.size, sizeArea(other.size), other.stock.value_or(0)});
    }
    std::stable_sort(levels.begin(), levels.end(),
                     [](const SearchLevel& a, const SearchLevel& b) { return a.area > b.area; });
    return levels;
}

int progressTop(const JobState& job) {
    return job.availOther.empty() ? kGaugeCount : static_cast<int>(searchLevels(job).size());
}

std::vector<WireSize> tickedSwgSizes(const JobState& job, SizeList list) {
    std::vector<WireSize> sizes;
    for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge) {
        const float area =
            list == SizeList::Original ? job.origGaugeArea[gauge] : job.availArea[gauge];
        if (area != 0)
            sizes.push_back(WireSize::swg(gauge));
    }
    return sizes;
}

std::optional<WireSize> repeatedSize(const std::vector<WireSize>& sizes, WireSize size) {
    for (const WireSize there : sizes) {
        if (there == size || sameWire(size, there))
            return there;
    }
    return std::nullopt;
}

std::optional<WireSize> sameWireOnList(const JobState& job, SizeList list, WireSize size) {
    std::vector<WireSize> sizes = tickedSwgSizes(job, list);
    if (list == SizeList::Original) {
        for (const OriginalOther& other : job.origOther) sizes.push_back(other.size);
    } else {
        for (const AvailableOther& other : job.availOther) sizes.push_back(other.size);
    }
    return repeatedSize(sizes, size);
}

double rectangularArea(double width, double thickness, double count, double cornerRadius) {
    return count * (width * thickness - (4 - std::numbers::pi) * cornerRadius * cornerRadius);
}

void setAreaWindow(JobState& job) {
    job.resultCount = 0;
    const AreaWindow window = windowAround(job.origArea);
    job.areaLow = window.low;
    job.areaHigh = window.high;
}

bool areaWindowFits(double target) {
    const AreaWindow window = windowAround(target);
    return std::isfinite(window.low) && std::isfinite(window.high);
}

void clearSearchTables(JobState& job) {
    job.resultArea.fill(0);
    for (auto& text : job.resultText) text.clear();
    job.comboCount.fill(0);
    job.comboArea.fill(0);
    for (auto& text : job.comboText) text.clear();
}
