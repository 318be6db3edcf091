#include <cstdio>

#include "cli/CliJob.h"

int main(int argc, char** argv) {
    const cli::Outcome outcome = cli::run(std::vector<std::string>(argv + 1, argv + argc));
    std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
    std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
    return outcome.status;
}
