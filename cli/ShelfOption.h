#pragma once

#include <string>

// --shelf FILE: the sizes at hand read from a shelf file, as --available would give them.
namespace cli {

struct ShelfOption {
    std::string available;  // "12=0.5,13.5=2,14", when the file is a shelf
    std::string error;      // "shelf.txt:3: unknown SWG size '7'", "" when it is
};

ShelfOption readShelfOption(const std::string& path);

}  // namespace cli
