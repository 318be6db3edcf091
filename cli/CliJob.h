#pragma once

#include <atomic>
#include <string>
#include <vector>

// wirnak-cli: the search engine driven from a command line, for scripting and checking.
// The job is set up exactly as the two data pages of the wizard would set it up.
namespace cli {

// kCannotWrite is the program's own: run() prints nothing.
enum ExitStatus { kFinished = 0, kCannotWrite = 1, kBadInput = 2, kStoppedEarly = 3 };

struct Outcome {
    int status = kFinished;
    std::string out;  // standard output
    std::string err;  // standard error
};

// stop, when given and set, ends a ranking before its end, as an interrupt would: for a caller
// that must bound the time one run takes, such as the fuzzer. run() then answers kStoppedEarly.
Outcome run(const std::vector<std::string>& args, const std::atomic<bool>* stop = nullptr);

extern const char* const kUsage;

}  // namespace cli
