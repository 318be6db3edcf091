#pragma once

// The README's Layout table read as rules, and the project's #include lines held against them.
// Plain C++ on purpose: the check runs on the build machine before anything else is trusted.

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace layout {

struct Rule {
    // Anything: the folder is not checked (tests, benchmarks). NoCode: nothing to check.
    enum class Kind { Checked, Anything, NoCode };
    Kind kind = Kind::Checked;
    std::vector<std::string> mayUse;  // folder names without the slash, in the table's order
};

struct Table {
    std::map<std::string, Rule> rules;  // by folder name without the slash, e.g. "forms"
    std::vector<std::string> faults;    // rows whose wording the parser does not know
};

struct Include {
    int line = 0;
    std::string path;  // as written between the quotes
};

using Graph = std::map<std::string, std::set<std::string>>;

Table parseLayoutTable(const std::string& readme);
std::vector<Include> localIncludes(const std::string& source);
// One shortest loop through each node that lies on one, each loop once, as a path that
// returns to its first node.
std::vector<std::vector<std::string>> findLoops(const Graph& graph);

std::vector<std::string> tableFaults(const Table& table);
std::vector<std::string> unlistedFolderFaults(const std::filesystem::path& root,
                                              const Table& table);
std::vector<std::string> includeFaults(const std::filesystem::path& root, const Table& table);
std::vector<std::string> loopFaults(const std::filesystem::path& root, const Table& table);

// Every fault of the tree at root against the table in root/README.md.
std::vector<std::string> layoutFaults(const std::filesystem::path& root);

}  // namespace layout
