#include "cli/CliJob.h"

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

#include "WirnakInfo.h"
#include "gauge/JobState.h"
#include "gauge/Numeric.h"
#include "search/CombinationSearch.h"
#include "search/Report.h"

namespace cli {

const char* const kUsage =
    "usage: wirnak-cli (--round GAUGE=COUNT[,GAUGE=COUNT]... | --rect WIDTH,THICKNESS,COUNT)\n"
    "                  [--weight KG] --available GAUGE[=KG][,GAUGE[=KG]]... [--rtf]\n"
    "\n"
    "Lists every combination of the available SWG sizes, laid in parallel, whose copper\n"
    "cross-section lies within 0.5 % of the original conductor's.\n"
    "  --round      the original round wires: SWG size and number of wires in parallel\n"
    "  --rect       the original rectangular wire: width and thickness in mm, wires in parallel\n"
    "  --weight     total weight of the original winding in kg (turns the stock check on)\n"
    "  --available  the sizes at hand, each with the weight in stock in kg; the stock check is\n"
    "               on only when --weight is given and every size has a weight\n"
    "  --rtf        print the report as the report box receives it\n"
    "  --version    print the version and exit\n"
    "GAUGE is the size as in its label: 8 ... 13, 13.5, 14, ... 22.5, 23, 24, 25, 26.\n"
    "Exit status: 0 search finished, 2 bad input, 3 search stopped early.\n";

namespace {

struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Options {
    std::optional<std::string> round, rect, weight, available;
    bool rtf = false;
    bool help = false;
    bool version = false;
};

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> items;
    std::string::size_type start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    const std::map<std::string, std::optional<std::string> Options::*> valued{
        {"--round", &Options::round},
        {"--rect", &Options::rect},
        {"--weight", &Options::weight},
        {"--available", &Options::available},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--version" && !inlineValue) {
            options.version = true;
        } else if (name == "--rtf" && !inlineValue) {
            options.rtf = true;
        } else if (const auto option = valued.find(name); option != valued.end()) {
            auto& slot = options.*(option->second);
            if (slot)
                throw BadInput(name + " is given twice");
            if (inlineValue) {
                slot = *inlineValue;
            } else if (i + 1 < args.size()) {
                slot = args[++i];
            } else {
                throw BadInput(name + " needs a value");
            }
        } else {
            throw BadInput("unknown argument '" + args[i] + "'");
        }
    }
    return options;
}

GaugeIndex gaugeNamed(const std::string& number, const std::string& option) {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        if (gaugeNumber(i) == number)
            return i;
    }
    throw BadInput(option + ": unknown SWG size '" + number + "'");
}

// "GAUGE=VALUE" or "GAUGE"; each size at most once per list.
struct GaugeEntry {
    GaugeIndex gauge;
    std::optional<std::string> value;
};

std::vector<GaugeEntry> gaugeList(const std::string& list, const std::string& option) {
    std::vector<GaugeEntry> entries;
    for (const std::string& item : splitList(list)) {
        const auto eq = item.find('=');
        GaugeEntry entry{gaugeNamed(item.substr(0, eq), option), std::nullopt};
        if (eq != std::string::npos)
            entry.value = item.substr(eq + 1);
        for (const GaugeEntry& earlier : entries) {
            if (earlier.gauge == entry.gauge) {
                throw BadInput(option + ": size " + gaugeNumber(entry.gauge) + " is named twice");
            }
        }
        entries.push_back(entry);
    }
    return entries;
}

// A number as the pages read it: the numeric test first, then the conversion, which refuses
// a number that does not fit its type.
template <typename Number>
Number numberFrom(const std::string& text, const std::string& what,
                  std::optional<Number> (*convert)(std::string_view, std::string_view),
                  const char* doesNotFit = "is too large") {
    if (!numeric::isNumeric(text))
        throw BadInput(what + ": '" + text + "' is not a number");
    const auto value = convert(text, {});
    if (!value)
        throw BadInput(what + ": '" + text + "' " + doesNotFit);
    return *value;
}

float singleFrom(const std::string& text, const std::string& what) {
    return numberFrom(text, what, numeric::toSingle);
}

double doubleFrom(const std::string& text, const std::string& what) {
    return numberFrom(text, what, numeric::toDouble);
}

