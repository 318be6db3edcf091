#include "cli/ShelfOption.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "gauge/Quoted.h"
#include "gauge/ShelfFile.h"

namespace cli {

namespace {

std::string cannotRead(const std::string& path, int error) {
    return shown::path(path) + ": cannot be read: " + std::strerror(error);
}

}  // namespace

ShelfOption readShelfOption(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        int error = errno;
        // Windows refuses to open a folder as if it were locked away: name what it is.
        std::error_code ignored;
        if (error == EACCES && std::filesystem::is_directory(path, ignored))
            error = EISDIR;
        return {{}, cannotRead(path, error)};
    }
    // At most one byte past the limit: enough to know that the file is too long.
    std::string text(kLargestShelfFile + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    const int error = !std::ferror(file) ? 0 : errno != 0 ? errno : EIO;
    std::fclose(file);
    if (error != 0)
        return {{}, cannotRead(path, error)};
    if (text.size() > kLargestShelfFile)
        return {{}, shown::path(path) + ": too long for a shelf file"};

    const ShelfReading reading = readShelf(text);
    if (!reading.ok())
        return {{}, shelfFault(shown::path(path), reading)};
    std::string available;
    for (const ShelfSize& size : reading.shelf) {
        available += (available.empty() ? "" : ",") + sizeAsTyped(size.size);
        if (size.stock)
            available += "=" + *size.stock;
    }
    return {available, {}};
}

}  // namespace cli
