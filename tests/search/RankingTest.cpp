// The ranking against the plain enumeration of every count vector, on drawn jobs.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <random>

#include "gauge/Numeric.h"
#include "search/RankingReference.h"
#include "search/Report.h"
#include "search/SearchFixture.h"

namespace {

class RankedJobMaker {
public:
    explicit RankedJobMaker(unsigned seed) : random_(seed) {}

    // A cleared job with a target, sizes at hand and weights, and how to rank it.
    std::string make(JobState& job, ListChoice& choice, RankingControl& control) {
        std::string what = "near";
        const int kind = below(100);
        if (kind < 5) {
            what = "beyond 32767 wires";  // of a thin size, perhaps below a thicker one
            const auto thin = static_cast<GaugeIndex>(19 + below(10));
            job.origArea = 32767 * gaugeArea(thin) * (1.01 + below(50) / 100.0);
            makeAvailable(job, thin);
            makeAvailable(job, static_cast<GaugeIndex>(below(thin)));
        } else if (kind < 14) {
            what = "crowded";  // many thin sizes: far more than 10001 combinations
            job.origArea = gaugeArea(static_cast<GaugeIndex>(below(3)));
            for (GaugeIndex g = 12; g <= kLastGauge; ++g) {
                if (chance(0.7))
                    makeAvailable(job, g);
            }
        } else {
            job.origArea = kind < 16   ? -below(3)
                           : kind < 55 ? static_cast<float>(gaugeArea(below(29))) * (1 + below(4))
                                       : rectangularArea(0.5 + below(40) / 10.0,
                                                         0.5 + below(20) / 10.0, 1 + below(2));
            GaugeIndex thinnestNear = kLastGauge;
            while (thinnestNear > 0 && gaugeArea(thinnestNear) < std::abs(job.origArea) / 40)
                --thinnestNear;
            for (int k = 1 + below(7); k >= 0; --k)
                makeAvailable(job, static_cast<GaugeIndex>(below(thinnestNear + 1)));
        }
        setAreaWindow(job);
        const auto first = std::find_if(job.availArea.begin(), job.availArea.end(),
                                        [](float area) { return area != 0; });
        if (chance(0.15) && job.areaHigh > 0) {
            what += ", window on totals";  // both ends on totals of one size
            job.areaLow = static_cast<float>(std::ceil(job.areaLow / *first)) * *first;
            job.areaHigh = static_cast<float>(std::floor(job.areaHigh / *first)) * *first;
        }
        for (float& stock : job.availWeight) stock = static_cast<float>(below(30)) / 10;
        job.origWeight = static_cast<float>(below(50)) / 10;
        job.noWeightCheck = chance(0.4) ? 1 : 0;

        choice.order = std::array{ResultOrder::FewestWires, ResultOrder::FewestSizes,
                                  ResultOrder::ClosestToOriginal}[below(3)];
        choice.coveredOnly = job.noWeightCheck != 1 && chance(0.4);
        const bool crowded = what == "crowded";
        choice.limits.mostSizes = crowded ? 3 : 1 + below(4);
        if (chance(0.4))
            choice.limits.mostWires = crowded ? 10 + below(60) : 1 + below(30);
        // Now and then the orders by fewest skip what cannot enter as soon as they may.
        if (chance(crowded ? 0.6 : 0.3))
            control.countAllWithin = 0;
        return what;
    }

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::mt19937 random_;
};

TEST(Ranking, RanksAsThePlainEnumerationOnHundredsOfJobs) {
    RankedJobMaker maker(20240611);
    int full = 0, pruned = 0, countLimit = 0, ranked = 0;
    for (int n = 0; n < 400; ++n) {
        auto job = std::make_unique<JobState>();
        ListChoice choice;
        RankingControl control;
        const std::string what = maker.make(*job, choice, control);
        SCOPED_TRACE("job " + std::to_string(n) + ": " + what + ", " + orderWords(choice) +
                     (choice.coveredOnly ? ", covered" : ""));

        const RankingReference::List expected = RankingReference(*job, choice).run();
        const RankedList list = rankCombinations(rankingInput(*job), choice, ".", control);

        ASSERT_EQ(list.end, expected.end);
        ASSERT_EQ(list.limitingGauge, expected.limitingGauge);
        ASSERT_FALSE(list.cancelled);
        countLimit += expected.end != SearchEnd::Complete;
        ASSERT_EQ(list.best.size(), expected.best.size());
        for (std::size_t k = 0; k < list.best.size(); ++k) {
            const FoundResult& got = list.best[k];
            const RankingReference::Entry& want = expected.best[k];
            SCOPED_TRACE("place " + std::to_string(k));
            ASSERT_EQ(got.combination, want.line);
            ASSERT_EQ(got.line, reportLine(want.line, want.total));
            ASSERT_EQ(std::bit_cast<std::uint32_t>(got.totalArea),
                      std::bit_cast<std::uint32_t>(want.total));
            ASSERT_EQ(got.wires, want.wires);
            ASSERT_EQ(got.sizes, want.sizes);
        }
        if (list.countedAll) {
            ASSERT_EQ(list.counted, expected.counted);
        } else if (expected.end == SearchEnd::Complete) {
            // Only the orders by fewest may stop counting, and only once more than a list is seen.
            ASSERT_NE(choice.order, ResultOrder::ClosestToOriginal);
            ASSERT_GT(expected.counted, kResultSlots);
            ++pruned;
        }
        full += expected.counted > kResultSlots;
        ranked += !expected.best.empty();
    }
    // The draw reaches full lists, skipped branches, the count limit, and plenty of lists.
    EXPECT_GE(full, 8);
    EXPECT_GE(pruned, 3);
    EXPECT_GE(countLimit, 5);
    EXPECT_GE(ranked, 140);
}

TEST(Ranking, RanksMixedShelvesAsThePlainEnumerationInEveryOrder) {
    std::mt19937 draw(20240925);
    int ranked = 0;
    for (int n = 0; n < 240; ++n) {
        auto job = std::make_unique<JobState>();
        const std::string what = drawMixedJob(*job, draw);
        ListChoice choice(std::array{ResultOrder::FewestWires, ResultOrder::FewestSizes,
                                     ResultOrder::ClosestToOriginal}[n % 3]);
        choice.coveredOnly = job->noWeightCheck != 1 && n % 4 == 1;
        choice.limits.mostSizes = 1 + n % 4;
        if (n % 5 < 2)
            choice.limits.mostWires = 4 + n % 30;
        SCOPED_TRACE("job " + std::to_string(n) + ": " + what + ", " + orderWords(choice));

        const RankingReference::List expected = RankingReference(*job, choice).run();
        const RankedList list = rankCombinations(rankingInput(*job), choice);
        ASSERT_EQ(list.end, expected.end);
        ASSERT_EQ(list.best.size(), expected.best.size());
        for (std::size_t k = 0; k < list.best.size(); ++k) {
            ASSERT_EQ(list.best[k].combination, expected.best[k].line) << "place " << k;
            ASSERT_EQ(std::bit_cast<std::uint32_t>(list.best[k].totalArea),
                      std::bit_cast<std::uint32_t>(expected.best[k].total));
        }
        if (list.countedAll) {
            ASSERT_EQ(list.counted, expected.counted);
        }
        ranked += !expected.best.empty();
    }
    EXPECT_GE(ranked, 100);
}

TEST(Ranking, FiguresAndCountLineReadAsTheShopWritesThem) {
    // Never "-0.00 %" nor "-0.0000" in the CSV for a total that rounds to the target.
    EXPECT_EQ(deviationText(-0.004) + numeric::formatFixed(-0.00004, 4), "+0.00 %0.0000");
    const ListChoice choice(ResultOrder::FewestSizes, true, {2, 12});
    EXPECT_EQ(orderWords(choice), "fewest sizes, at most 2 sizes and 12 wires");
    RankedList list;
    list.best.resize(kResultSlots);
    list.countedAll = false;
    EXPECT_EQ(rankedCountLine(list, choice),
              "best 10001 of more than 10001 combinations of at most 2 sizes and 12 wires covered "
              "by the stock");
}

TEST(Ranking, TellsItsProgressAndStopsWhenCancelled) {
    auto job = std::make_unique<JobState>();
    job->origArea = 4 * gaugeArea(0);
    for (GaugeIndex g = 0; g <= kLastGauge; ++g) makeAvailable(*job, g);
    setAreaWindow(*job);
    std::atomic<bool> cancel = false;
    std::vector<double> shown;
    const RankingControl control{&cancel, [&](double done) {
                                     shown.push_back(done);
                                     cancel = done > 0.3;
                                 }};
    EXPECT_TRUE(rankCombinations(rankingInput(*job), {ResultOrder::ClosestToOriginal}, ".", control)
                    .cancelled);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_LT(shown.back(), 0.4);
}

}  // namespace
