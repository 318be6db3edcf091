// The shipped search against the plain walk, on a few thousand jobs drawn with a fixed seed:
// the same results in the same slots, the same end, and the same job state left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "search/ReferenceSearch.h"
#include "search/SearchFixture.h"

namespace {

class JobMaker {
public:
    explicit JobMaker(unsigned seed) : random_(seed) {}

    // Fills a cleared job with a fresh target, window, sizes at hand and weights.
    std::string make(JobState& job) {
        std::string what;
        if (chance(0.02)) {
            // A thin size beyond its 32767 wires, perhaps below a thicker one.
            const auto thin = static_cast<GaugeIndex>(19 + below(10));
            job.origArea = 32767 * gaugeArea(thin) * (1.01 + below(50) / 100.0);
            makeAvailable(job, thin);
            if (chance(0.5))
                makeAvailable(job, static_cast<GaugeIndex>(below(thin)));
            what = "beyond 32767 wires";
        } else {
            job.origArea = drawTarget(what);
            // Sizes near the target, now and then any size, thin ones making many combinations.
            GaugeIndex thinnestNear = kLastGauge;
            while (thinnestNear > 0 && gaugeArea(thinnestNear) < std::abs(job.origArea) / 25)
                --thinnestNear;
            for (int k = below(5); k >= 0; --k) {
                makeAvailable(job, static_cast<GaugeIndex>(chance(0.05) ? below(29)
                                                                        : below(thinnestNear + 1)));
            }
        }
        setAreaWindow(job);
        if (chance(0.01)) {
            job.areaLow = oddBound();
            job.areaHigh = oddBound();
            what += ", odd window";
        }
        for (float& stock : job.availWeight) stock = static_cast<float>(below(30)) / 10;
        job.origWeight = static_cast<float>(below(50)) / 10;
        job.noWeightCheck = chance(0.5) ? 1 : 0;
        if (chance(0.02)) {
            // Left over from an earlier search on a size no longer at hand: the plain walk adds
            // it into every total.
            const auto gauge = static_cast<GaugeIndex>(below(29));
            if (job.availArea[gauge] == 0)
                job.comboArea[gauge] = static_cast<float>(below(4)) / 4;
            what += ", leftover";
        }
        return what;
    }

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    double drawTarget(std::string& what) {
        const int kind = below(100);
        if (kind < 3) {
            what = "zero";
            return 0;
        }
        if (kind < 6) {
            what = "negative";
            return -static_cast<double>(below(100)) / 7;
        }
        if (kind < 8) {
            what = "large";
            return 20.0 + below(40);
        }
        if (kind < 55) {
            // Round wires: up to three sizes, one to four of each, summed as the page sums them.
            auto job = std::make_unique<JobState>();
            for (int k = below(3); k >= 0; --k) {
                const GaugeIndex gauge = static_cast<GaugeIndex>(6 + below(23));
                job->origGaugeArea[gauge] = static_cast<float>(gaugeArea(gauge));
                job->origWireCount[gauge] = static_cast<short>(1 + below(4));
            }
            what = "round";
            return circularArea(*job);
        }
        what = "rect";
        return rectangularArea(0.5 + below(40) / 10.0, 0.5 + below(20) / 10.0, 1 + below(2));
    }

    float oddBound() {
        const float bounds[] = {std::numeric_limits<float>::quiet_NaN(),
                                std::numeric_limits<float>::infinity(), -1.0f, 0.0f, 3.0f};
        return bounds[below(5)];
    }

