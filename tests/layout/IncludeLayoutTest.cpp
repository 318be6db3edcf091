#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "IncludeLayout.h"

namespace fs = std::filesystem;

namespace {

std::string listed(const std::vector<std::string>& faults) {
    std::string out;
    for (const auto& fault : faults) {
        out += fault + "\n";
    }
    return out;
}

TEST(IncludeLayout, TreeFollowsReadmeLayout) {
    const auto faults = layout::layoutFaults(WIRNAK_SOURCE_DIR);
    EXPECT_TRUE(faults.empty()) << faults.size() << " against README.md's Layout table:\n"
                                << listed(faults);
}

const std::string kRows =
    "| `gauge/` | sizes | the standard library alone |\n"
    "| `search/` | search | `gauge/` |\n"
    "| `forms/` | window runtime | `search/`, `gauge/` |\n"
    "| `desktop/` | desktop | `forms/`, `search/`, `gauge/` |\n"
    "| `pages/` | windows | `desktop/`, `forms/`, `search/`, `gauge/` |\n"
    "| `tests/` | tests | anything |\n"
    "| `data/` | icons | no code |\n";

struct Case {
    const char* name;
    std::string rows;
    std::vector<std::pair<std::string, std::string>> files;  // path from the top, text
    std::vector<std::string> faults;
};

const std::vector<Case> kCases = {
    {"allowed includes pass",
     kRows,
     {{"forms/Page.h", "#pragma once\n#include <vector>\n#include \"search/Find.h\"\n"},
      {"forms/Page.cpp",
       "#include \"forms/Page.h\"\n#include \"gauge/Gauge.h\"\n#include \"WirnakInfo.h\"\n"
       "#include \"QtWidgets/QWidget\"\n#include \"Page.moc\"\n"},
      {"data/icon.svg", "<svg/>"}},
     {}},
    {"upward include fails",
     kRows,
     {{"gauge/Gauge.cpp", "#include \"gauge/Gauge.h\"\n#include \"search/Find.h\"\n"}},
     {"gauge/Gauge.cpp:2 includes \"search/Find.h\": gauge/ may use the standard library alone"}},
    {"sideways include fails",
     kRows,
     {{"forms/Page.cpp", "#include \"forms/Page.h\"\n\n  #  include \"desktop/Help.h\"\n"}},
     {"forms/Page.cpp:3 includes \"desktop/Help.h\": forms/ may use search/, gauge/"}},
    {"relative includes fail",
     kRows,
     {{"search/Find.cpp", "#include \"../gauge/Gauge.h\"\n#include \"./Find.h\"\n"}},
     {"search/Find.cpp:1 includes \"../gauge/Gauge.h\": includes name the folder from the top",
      "search/Find.cpp:2 includes \"./Find.h\": includes name the folder from the top"}},
    {"folder missing from the table fails, build and hidden folders do not",
     kRows,
     {{"platform/old/Old.h", "#pragma once\n"},
      {"build-debug/moc_Page.cpp", "#include \"../forms/Page.h\"\n"},
      {".ci/tool.cpp", "int main() {}\n"},
      {"docs/notes.md", "#include \"x/y.h\"\n"}},
     {"platform/ holds code but has no row in the README's Layout table"}},
    {"loop of two units fails",
     kRows,
     {{"pages/A.h", "#include \"pages/B.h\"\n"},
      {"pages/A.cpp", "#include \"pages/A.h\"\n"},
      {"pages/B.cpp", "#include \"pages/B.h\"\n#include \"pages/A.h\"\n"}},
     {"include loop: pages/A -> pages/B -> pages/A"}},
    {"loop of three units is named with its path",
     kRows,
     {{"pages/ListControls.h", "#include \"pages/ResultsPage.h\"\n"},
      {"pages/ResultsPage.cpp", "#include \"pages/ResultsPage.h\"\n#include \"pages/Wizard.h\"\n"},
      {"pages/Wizard.h", "#include \"forms/Page.h\"\n#include \"pages/ListControls.h\"\n"}},
     {"include loop: pages/ListControls -> pages/ResultsPage -> pages/Wizard -> "
      "pages/ListControls"}},
    {"anything folder is not checked",
     kRows,
     {{"tests/forms/PageTest.cpp", "#include \"desktop/Help.h\"\n#include \"../support/Run.h\"\n"},
      {"tests/A.h", "#include \"tests/B.h\"\n"},
      {"tests/B.h", "#include \"tests/A.h\"\n"}},
     {}},
    {"folders using each other fail",
     "| `gauge/` | sizes | `search/` |\n| `search/` | search | `gauge/` |\n",
     {},
     {"the Layout table is not a layering: gauge/ -> search/ -> gauge/"}},
    {"may use names a folder without a row, or one that may use anything",
     "| `forms/` | forms | `widgets/`, `tests/` |\n| `tests/` | tests | anything |\n",
     {},
     {"the Layout table: forms/ may use widgets/, which has no row",
      "the Layout table: forms/ may use tests/, which may use anything"}},
    {"unknown wording fails instead of checking less",
     kRows + "| `cli/` | wirnak-cli | whatever it needs |\n",
     {},
     {"the Layout table's row \"`cli/`\" is not read: it wants one backticked folder and, under "
      "may use, backticked folders, \"the standard library alone\", \"anything\" or \"no code\", "
      "not \"whatever it needs\""}},
};

fs::path writeTree(const Case& c) {
    const fs::path root =
        fs::temp_directory_path() / ("include_layout_" + std::to_string(std::random_device{}()));
    fs::create_directories(root);
    std::ofstream(root / "README.md")
        << "# Wirnak\n\n## Layout\n\n| folder | what it holds | may use |\n|---|---|---|\n"
        << c.rows << "\nThe core builds without Qt.\n\n## Building\n\n| `app/` | x | y |\n";
    for (const auto& [path, text] : c.files) {
        fs::create_directories((root / path).parent_path());
        std::ofstream(root / path) << text;
    }
    return root;
}

TEST(IncludeLayout, FabricatedTrees) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const fs::path root = writeTree(c);
        const auto faults = layout::layoutFaults(root);
        EXPECT_EQ(faults, c.faults) << listed(faults);
        fs::remove_all(root);
    }
}

}  // namespace
