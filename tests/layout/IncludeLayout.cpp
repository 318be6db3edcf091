#include "IncludeLayout.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace layout {
namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The cells of a Markdown table row "| a | b | c |", trimmed.
std::vector<std::string> cells(const std::string& row) {
    std::vector<std::string> out;
    std::istringstream in(trim(row).substr(1));
    for (std::string cell; std::getline(in, cell, '|');) {
        out.push_back(trim(cell));
    }
    return out;
}

// The backticked folder names of a cell, `forms/` giving "forms".
std::vector<std::string> backtickedFolders(const std::string& cell) {
    static const std::regex folder("`([^`/]+)/`");
    std::vector<std::string> out;
    for (std::sregex_iterator it(cell.begin(), cell.end(), folder), end; it != end; ++it) {
        out.push_back((*it)[1]);
    }
    return out;
}

bool isSeparatorRow(const std::vector<std::string>& row) {
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) {
        return cell.find_first_not_of("-: ") == std::string::npos;
    });
}

bool isSource(const fs::path& file) {
    static const std::set<std::string> extensions{".h", ".hpp", ".cpp", ".cc"};
    return extensions.count(file.extension().string()) != 0;
}

// Files under a folder are read in a fixed order so that the faults come out the same each run.
std::vector<fs::path> sourceFiles(const fs::path& dir) {
    std::vector<fs::path> files;
    if (!fs::is_directory(dir)) {
        return files;
    }
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file() && isSource(entry.path())) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string joinFolders(const std::vector<std::string>& folders, const std::string& between) {
    std::string out;
    for (const auto& folder : folders) {
        out += (out.empty() ? "" : between) + folder + "/";
    }
    return out;
}

std::string mayUseText(const std::string& folder, const Rule& rule) {
    return folder + "/ may use " +
           (rule.mayUse.empty() ? "the standard library alone" : joinFolders(rule.mayUse, ", "));
}

bool isRelative(const std::string& include) {
    return include.starts_with("./") || include.starts_with("../");
}

std::string firstComponent(const std::string& include) {
    return include.substr(0, include.find('/'));
}

// forms/Page.h and forms/Page.cpp are one unit, forms/Page.
std::string unitOf(const fs::path& fromTop) {
    return fs::path(fromTop).replace_extension().generic_string();
}

// Why an include of a checked folder's file breaks the table, or "" when it does not.
std::string includeFault(const Table& table, const std::string& folder, const Include& include) {
    if (isRelative(include.path)) {
        return "includes name the folder from the top";
    }
    const std::string target = firstComponent(include.path);
    const Rule& rule = table.rules.at(folder);
    const bool allowed =
        target == folder || !table.rules.contains(target) ||
        std::find(rule.mayUse.begin(), rule.mayUse.end(), target) != rule.mayUse.end();
    return allowed ? "" : mayUseText(folder, rule);
}

// The "may use" cell; nothing when its wording is unknown, so that a reworded table fails loudly
// instead of checking less.
std::optional<Rule> ruleFromCell(const std::string& cell) {
    Rule rule;
    rule.mayUse = backtickedFolders(cell);
    if (!rule.mayUse.empty() || cell == "the standard library alone") {
        rule.kind = Rule::Kind::Checked;
    } else if (cell == "anything") {
        rule.kind = Rule::Kind::Anything;
    } else if (cell == "no code") {
        rule.kind = Rule::Kind::NoCode;
    } else {
        return std::nullopt;
    }
    return rule;
}

// Breadth first from start back to it; self-edges are no loop (a unit's own header).
std::vector<std::string> shortestLoopThrough(const Graph& graph, const std::string& start) {
    std::map<std::string, std::string> cameFrom;
    std::deque<std::string> queue{start};
    while (!queue.empty()) {
        const std::string node = queue.front();
        queue.pop_front();
        const auto edges = graph.find(node);
        if (edges == graph.end()) {
            continue;
        }
        if (node != start && edges->second.contains(start)) {
            std::vector<std::string> loop{node};
            while (loop.front() != start) {
                loop.insert(loop.begin(), cameFrom.at(loop.front()));
            }
            return loop;
        }
        for (const auto& next : edges->second) {
            if (next != start && !cameFrom.contains(next)) {
                cameFrom[next] = node;
                queue.push_back(next);
            }
        }
    }
    return {};
}

}  // namespace

Table parseLayoutTable(const std::string& readme) {
    Table table;
    bool inSection = false;
    for (const auto& line : splitLines(readme)) {
        if (line.starts_with("#")) {
            inSection = trim(line) == "## Layout";
            continue;
        }
        if (!inSection || !trim(line).starts_with("|")) {
            continue;
        }
        const auto row = cells(line);
        if (row.size() < 3 || row.front() == "folder" || isSeparatorRow(row)) {
            continue;
        }
        // The last cell is "may use" even if a description ever holds a '|'.
        const std::string& mayUse = row.back();
        const auto folder = backtickedFolders(row.front());
        const auto rule = ruleFromCell(mayUse);
        if (folder.size() != 1 || !rule) {
            table.faults.push_back("the Layout table's row \"" + row.front() + "\" is not read: " +
                                   "it wants one backticked folder and, under may use, backticked "
                                   "folders, \"the standard library alone\", \"anything\" or "
                                   "\"no code\", not \"" +
                                   mayUse + "\"");
            continue;
        }
        table.rules[folder.front()] = *rule;
    }
    if (table.rules.empty() && table.faults.empty()) {
        table.faults.push_back("README.md has no table under \"## Layout\"");
    }
    return table;
}