    std::mt19937 random_;
};

void clearJob(JobState& job) {
    clearSearchTables(job);
    job.origArea = 0;
    job.availArea = {};
    job.availWeight = {};
    job.comboTotal = 0;
}

TEST(SearchAgreement, TheSearchRecordsWhatThePlainWalkRecordsOnThousandsOfJobs) {
    auto reference = std::make_unique<JobState>();
    auto shipped = std::make_unique<JobState>();
    JobMaker maker(20240610);
    int tableFull = 0;
    int countLimit = 0;
    int withResults = 0;
    for (int n = 0; n < 3000; ++n) {
        clearJob(*reference);
        const std::string what = maker.make(*reference);
        *shipped = *reference;
        SCOPED_TRACE("job " + std::to_string(n) + ": " + what);

        RecordingView referenceView;
        RecordingView shippedView;
        const SearchOutcome expected = ReferenceSearch(*reference, referenceView).runReference();
        const SearchOutcome outcome = CombinationSearch(*shipped, shippedView).run();

        ASSERT_EQ(outcome.end, expected.end);
        ASSERT_EQ(outcome.limitingGauge, expected.limitingGauge);
        ASSERT_EQ(shipped->resultCount, reference->resultCount);
        // The slot after the last result may hold the area of a dropped repeat.
        const int slots = std::min<int>(reference->resultCount + 1, kResultSlots);
        for (int j = 0; j < slots; ++j) {
            ASSERT_EQ(shipped->resultText[j], reference->resultText[j]) << "slot " << j;
            ASSERT_EQ(std::bit_cast<std::uint32_t>(shipped->resultArea[j]),
                      std::bit_cast<std::uint32_t>(reference->resultArea[j]))
                << "slot " << j;
        }
        ASSERT_EQ(shipped->comboCount, reference->comboCount);
        ASSERT_EQ(shipped->comboArea, reference->comboArea);
        ASSERT_EQ(shipped->comboText, reference->comboText);
        ASSERT_EQ(std::bit_cast<std::uint32_t>(shipped->comboTotal),
                  std::bit_cast<std::uint32_t>(reference->comboTotal));
        ASSERT_EQ(shippedView.progress, referenceView.progress);
        ASSERT_EQ(shippedView.pointer, MousePointer::Hourglass);

        tableFull += expected.end == SearchEnd::TableFull;
        countLimit += expected.end == SearchEnd::CountLimit;
        withResults += reference->resultCount > 0;
    }
    // The draw reaches every way a search can end.
    EXPECT_GE(tableFull, 5);
    EXPECT_GE(countLimit, 20);
    EXPECT_GE(withResults, 500);
}

// The target of round wires of mixed systems, added up plainly: each size's count × its area,
// thickest first, in single precision.
float plainRoundTarget(const JobState& job) {
    std::vector<std::pair<float, short>> terms;
    for (GaugeIndex g = 0; g < kGaugeCount; ++g) {
        if (job.origGaugeArea[g] != 0)
            terms.emplace_back(job.origGaugeArea[g], job.origWireCount[g]);
    }
    for (const OriginalOther& other : job.origOther)
        terms.emplace_back(static_cast<float>(std::pow(sizeDiameter(other.size), 2) * 0.7853981),
                           other.count);
    std::sort(terms.begin(), terms.end(), [](auto& a, auto& b) { return a.first > b.first; });
    float sum = 0;
    for (const auto& [area, count] : terms) sum = sum + static_cast<float>(count) * area;
    return sum;
}

TEST(SearchAgreement, MixedShelvesAreWalkedThickestFirstAsThePlainWalkWalksThem) {
    std::mt19937 draw(20240924);
    int withResults = 0;
    for (int n = 0; n < 600; ++n) {
        auto reference = std::make_unique<JobState>();
        const std::string what = drawMixedJob(*reference, draw);
        auto shipped = std::make_unique<JobState>(*reference);
        SCOPED_TRACE("job " + std::to_string(n) + ": " + what);
        if (what == "round") {
            ASSERT_EQ(static_cast<float>(reference->origArea), plainRoundTarget(*reference));
        }

        RecordingView referenceView;
        RecordingView shippedView;
        const SearchOutcome expected = ReferenceSearch(*reference, referenceView).runReference();
        const SearchOutcome outcome = CombinationSearch(*shipped, shippedView).run();
        ASSERT_EQ(outcome.end, expected.end);
        ASSERT_EQ(recordedLines(*shipped), recordedLines(*reference));
        for (int j = 0; j < reference->resultCount; ++j) {
            ASSERT_EQ(std::bit_cast<std::uint32_t>(shipped->resultArea[j]),
                      std::bit_cast<std::uint32_t>(reference->resultArea[j]));
        }
        ASSERT_EQ(shipped->comboText, reference->comboText);
        // The bar runs over the sizes at hand: the last level done is one below its top.
        ASSERT_EQ(shippedView.progress, referenceView.progress);
        if (outcome.end == SearchEnd::Complete) {
            ASSERT_EQ(shippedView.progress, progressTop(*shipped) - 1.0f);
        }
        withResults += reference->resultCount > 0;
    }
    EXPECT_GE(withResults, 200);
}

}  // namespace
