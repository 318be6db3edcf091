// The ranking against the plain enumeration of every count vector, on drawn jobs; and the
// shop's two cases that the first 10001 found could not answer.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <set>

#include "search/RankingReference.h"
#include "search/Report.h"
#include "search/SearchFixture.h"

namespace {

class RankedJobMaker {
public:
    explicit RankedJobMaker(unsigned seed) : random_(seed) {}

    // A cleared job with a target, sizes at hand and weights, and a choice to rank it by.
    std::string make(JobState& job, ListChoice& choice) {
        std::string what;
        const int kind = below(100);
        if (kind < 5) {
            // A thin size whose 32767 wires stay below the top.
            const auto thin = static_cast<GaugeIndex>(19 + below(10));
            job.origArea = 32767 * gaugeArea(thin) * (1.01 + below(50) / 100.0);
            makeAvailable(job, thin);
            if (chance(0.5))
                makeAvailable(job, static_cast<GaugeIndex>(below(thin)));
            what = "beyond 32767 wires";
        } else if (kind < 14) {
            // Many thin sizes: far more than 10001 combinations.
            job.origArea = gaugeArea(static_cast<GaugeIndex>(below(3)));
            for (GaugeIndex g = 12; g <= kLastGauge; ++g) {
                if (chance(0.7))
                    makeAvailable(job, g);
            }
            what = "crowded";
        } else {
            job.origArea = kind < 16 ? -static_cast<double>(below(3)) : drawTarget(what);
            GaugeIndex thinnestNear = kLastGauge;
            while (thinnestNear > 0 && gaugeArea(thinnestNear) < std::abs(job.origArea) / 40)
                --thinnestNear;
            for (int k = 1 + below(7); k >= 0; --k)
                makeAvailable(job, static_cast<GaugeIndex>(below(thinnestNear + 1)));
        }
        setAreaWindow(job);
        for (float& stock : job.availWeight) stock = static_cast<float>(below(30)) / 10;
        job.origWeight = static_cast<float>(below(50)) / 10;
        job.noWeightCheck = chance(0.4) ? 1 : 0;

        const ResultOrder orders[] = {ResultOrder::FewestWires, ResultOrder::FewestSizes,
                                      ResultOrder::ClosestToOriginal};
        choice.order = orders[below(3)];
        choice.coveredOnly = job.noWeightCheck != 1 && chance(0.4);
        choice.limits.mostSizes = 1 + below(4);
        if (what == "crowded")
            choice.limits.mostSizes = 3;
        choice.limits.mostWires.reset();
        if (chance(0.4) || (what == "beyond 32767 wires" && chance(0.5)))
            choice.limits.mostWires = what == "crowded" ? 10 + below(60) : 1 + below(30);
        return what;
    }

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    double drawTarget(std::string& what) {
        if (chance(0.5)) {
            auto job = std::make_unique<JobState>();
            for (int k = below(3); k >= 0; --k) {
                const auto gauge = static_cast<GaugeIndex>(below(29));
                job->origGaugeArea[gauge] = static_cast<float>(gaugeArea(gauge));
                job->origWireCount[gauge] = static_cast<short>(1 + below(4));
            }
            what = "round";
            return circularArea(*job);
        }
        what = "rect";
        return rectangularArea(0.5 + below(40) / 10.0, 0.5 + below(20) / 10.0, 1 + below(2));
    }

