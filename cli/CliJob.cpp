#include "cli/CliJob.h"

#include <charconv>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "WirnakInfo.h"
#include "cli/RankedOutput.h"
#include "cli/ShelfOption.h"
#include "gauge/CornerRadius.h"
#include "gauge/JobState.h"
#include "gauge/Numeric.h"
#include "gauge/Quoted.h"
#include "search/CombinationSearch.h"
#include "search/ListFormats.h"
#include "search/Ranking.h"
#include "search/Report.h"
#include "search/ResultList.h"

namespace cli {

const char* const kUsage =
    "usage: wirnak-cli (--round SIZE=COUNT[,SIZE=COUNT]... | --rect WIDTH,THICKNESS,COUNT)\n"
    "                  [--corner-radius MM] [--weight KG]\n"
    "                  (--available SIZE[=KG][,SIZE[=KG]]... | --shelf FILE)\n"
    "                  [--order found|wires|sizes|closest [--most-sizes N] [--most-wires N]]\n"
    "                  [--in-stock-only] [--format text|csv | --rtf]\n"
    "\n"
    "Lists every combination of the available wire sizes, laid in parallel, whose copper\n"
    "cross-section lies within 0.5 % of the original conductor's.\n"
    "  --round      the original round wires: size and number of wires in parallel\n"
    "  --rect       the original rectangular wire: width and thickness in mm, wires in parallel\n"
    "  --corner-radius  the radius of the rectangular wire's rounded corners in mm, at most half\n"
    "               its thickness and width; the four corners together take (4 - pi) x r x r\n"
    "               off its area\n"
    "  --weight     total weight of the original winding in kg (turns the stock check on)\n"
    "  --available  the sizes at hand, each with the weight in stock in kg; the stock check is\n"
    "               on only when --weight is given and every size has a weight\n"
    "  --shelf      the sizes at hand from a shelf file, in place of --available: one size\n"
    "               a line, SIZE or SIZE=KG; \"#\" starts a comment\n"
    "  --order      found (default): the list as the search finds it, first 10001; wires, sizes,\n"
    "               closest: the best 10001 of every combination, fewest wires in parallel,\n"
    "               fewest different sizes or closest to the original first, each line with\n"
    "               its wires, sizes and deviation\n"
    "  --most-sizes with a ranked order: at most N different sizes, 1 to 4 (default 3)\n"
    "  --most-wires with a ranked order: at most N wires in parallel, 1 to 32767\n"
    "  --in-stock-only  only the combinations the stock covers (no \"*\"); needs the stock check\n"
    "  --format     text (default): the lines as the report shows them; csv: a header and one\n"
    "               row per line (combination,total_mm2,wires,short_stock,deviation_pct,\n"
    "               sizes)\n"
    "  --rtf        print the report as the report box receives it\n"
    "  --version    print the version and exit\n"
    "SIZE is an SWG size as in its label (8 ... 13, 13.5, 14, ... 22.5, 23, 24, 25, 26), a\n"
    "metric diameter from 0.05 to 6.00 mm to 0.001 mm (1.06mm) or an AWG size from 4 to 40\n"
    "(14awg); the unit in any case, a blank before it allowed (\"1.06 mm\", \"14 AWG\",\n"
    "\"14 SWG\"). At most 20 sizes other than SWG in --round, and in --available or the\n"
    "shelf file; no size twice, and no two that are the same wire (the same area).\n"
    "Exit status: 0 search finished (a ranked list always is), 1 the output could not be\n"
    "             written, 2 bad input, 3 search stopped early.\n";

namespace {

struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The options, each given at most once. One that takes a value takes it as the next argument
// or after "="; a switch takes none.
struct OptionRule {
    std::string_view name;
    bool takesValue;
};
constexpr OptionRule kOptionRules[] = {
    {"--round", true},
    {"--rect", true},
    {"--weight", true},
    {"--available", true},
    {"--rtf", false},
    {"--help", false},
    {"-h", false},
    {"--version", false},
    {"--order", true},
    {"--format", true},
    {"--in-stock-only", false},
    {"--shelf", true},
    {"--corner-radius", true},
    {"--most-sizes", true},
    {"--most-wires", true},
};

class GivenOptions {
public:
    bool has(std::string_view name) const { return given_.find(name) != given_.end(); }
    std::optional<std::string> value(std::string_view name) const {
        const auto found = given_.find(name);
        return found == given_.end() ? std::nullopt : std::optional(found->second);
    }
    void add(std::string_view name, std::string value) {
        if (!given_.emplace(name, std::move(value)).second)
            throw BadInput(std::string(name) + " is given twice");
    }

private:
    std::map<std::string, std::string, std::less<>> given_;
};

const OptionRule* ruleFor(std::string_view name) {
    for (const OptionRule& rule : kOptionRules) {
        if (rule.name == name)
            return &rule;
    }
    return nullptr;
}

GivenOptions parseOptions(const std::vector<std::string>& args) {
    GivenOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto eq = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view name = arg.substr(0, eq);
        const OptionRule* rule = ruleFor(name);
        if (!rule)
            throw BadInput("unknown argument " + shown::quoted(arg));
        std::string value;
        if (!rule->takesValue) {
            if (eq != std::string_view::npos)
                throw BadInput(std::string(name) + " takes no value");
        } else if (eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
            value = args[++i];
        } else {
            throw BadInput(std::string(name) + " needs a value");
        }
        options.add(name, std::move(value));
    }
    return options;
}

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

// A size as the messages name it: an SWG size by its number, as ever, others by their label.
std::string sizeNamed(WireSize size) {
    return size.isSwg() ? gaugeNumber(size.gauge()) : sizeLabel(size);
}

WireSize sizeFrom(const std::string& text, const std::string& option) {
    const SizeReading read = readWireSize(text);
    if (!read.ok())
        throw BadInput(option + ": " + sizeFaultText(read.fault, shown::quoted(text)));
    return read.size;
}

// "SIZE=VALUE" or "SIZE"; each size at most once per list, no two the same wire, and at most
// kMostOtherSizes of them other than SWG, as a page takes them.
struct SizeEntry {
    WireSize size;
    std::optional<std::string> value;
};

std::vector<SizeEntry> sizeList(const std::string& list, const std::string& option) {
    std::vector<SizeEntry> entries;
    int others = 0;
    for (const std::string& item : splitList(list)) {
        const auto eq = item.find('=');
        SizeEntry entry{sizeFrom(item.substr(0, eq), option), std::nullopt};
        if (eq != std::string::npos)
            entry.value = item.substr(eq + 1);
        for (const SizeEntry& earlier : entries) {
            if (earlier.size == entry.size)
                throw BadInput(option + ": size " + sizeNamed(entry.size) + " is named twice");
            if (sameWire(entry.size, earlier.size))
                throw BadInput(option + ": " + sameWireText(entry.size, earlier.size));
        }
        if (!entry.size.isSwg() && ++others > kMostOtherSizes) {
            throw BadInput(option + ": more than " + std::to_string(kMostOtherSizes) +
                           " sizes other than SWG");
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
        throw BadInput(what + ": " + shown::quoted(text) + " is not a number");
    const auto value = convert(text, {});
    if (!value)
        throw BadInput(what + ": " + shown::quoted(text) + " " + doesNotFit);
    return *value;
}

float singleFrom(const std::string& text, const std::string& what) {
    return numberFrom(text, what, numeric::toSingle);
}

double roundTarget(JobState& job, const std::string& list) {
    for (const SizeEntry& entry : sizeList(list, "--round")) {
        const std::string what = "--round " + sizeNamed(entry.size);
        if (!entry.value)
            throw BadInput(what + ": the number of wires is missing");
        const short count =
            numberFrom(*entry.value, what, numeric::toInteger16, "is outside -32768..32767");
        if (!entry.size.isSwg()) {
            job.origOther.push_back({entry.size, count});
            continue;
        }
        job.origWireCount[entry.size.gauge()] = count;
        job.origGaugeArea[entry.size.gauge()] = sizeArea(entry.size);
    }
    job.origSection = OriginalSection::Round;
    return circularArea(job);
}

// With sharp corners, as the page's empty box, when none is given.
double cornerRadiusFrom(const std::optional<std::string>& given, double width, double thickness) {
    const CornerRadius radius = given ? readCornerRadius(*given, width, thickness) : CornerRadius{};
    if (radius.fault != CornerRadiusFault::None)
        throw BadInput("--corner-radius: " + shown::quoted(*given) + " " +
                       std::string(cornerRadiusReason(radius.fault)));
    return radius.mm;
}

double rectangularTarget(JobState& job, const std::string& list,
                         const std::optional<std::string>& cornerRadius) {
    const std::vector<std::string> parts = splitList(list);
    if (parts.size() != 3)
        throw BadInput("--rect needs WIDTH,THICKNESS,COUNT");
    const char* const names[] = {"--rect width", "--rect thickness", "--rect count"};
    double sizes[3];
    for (int k = 0; k < 3; ++k) {
        if (!numeric::isNumeric(parts[k]))
            throw BadInput(std::string(names[k]) + ": " + shown::quoted(parts[k]) +
                           " is not a number");
        const auto size = numeric::toDouble(parts[k]);
        // Beyond a double, as the wizard answers it: the cross-section is too large.
        if (!size)
            throw BadInput(kTargetTooLarge);
        sizes[k] = *size;
    }
    const double radius = cornerRadiusFrom(cornerRadius, sizes[0], sizes[1]);
    job.origSection = OriginalSection::Rectangular;
    job.origRectangular = {sizes[0], sizes[1], sizes[2], radius};
    return rectangularArea(sizes[0], sizes[1], sizes[2], radius);
}

// A shelf file stands for the --available list it holds.
std::string availableOnShelf(const std::string& path) {
    ShelfOption read = readShelfOption(path);
    if (!read.error.empty())
        throw BadInput(read.error);
    return read.available;
}

// Returns whether every available size was given a stock weight.
bool setAvailable(JobState& job, const std::string& list) {
    bool allWeighed = true;
    for (const SizeEntry& entry : sizeList(list, "--available")) {
        std::optional<float> stock;
        if (entry.value)
            stock = singleFrom(*entry.value, "--available " + sizeNamed(entry.size));
        allWeighed = allWeighed && stock.has_value();
        if (!entry.size.isSwg()) {
            job.availOther.push_back({entry.size, stock});
            continue;
        }
        job.availArea[entry.size.gauge()] = sizeArea(entry.size);
        if (stock)
            job.availWeight[entry.size.gauge()] = *stock;
    }
    return allWeighed;
}

void setUpJob(JobState& job, const GivenOptions& options) {
    const auto round = options.value("--round");
    const auto rect = options.value("--rect");
    const auto shelf = options.value("--shelf");
    const auto weight = options.value("--weight");
    if (round && rect)
        throw BadInput("give either --round or --rect, not both");
    if (!round && !rect)
        throw BadInput("--round or --rect is missing");
    if (shelf && options.has("--available"))
        throw BadInput("give either --available or --shelf, not both");
    const auto available = shelf ? availableOnShelf(*shelf) : options.value("--available");
    if (!available)
        throw BadInput("--available or --shelf is missing");
    if (round && options.has("--corner-radius"))
        throw BadInput("--corner-radius goes only with --rect");

    const double target = round ? roundTarget(job, *round)
                                : rectangularTarget(job, *rect, options.value("--corner-radius"));
    if (!areaWindowFits(target))
        throw BadInput(kTargetTooLarge);
    job.origArea = target;
    if (weight)
        job.origWeight = singleFrom(*weight, "--weight");
    if (job.origWeight < 0)  // every share would be negative, and no line would be starred
        throw BadInput("--weight: " + shown::quoted(*weight) + " is negative");
    const bool allWeighed = setAvailable(job, *available);
    // As in the wizard: without a weight for the winding or for a size, the check is off.
    if (!weight || !allWeighed)
        job.noWeightCheck = 1;
    setAreaWindow(job);
}

// One of a few words: "--order wires".
template <typename Choice, std::size_t N>
Choice oneOf(const std::optional<std::string>& given, std::string_view option,
             const std::pair<std::string_view, Choice> (&words)[N]) {
    if (!given)
        return words[0].second;
    std::string known;
    for (const auto& [word, choice] : words) {
        if (*given == word)
            return choice;
        known += (known.empty() ? "" : ", ") + std::string(word);
    }
    throw BadInput(std::string(option) + ": " + shown::quoted(*given) + " is not one of " + known);
}

// A limit on a ranked list: a whole number in least..most.
int limitFrom(const std::string& text, std::string_view option, int least, int most) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < least || value > most)
        throw BadInput(std::string(option) + ": " + shown::quoted(text) +
                       " is not a whole number from " + std::to_string(least) + " to " +
                       std::to_string(most));
    return value;
}

RankLimits rankLimits(const GivenOptions& options, ResultOrder order) {
    RankLimits limits;
    for (const std::string_view option : {"--most-sizes", "--most-wires"}) {
        if (options.has(option) && !isRanked(order))
            throw BadInput(std::string(option) + " needs --order wires, sizes or closest");
    }
    if (const auto sizes = options.value("--most-sizes"))
        limits.mostSizes = limitFrom(*sizes, "--most-sizes", 1, 4);
    if (const auto wires = options.value("--most-wires"))
        limits.mostWires = limitFrom(*wires, "--most-wires", 1, 32767);
    return limits;
}

enum class ListFormat { Text, Csv };

// What the list shows and how it is printed; all defaults print the report as it stands.
struct ListRequest {
    ListChoice choice;
    ListFormat format = ListFormat::Text;
    bool rtf = false;