void setRoundTarget(JobState& job, const std::string& list) {
    for (const GaugeEntry& entry : gaugeList(list, "--round")) {
        const std::string what = "--round " + gaugeNumber(entry.gauge);
        if (!entry.value)
            throw BadInput(what + ": the number of wires is missing");
        job.origWireCount[entry.gauge] =
            numberFrom(*entry.value, what, numeric::toInteger16, "is outside -32768..32767");
        job.origGaugeArea[entry.gauge] = static_cast<float>(gaugeArea(entry.gauge));
    }
    job.origArea = circularArea(job);
}

void setRectangularTarget(JobState& job, const std::string& list) {
    const std::vector<std::string> parts = splitList(list);
    if (parts.size() != 3)
        throw BadInput("--rect needs WIDTH,THICKNESS,COUNT");
    const double width = doubleFrom(parts[0], "--rect width");
    const double thickness = doubleFrom(parts[1], "--rect thickness");
    const double count = doubleFrom(parts[2], "--rect count");
    job.origArea = rectangularArea(width, thickness, count);
    if (!std::isfinite(job.origArea))
        throw BadInput("--rect: the cross-section is too large");
}

// Returns whether every available size was given a stock weight.
bool setAvailable(JobState& job, const std::string& list) {
    bool allWeighed = true;
    for (const GaugeEntry& entry : gaugeList(list, "--available")) {
        job.availArea[entry.gauge] = static_cast<float>(gaugeArea(entry.gauge));
        if (entry.value) {
            job.availWeight[entry.gauge] =
                singleFrom(*entry.value, "--available " + gaugeNumber(entry.gauge));
        } else {
            allWeighed = false;
        }
    }
    return allWeighed;
}

void setUpJob(JobState& job, const Options& options) {
    if (options.round && options.rect)
        throw BadInput("give either --round or --rect, not both");
    if (!options.round && !options.rect)
        throw BadInput("--round or --rect is missing");
    if (!options.available)
        throw BadInput("--available is missing");

    if (options.round) {
        setRoundTarget(job, *options.round);
    } else {
        setRectangularTarget(job, *options.rect);
    }
    if (options.weight)
        job.origWeight = singleFrom(*options.weight, "--weight");
    const bool allWeighed = setAvailable(job, *options.available);
    // As in the wizard: without a weight for the winding or for a size, the check is off.
    if (!options.weight || !allWeighed)
        job.noWeightCheck = 1;
    setAreaWindow(job);
}

class CliView : public ResultsView {
public:
    float progressValue() const override { return progress_; }
    void setProgressValue(float value) override { progress_ = value; }
    void setMousePointer(MousePointer) override {}
    void setReportRtf(const std::string& rtf) override { rtf_ = rtf; }
    void setCountCaption(const std::string& caption) override { count_ = caption; }
    void showCountLabel() override {}

    const std::string& rtf() const { return rtf_; }
    const std::string& count() const { return count_; }

private:
    float progress_ = 0;
    std::string rtf_;
    std::string count_;
};

std::string stopReason(SearchEnd end) {
    switch (end) {
        case SearchEnd::TableFull:
            return "search stopped early: more than 10001 combinations exist; the list shows the "
                   "first 10001 (tick fewer or thicker sizes)\n";
        case SearchEnd::CountLimit:
            return "search stopped early: one size would need more than 32767 wires\n";
        case SearchEnd::Complete:
            break;
    }
    return {};
}

}  // namespace

Outcome run(const std::vector<std::string>& args) {
    Outcome outcome;
    auto job = std::make_unique<JobState>();
    try {
        const Options options = parseOptions(args);
        if (options.help) {
            outcome.out = kUsage;
            return outcome;
        }
        if (options.version) {
            outcome.out = std::string("wirnak-cli ") + wirnak::kVersion + "\n";
            return outcome;
        }
        setUpJob(*job, options);

        CliView view;
        const SearchEnd end = searchAndReport(*job, view);
        if (options.rtf) {
            outcome.out = view.rtf() + "\n";
        } else {
            const auto lines = reportLines(*job);
            if (lines.empty())
                outcome.out = std::string(kNoMatchLine) + "\n";
            for (const std::string& line : lines) outcome.out += line + "\n";
        }
        outcome.out += view.count() + " Wire combinations found\n";
        if (end != SearchEnd::Complete) {
            outcome.status = kStoppedEarly;
            outcome.err = "wirnak-cli: " + stopReason(end);
        }
    } catch (const BadInput& error) {
        outcome =
            Outcome{kBadInput,
                    {},
                    std::string("wirnak-cli: ") + error.what() + "\nTry 'wirnak-cli --help'.\n"};
    }
    return outcome;
}

}  // namespace cli