std::vector<Include> localIncludes(const std::string& source) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<Include> out;
    const auto lines = splitLines(source);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::smatch match;
        if (!std::regex_search(lines[i], match, include)) {
            continue;
        }
        const std::string path = match[1];
        // Generated headers (WirnakInfo.h) and moc output come from the build folder.
        if (path.find('/') != std::string::npos && !path.ends_with(".moc")) {
            out.push_back({static_cast<int>(i + 1), path});
        }
    }
    return out;
}

std::vector<std::vector<std::string>> findLoops(const Graph& graph) {
    std::set<std::vector<std::string>> loops;
    for (const auto& [start, _] : graph) {
        auto loop = shortestLoopThrough(graph, start);
        if (!loop.empty()) {
            // The same loop found from another of its nodes is kept once: rotated to its least.
            std::rotate(loop.begin(), std::min_element(loop.begin(), loop.end()), loop.end());
            loop.push_back(loop.front());
            loops.insert(loop);
        }
    }
    return {loops.begin(), loops.end()};
}

std::vector<std::string> tableFaults(const Table& table) {
    std::vector<std::string> faults;
    Graph uses;
    for (const auto& [folder, rule] : table.rules) {
        for (const auto& used : rule.mayUse) {
            if (!table.rules.contains(used)) {
                faults.push_back("the Layout table: " + folder + "/ may use " + used +
                                 "/, which has no row");
            } else if (table.rules.at(used).kind == Rule::Kind::Anything) {
                faults.push_back("the Layout table: " + folder + "/ may use " + used +
                                 "/, which may use anything");
            }
            uses[folder].insert(used);
        }
    }
    for (const auto& loop : findLoops(uses)) {
        faults.push_back("the Layout table is not a layering: " + joinFolders(loop, " -> "));
    }
    return faults;
}

std::vector<std::string> unlistedFolderFaults(const fs::path& root, const Table& table) {
    std::vector<std::string> faults;
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && !name.starts_with(".") && !name.starts_with("build") &&
            !table.rules.contains(name)) {
            folders.push_back(entry.path());
        }
    }
    std::sort(folders.begin(), folders.end());
    for (const auto& folder : folders) {
        if (!sourceFiles(folder).empty()) {
            faults.push_back(folder.filename().string() +
                             "/ holds code but has no row in the README's Layout table");
        }
    }
    return faults;
}

std::vector<std::string> includeFaults(const fs::path& root, const Table& table) {
    std::vector<std::string> faults;
    for (const auto& [folder, rule] : table.rules) {
        if (rule.kind != Rule::Kind::Checked) {
            continue;
        }
        for (const auto& file : sourceFiles(root / folder)) {
            const std::string name = file.lexically_relative(root).generic_string();
            for (const auto& include : localIncludes(readText(file))) {
                const std::string why = includeFault(table, folder, include);
                if (!why.empty()) {
                    faults.push_back(name + ":" + std::to_string(include.line) + " includes \"" +
                                     include.path + "\": " + why);
                }
            }
        }
    }
    return faults;
}

std::vector<std::string> loopFaults(const fs::path& root, const Table& table) {
    Graph dependsOn;
    for (const auto& [folder, rule] : table.rules) {
        if (rule.kind != Rule::Kind::Checked) {
            continue;
        }
        for (const auto& file : sourceFiles(root / folder)) {
            const std::string unit = unitOf(file.lexically_relative(root));
            for (const auto& include : localIncludes(readText(file))) {
                const auto target = table.rules.find(firstComponent(include.path));
                if (!isRelative(include.path) && target != table.rules.end() &&
                    target->second.kind == Rule::Kind::Checked && unitOf(include.path) != unit) {
                    dependsOn[unit].insert(unitOf(include.path));
                }
            }
        }
    }
    std::vector<std::string> faults;
    for (const auto& loop : findLoops(dependsOn)) {
        std::string path;
        for (const auto& unit : loop) {
            path += (path.empty() ? "" : " -> ") + unit;
        }
        faults.push_back("include loop: " + path);
    }
    return faults;
}

std::vector<std::string> layoutFaults(const fs::path& root) {
    if (!fs::is_regular_file(root / "README.md")) {
        return {"no README.md in " + root.string()};
    }
    const Table table = parseLayoutTable(readText(root / "README.md"));
    std::vector<std::string> faults = table.faults;
    for (auto more : {tableFaults(table), unlistedFolderFaults(root, table),
                      includeFaults(root, table), loopFaults(root, table)}) {
        faults.insert(faults.end(), more.begin(), more.end());
    }
    return faults;
}

}  // namespace layout