    std::mt19937 random_;
};

std::uint32_t bits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

TEST(Ranking, RanksAsThePlainEnumerationOnHundredsOfJobs) {
    RankedJobMaker maker(20240611);
    int full = 0;
    int countLimit = 0;
    int ranked = 0;
    for (int n = 0; n < 400; ++n) {
        auto job = std::make_unique<JobState>();
        ListChoice choice;
        const std::string what = maker.make(*job, choice);
        SCOPED_TRACE("job " + std::to_string(n) + ": " + what + ", " + orderWords(choice) +
                     (choice.coveredOnly ? ", covered" : ""));

        const RankingReference::List expected = RankingReference(*job, choice).run();
        const RankedList list = rankCombinations(rankingInput(*job), choice);

        ASSERT_EQ(list.end, expected.end);
        ASSERT_EQ(list.limitingGauge, expected.limitingGauge);
        ASSERT_FALSE(list.cancelled);
        if (expected.end != SearchEnd::Complete) {
            ++countLimit;
            continue;
        }
        ASSERT_EQ(list.best.size(), expected.best.size());
        for (std::size_t k = 0; k < list.best.size(); ++k) {
            const FoundResult& got = list.best[k];
            const RankingReference::Entry& want = expected.best[k];
            ASSERT_EQ(got.combination, want.line) << "place " << k;
            ASSERT_EQ(got.line, reportLine(want.line, want.total)) << "place " << k;
            ASSERT_EQ(bits(got.totalArea), bits(want.total)) << "place " << k;
            ASSERT_EQ(got.wires, want.wires) << "place " << k;
            ASSERT_EQ(got.sizes, want.sizes) << "place " << k;
        }
        if (list.countedAll) {
            ASSERT_EQ(list.counted, expected.counted);
        } else {
            // Only the orders by fewest may stop counting, and only once more than a list is seen.
            ASSERT_NE(choice.order, ResultOrder::ClosestToOriginal);
            ASSERT_GT(expected.counted, kResultSlots);
        }
        full += expected.counted > kResultSlots;
        ranked += !expected.best.empty();
    }
    // The draw reaches a full list, the count limit, and plenty of lists.
    EXPECT_GE(full, 10);
    EXPECT_GE(countLimit, 5);
    EXPECT_GE(ranked, 170);
}

std::vector<std::string> combinations(const RankedList& list) {
    std::vector<std::string> shown;
    for (const FoundResult& result : list.best) shown.push_back(result.combination);
    return shown;
}

TEST(Ranking, TheFewestWiresComeFromBeyondTheFirst10001Found) {
    // Rectangular 5 × 2.5 mm, two in parallel, no weight; 12, 13.5, 14 and 21 to 26 SWG.
    auto rect = std::make_unique<JobState>();
    rect->origArea = rectangularArea(5, 2.5, 2);
    rect->noWeightCheck = 1;
    for (const GaugeIndex g : {k12Swg, k13_5Swg, k14Swg}) makeAvailable(*rect, g);
    for (GaugeIndex g = 21; g <= kLastGauge; ++g) makeAvailable(*rect, g);
    setAreaWindow(*rect);
    const ListChoice wires{ResultOrder::FewestWires};
    const RankedList list = rankCombinations(rankingInput(*rect), wires);
    ASSERT_FALSE(list.best.empty());
    EXPECT_EQ(rankedTextLine(list.best[0]),
              "12 SWG X 2, 13.5 SWG X 2, 14 SWG X 2,      24.94274  6 wires  3 sizes  -0.23 %");
    const std::vector<std::string> shown = combinations(list);
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), shown.size());

    // One 8 SWG wire from 9 to 26 SWG: three wires; from all 29 sizes: the wire itself.
    auto round = std::make_unique<JobState>();
    round->origGaugeArea[0] = static_cast<float>(gaugeArea(0));
    round->origWireCount[0] = 1;
    round->origArea = circularArea(*round);
    round->noWeightCheck = 1;
    for (GaugeIndex g = 1; g <= kLastGauge; ++g) makeAvailable(*round, g);
    setAreaWindow(*round);
    EXPECT_EQ(rankCombinations(rankingInput(*round), wires).best[0].wires, 3);
    makeAvailable(*round, 0);
    const RankedList all = rankCombinations(rankingInput(*round), wires);
    EXPECT_EQ(all.best[0].combination, "8 SWG X 1");
    EXPECT_EQ(all.counted, 80947);
    EXPECT_EQ(rankedCountLine(all, wires), "best 10001 of 80947 combinations of at most 3 sizes");
}

}  // namespace
