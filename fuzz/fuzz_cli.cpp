// wirnak-cli's argument handling on any arguments: the input split at NUL bytes. Whatever it is
// given, it finishes, refuses bad input with a short message and output on one stream only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/CliJob.h"

namespace {

void require(bool holds) {
    if (!holds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    const cli::Outcome outcome = cli::run(args);
    switch (outcome.status) {
        case cli::kFinished:
            require(outcome.err.empty());
            require(outcome.out.starts_with("usage: ") ||
                    outcome.out.ends_with(" Wire combinations found\n"));
            break;
        case cli::kStoppedEarly:
            require(outcome.err.starts_with("wirnak-cli: search stopped early: "));
            break;
        case cli::kBadInput:
            require(outcome.out.empty());
            require(outcome.err.starts_with("wirnak-cli: "));
            // A bad value is shown cut short, however long it is.
            require(outcome.err.size() < 300);
            break;
        default:
            require(false);
    }
    return 0;
}
