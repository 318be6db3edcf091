// Times search + report on named jobs, through the same set-up the wizard's pages make.
#include <benchmark/benchmark.h>

#include "cli/CliJob.h"

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

BENCHMARK_MAIN();
