// Times whole jobs (set-up, search and report, as wirnak-cli runs them) and the search alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "cli/CliJob.h"
#include "gauge/JobState.h"
#include "search/CombinationSearch.h"

namespace {

void runJob(benchmark::State& state, std::vector<std::string> args) {
    for (auto _ : state) {
        const cli::Outcome outcome = cli::run(args);
        benchmark::DoNotOptimize(outcome.out.data());
        state.counters["status"] = outcome.status;
    }
}

const char* const kAllSizes =
    "8,9,10,11,12,13,13.5,14,14.5,15,15.5,16,16.5,17,17.5,18,18.5,19,19.5,20,20.5,21,21.5,22,"
    "22.5,23,24,25,26";

// The search alone, from the window set to the last result recorded; each run starts from the
// cleared tables that Back on the results page leaves.
void searchOnly(benchmark::State& state, double target, GaugeIndex thickest, GaugeIndex thinnest) {
    auto job = std::make_unique<JobState>();
    job->origArea = target;
    job->noWeightCheck = 1;
    for (GaugeIndex gauge = thickest; gauge <= thinnest; ++gauge) {
        job->availArea[gauge] = static_cast<float>(gaugeArea(gauge));
    }
    for (auto _ : state) {
        state.PauseTiming();
        clearSearchTables(*job);
        setAreaWindow(*job);
        SilentView view;
        state.ResumeTiming();
        CombinationSearch(*job, view).run();
        state.counters["results"] = job->resultCount;
    }
}

}  // namespace

BENCHMARK_CAPTURE(runJob, worked_example,
                  {"--round", "8=1", "--weight", "2", "--available", "12=0.5,13.5=2,14=1"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runJob, one_8swg_all_sizes, {"--round", "8=1", "--available", kAllSizes})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runJob, rect_10x3x2_14_to_20swg,
                  {"--rect", "10,3,2", "--available",
                   "14,14.5,15,15.5,16,16.5,17,17.5,18,18.5,19,19.5,20"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runJob, four_8swg_10_to_14swg,
                  {"--round", "8=4", "--available", "10,11,12,13,13.5,14"})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(searchOnly, one_8swg_all_sizes, static_cast<float>(gaugeArea(0)), 0, 28)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchOnly, rect_10x3x2_14_to_20swg, 60.0, 7, 19)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
