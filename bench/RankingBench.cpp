// Times the ranked orders over the whole shelf: the ranking alone, counting included, from the
// job as the pages leave it.
#include <benchmark/benchmark.h>

#include <memory>

#include "gauge/JobState.h"
#include "search/Ranking.h"

namespace {

// A target of round wires, or a rectangular one, with every size ticked and no weights.
std::unique_ptr<JobState> allSizesJob(double target) {
    auto job = std::make_unique<JobState>();
    job->origArea = target;
    job->noWeightCheck = 1;
    for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge)
        job->availArea[gauge] = static_cast<float>(gaugeArea(gauge));
    setAreaWindow(*job);
    return job;
}

double roundTarget(GaugeIndex gauge, short wires) {
    auto job = std::make_unique<JobState>();
    job->origGaugeArea[gauge] = static_cast<float>(gaugeArea(gauge));
    job->origWireCount[gauge] = wires;
    return circularArea(*job);
}

void rank(benchmark::State& state, double target, ResultOrder order, bool coveredOnly = false) {
    auto job = allSizesJob(target);
    if (coveredOnly) {
        // A 2 kg winding and 1.2 kg of every size: a size alone is short, shared ones often not.
        job->noWeightCheck = 0;
        job->origWeight = 2;
        job->availWeight.fill(1.2f);
    }
    const RankingInput input = rankingInput(*job);
    const ListChoice choice(order, coveredOnly);
    for (auto _ : state) {
        const RankedList list = rankCombinations(input, choice);
        benchmark::DoNotOptimize(list.best.data());
        state.counters["counted"] = static_cast<double>(list.counted);
    }
}

void rankRoundWire(benchmark::State& state, GaugeIndex gauge, short wires, ResultOrder order,
                   bool coveredOnly = false) {
    rank(state, roundTarget(gauge, wires), order, coveredOnly);
}

}  // namespace

#define RANK_ORDERS(name, ...)                                                                    \
    BENCHMARK_CAPTURE(rankRoundWire, name##_wires, __VA_ARGS__, ResultOrder::FewestWires)         \
        ->Unit(benchmark::kMillisecond);                                                          \
    BENCHMARK_CAPTURE(rankRoundWire, name##_sizes, __VA_ARGS__, ResultOrder::FewestSizes)         \
        ->Unit(benchmark::kMillisecond);                                                          \
    BENCHMARK_CAPTURE(rankRoundWire, name##_closest, __VA_ARGS__, ResultOrder::ClosestToOriginal) \
        ->Unit(benchmark::kMillisecond)

// One wire of 26 SWG up to one of 8 SWG, all 29 sizes ticked.
RANK_ORDERS(one_26swg, 28, 1);
RANK_ORDERS(one_20swg, 19, 1);
RANK_ORDERS(one_14swg, 7, 1);
RANK_ORDERS(one_11swg, 3, 1);
RANK_ORDERS(one_8swg, 0, 1);
RANK_ORDERS(four_8swg, 0, 4);

BENCHMARK_CAPTURE(rank, rect_10x3x2_wires, 60.0, ResultOrder::FewestWires)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rank, rect_10x3x2_sizes, 60.0, ResultOrder::FewestSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rank, rect_10x3x2_closest, 60.0, ResultOrder::ClosestToOriginal)
    ->Unit(benchmark::kMillisecond);

// Only what the stock covers: every combination's stars are weighed.
BENCHMARK_CAPTURE(rankRoundWire, one_8swg_covered_wires, 0, 1, ResultOrder::FewestWires, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rankRoundWire, one_8swg_covered_closest, 0, 1, ResultOrder::ClosestToOriginal,
                  true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rankRoundWire, four_8swg_covered_closest, 0, 4, ResultOrder::ClosestToOriginal,
                  true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