    bool asReported() const {
        return choice.order == ResultOrder::AsFound && !choice.coveredOnly &&
               format == ListFormat::Text;
    }
};

ListRequest listRequest(const GivenOptions& options) {
    ListRequest request;
    request.choice.order = oneOf<ResultOrder>(options.value("--order"), "--order",
                                              {{"found", ResultOrder::AsFound},
                                               {"wires", ResultOrder::FewestWires},
                                               {"sizes", ResultOrder::FewestSizes},
                                               {"closest", ResultOrder::ClosestToOriginal}});
    request.format = oneOf<ListFormat>(options.value("--format"), "--format",
                                       {{"text", ListFormat::Text}, {"csv", ListFormat::Csv}});
    request.choice.coveredOnly = options.has("--in-stock-only");
    request.choice.limits = rankLimits(options, request.choice.order);
    request.rtf = options.has("--rtf");
    if (request.rtf && request.format == ListFormat::Csv)
        throw BadInput("--rtf and --format csv do not go together");
    return request;
}

// The report as the report box receives it, or its lines, then the count: the list in the order
// found, as the wizard first shows it.
std::string reportAsFound(const JobState& job, bool rtf) {
    ReportText report = reportText(job, ".", rtf ? ReportFormat::Rtf : ReportFormat::Plain);
    std::string out = std::move(report.text);
    if (rtf)
        out += "\n";
    const auto written = static_cast<std::size_t>(report.written);
    return out + foundCountLine(written, written) + "\n";
}

// The list as the user asked for it: ordered, only what the stock covers, or as CSV. The count
// still counts what was found; a filter that hides lines says how many it shows.
std::string chosenList(const JobState& job, const ListRequest& request) {
    const std::vector<FoundResult> found = foundResults(job);
    const std::vector<FoundResult> shown = shownResults(found, request.choice);
    if (request.format == ListFormat::Csv)
        return listCsv(shown);
    std::string out;
    if (request.rtf) {
        // A filter that hides every line leaves the box empty; the apology is for a search
        // that found nothing.
        out = (shown.empty() && !found.empty() ? std::string("{}") : listRtf(shown)) + "\n";
    } else if (found.empty()) {
        out = std::string(kNoMatchLine) + "\n";
    } else {
        out = listText(shown);
    }
    return out + foundCountLine(found.size(), shown.size()) + "\n";
}

std::string stopReason(const SearchOutcome& outcome) {
    switch (outcome.end) {
        case SearchEnd::TableFull:
            return "search stopped early: more than 10001 combinations exist; the list shows the "
                   "first 10001 (tick fewer or thicker sizes)\n";
        case SearchEnd::CountLimit:
            return "search stopped early: " + countLimitReason(outcome.limitingSize) + "\n";
        case SearchEnd::Complete:
            break;
    }
    return {};
}

// A ranked order ranks every combination itself; the search's first 10001 play no part.
Outcome rankedRun(const JobState& job, const ListRequest& request, const std::atomic<bool>* stop) {
    const RankedList list = rankCombinations(rankingInput(job), request.choice, ".", {stop, {}});
    if (list.cancelled)
        return {kStoppedEarly, {}, "wirnak-cli: the ranking was stopped before its end\n"};
    if (list.end != SearchEnd::Complete)
        return {kStoppedEarly,
                {},
                "wirnak-cli: " + stopReason({list.end, list.limitingGauge, list.limitingSize})};
    const RankedFormat format = request.rtf                         ? RankedFormat::Rtf
                                : request.format == ListFormat::Csv ? RankedFormat::Csv
                                                                    : RankedFormat::Text;
    return {kFinished, rankedOutput(list, request.choice, format), {}};
}

}  // namespace

