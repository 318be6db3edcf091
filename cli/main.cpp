#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/CliJob.h"

namespace {

// Writes the whole output and closes the stream, so that a full disk or a closed descriptor is
// noticed here and not lost in the exit; false, with errno saying why, when it cannot.
bool writeAndClose(std::FILE* stream, const std::string& text) {
    errno = 0;
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0 && std::fclose(stream) == 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes as on any other system: the runtime's text mode would put a CR before every
    // LF, and a second one into the CSV's CRLF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const cli::Outcome outcome = cli::run(std::vector<std::string>(argv + 1, argv + argc));
    // With nothing to print, a closed output loses nothing.
    const bool written = outcome.out.empty() || writeAndClose(stdout, outcome.out);
    const int reason = errno;
    std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
    if (!written) {
        // A script that checks the status must not take a list it never got for the answer.
        std::fprintf(stderr, "wirnak-cli: cannot write the output: %s\n",
                     std::strerror(reason != 0 ? reason : EIO));
        return cli::kCannotWrite;
    }
    return outcome.status;
}
