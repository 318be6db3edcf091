// wirnak-cli's argument handling on any arguments: the input split at NUL bytes. Whatever it is
// given, it finishes, refuses bad input with a short message of plain text and output on one
// stream only.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "WirnakInfo.h"
#include "cli/CliJob.h"

namespace {

void require(bool holds) {
    if (!holds)
        std::abort();
}

// A list ends with its count; as CSV it starts with the header.
bool isList(const std::string& out) {
    static const std::regex countLine(
        R"((\d+ Wire combinations found( \(\d+ shown\))?)"
        R"(|best \d+ of (more than )?\d+ combinations of at most [1-4] sizes?( and \d+ wires?)?)"
        R"(( covered by the stock)?)\n)");
    if (out.starts_with("combination,total_mm2,"))
        return true;
    const auto lastLine = out.size() < 2 ? std::string::npos : out.rfind('\n', out.size() - 2);
    return std::regex_match(out.substr(lastLine == std::string::npos ? 0 : lastLine + 1),
                            countLine);
}

// One line of the reason and one that points to --help, nothing a terminal would obey: no C0
// control but the line ends, no DEL, no C1 control (U+0080..U+009F, "\xC2\x80".."\xC2\x9F").
bool isPlainMessage(const std::string& err) {
    for (std::size_t i = 0; i < err.size(); ++i) {
        const auto byte = static_cast<unsigned char>(err[i]);
        const auto next = i + 1 < err.size() ? static_cast<unsigned char>(err[i + 1]) : 0;
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F ||
            (byte == 0xC2 && next >= 0x80 && next < 0xA0))
            return false;
    }
    return std::count(err.begin(), err.end(), '\n') == 2 && err.ends_with("--help'.\n");
}

// A ranking may take minutes on a large enough job, as it would for a user, who can interrupt
// it. Here a watchdog interrupts any run that takes longer than a second, so that the fuzzer's
// time goes to the arguments.
std::atomic<bool> interrupt{false};
std::atomic<long long> runStarted{0};  // steady-clock milliseconds; 0 between runs

long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void watch() {
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const long long started = runStarted.load();
        if (started != 0 && nowMs() - started > 1000)
            interrupt = true;
    }
}

}  // namespace

// A shelf file named /dev/stdin must not wait for a terminal or a pipe that never ends.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    require(std::freopen("/dev/null", "rb", stdin) != nullptr);
    std::thread(watch).detach();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    interrupt = false;
    runStarted = nowMs();
    const cli::Outcome outcome = cli::run(args, &interrupt);
    runStarted = 0;
    switch (outcome.status) {
        case cli::kFinished:
            require(outcome.err.empty());
            require(outcome.out == cli::kUsage ||
                    outcome.out == std::string("wirnak-cli ") + wirnak::kVersion + "\n" ||
                    isList(outcome.out));
            break;
        case cli::kStoppedEarly:
            if (outcome.err == "wirnak-cli: the ranking was stopped before its end\n") {
                require(interrupt && outcome.out.empty());
                break;
            }
            require(outcome.err.starts_with("wirnak-cli: search stopped early: "));
            // A ranked list that a size's count limit stops shows nothing.
            require(isList(outcome.out) || outcome.out.empty());
            break;
        case cli::kBadInput:
            require(outcome.out.empty());
            require(outcome.err.starts_with("wirnak-cli: "));
            // A bad value is shown escaped and cut short, however long and whatever it is.
            require(outcome.err.size() < 300);
            require(isPlainMessage(outcome.err));
            break;
        default:
            // Not even kCannotWrite: run() writes nothing, only the program does.
            require(false);
    }
    return 0;
}