Outcome run(const std::vector<std::string>& args, const std::atomic<bool>* stop) {
    Outcome outcome;
    auto job = std::make_unique<JobState>();
    try {
        const GivenOptions options = parseOptions(args);
        if (options.has("--help") || options.has("-h")) {
            outcome.out = kUsage;
            return outcome;
        }
        if (options.has("--version")) {
            outcome.out = std::string("wirnak-cli ") + wirnak::kVersion + "\n";
            return outcome;
        }
        const ListRequest request = listRequest(options);
        setUpJob(*job, options);
        if (request.choice.coveredOnly && !stockCheckOn(*job)) {
            throw BadInput(
                "--in-stock-only needs the stock check: give --weight and a weight in stock for "
                "every size in --available");
        }

        if (isRanked(request.choice.order))
            return rankedRun(*job, request, stop);
        SilentView view;  // the command line prints the report itself
        const SearchOutcome searched = CombinationSearch(*job, view).run();
        outcome.out =
            request.asReported() ? reportAsFound(*job, request.rtf) : chosenList(*job, request);
        if (searched.end != SearchEnd::Complete) {
            outcome.status = kStoppedEarly;
            outcome.err = "wirnak-cli: " + stopReason(searched);
            if (searched.end == SearchEnd::TableFull &&
                request.choice.order != ResultOrder::AsFound)
                outcome.err += "wirnak-cli: the order covers only the first 10001 found\n";
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
