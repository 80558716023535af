// Feeds arbitrary argument vectors to the command-line option parser. The input is split at
// every NUL byte into the arguments that follow the program name (the empty input is no
// argument at all; "a\0" is "a" and an empty argument). The first argument is also read as the
// content of a history file and of a condition file.

#include "cli/condition_file.h"
#include "cli/history.h"
#include "cli/options.h"
#include "filtering/filter_pass.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

using namespace shrink2d;
using namespace shrink2d::cli;

void require(bool holds, const char* property)
{
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

std::vector<std::string> splitArguments(std::string_view bytes)
{
    std::vector<std::string> args;
    if (bytes.empty()) return args;
    for (;;) {
        const std::size_t nul = bytes.find('\0');
        args.emplace_back(bytes.substr(0, nul));
        if (nul == std::string_view::npos) return args;
        bytes.remove_prefix(nul + 1);
    }
}

bool isAscendingWithin(const NumericKill& kill, long low, long high)
{
    return std::is_sorted(kill.values.begin(), kill.values.end()) &&
           std::adjacent_find(kill.values.begin(), kill.values.end()) == kill.values.end() &&
           std::all_of(kill.values.begin(), kill.values.end(),
                       [&](long v) { return v >= low && v <= high; });
}

// The kill rows hold what the window's boxes would give: each value once, in box order.
void checkSettings(const FilterSettings& settings)
{
    const FilterSettings untouched;
    require(isAscendingWithin(settings.sums, 0, 18), "killed sums are distinct boxes 0 to 18");
    require(isAscendingWithin(settings.sumTails, 0, 9), "killed tails are distinct digits");
    require(isAscendingWithin(settings.spans, 0, 9), "killed spans are distinct digits");

    std::vector<long> roadValues;
    roadValues.reserve(kRoadCaptions.size());
    for (const std::string_view caption : kRoadCaptions)
        roadValues.push_back(lenientValue(caption));
    std::size_t next = 0;
    for (const long value : settings.roads.values) {
        while (next < roadValues.size() && roadValues[next] != value) ++next;
        require(next < roadValues.size(), "killed roads are road boxes in box order");
        ++next;
    }

    require(settings.parity.captions == untouched.parity.captions &&
                settings.paritySize.captions == untouched.paritySize.captions &&
                settings.sizeParity.captions == untouched.sizeParity.captions &&
                settings.size.captions == untouched.size.captions,
            "pattern captions are the window's");
    require(settings.paritySize.kill == settings.sizeParity.kill,
            "one fix/kill pair governs both mixed-pattern groups");
}

std::string digitsOf(DigitSet digits)
{
    std::string text;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (digits.test(k)) text += static_cast<char>('0' + k);
    }
    return text;
}

std::string joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
    return text;
}

std::string tickedCaptions(const PatternGroup& group)
{
    std::vector<std::string> items;
    for (std::size_t k = 0; k < group.captions.size(); ++k) {
        if (group.ticked[k]) items.push_back(group.captions[k]);
    }
    return joined(items);
}

std::string numbers(const NumericKill& kill, bool asRoads)
{
    std::vector<std::string> items;
    for (const long value : kill.values) {
        std::string item = std::to_string(value);
        if (asRoads && item.size() == 1) item.insert(0, "0"); // roads 0, 1, 2 are "00", "01", "02"
        items.push_back(item);
    }
    return joined(items);
}

// The options that describe these settings, each written in its canonical form.
std::vector<std::string> settingsAsOptions(const FilterSettings& settings)
{
    const auto mode = [](bool kill) { return std::string(kill ? "kill" : "fix"); };
    std::string tails;
    for (const long value : settings.sumTails.values) tails += std::to_string(value);
    std::string spans;
    for (const long value : settings.spans.values) spans += std::to_string(value);
    return {"--banker=" + digitsOf(settings.banker),
            "--kill-sum=" + numbers(settings.sums, false),
            "--kill-tail=" + tails,
            "--kill-span=" + spans,
            "--kill-road=" + numbers(settings.roads, true),
            "--parity=" + tickedCaptions(settings.parity),
            "--parity-mode=" + mode(settings.parity.kill),
            "--parity-size=" + tickedCaptions(settings.paritySize),
            "--size-parity=" + tickedCaptions(settings.sizeParity),
            "--parity-size-mode=" + mode(settings.paritySize.kill),
            "--size=" + tickedCaptions(settings.size),
            "--size-mode=" + mode(settings.size.kill)};
}

bool isOneLine(const std::string& message)
{
    return !message.empty() && message.find_first_of("\r\n") == std::string::npos;
}

// Whatever bytes a user's file holds, the readers give draws or conditions, or one line saying
// what is wrong.
void checkFileReaders(std::string_view content)
{
    const auto draws = readDraws(content, "h.txt");
    if (const auto* refusal = std::get_if<HistoryRefusal>(&draws)) {
        require(isOneLine(refusal->message), "a refused history is named on one line");
    } else {
        std::size_t line = 0;
        for (const Draw& draw : std::get<std::vector<Draw>>(draws)) {
            require(draw.line > line && draw.number >= 0 && draw.number <= 99,
                    "draws are numbers 00 to 99 on ascending lines");
            line = draw.line;
        }
    }
    const auto conditions = conditionArguments(content);
    if (const auto* error = std::get_if<ConditionFileError>(&conditions)) {
        require(isOneLine(error->message), "a refused condition file is named on one line");
    }
}

void checkRequest(const RunRequest& request, const std::vector<std::string>& args)
{
    checkSettings(request.settings);

    // Parsing is a function of the arguments alone.
    const ParseResult again = parseCommandLine(args);
    const auto* same = std::get_if<RunRequest>(&again);
    require(same != nullptr && same->input == request.input && same->settings == request.settings &&
                same->json == request.json,
            "parsing the same arguments twice gives the same request");

    // The canonical spelling of the settings reads back as the same settings.
    std::vector<std::string> options = settingsAsOptions(request.settings);
    options.push_back("--tolerance=" + std::to_string(request.tolerance));
    const ParseResult canonical = parseCommandLine(options);
    const auto* reread = std::get_if<RunRequest>(&canonical);
    require(reread != nullptr && reread->settings == request.settings &&
                reread->tolerance == request.tolerance,
            "the settings written as options read back unchanged");

    // A saved condition file reads back as the same conditions.
    const auto saved = conditionArguments(
        conditionFileText(request.settings, request.tolerance, request.givenConditions));
    const auto* savedOptions = std::get_if<std::vector<std::string>>(&saved);
    require(savedOptions != nullptr, "a saved condition file can be read");
    const ParseResult fromFile = parseCommandLine(*savedOptions);
    const auto* loaded = std::get_if<RunRequest>(&fromFile);
    require(loaded != nullptr && loaded->settings == request.settings &&
                loaded->tolerance == request.tolerance,
            "a saved condition file reads back as the settings it came from");

    // A generated list only ever holds two-digit numbers, whatever the settings.
    if (const auto* generated = std::get_if<GeneratedList>(&request.input)) {
        const std::string list = generateCandidates(generated->first, generated->second);
        const PassOutcome outcome = runFilterPass(list, request.settings);
        require(!outcome.unreadable, "a generated list never stops the pass");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> args =
        splitArguments({reinterpret_cast<const char*>(data), size});
    if (!args.empty()) checkFileReaders(args.front());
    // Any exception that escapes is a crash: the parser promises to report every problem.
    const ParseResult result = parseCommandLine(args);

    if (const auto* error = std::get_if<UsageError>(&result)) {
        require(!error->message.empty(), "a usage error says what is wrong");
        require(error->message.back() != '\n', "a usage error has no trailing line break");
    } else if (const auto* info = std::get_if<InfoText>(&result)) {
        require(!info->text.empty(), "help and version have text");
    } else {
        checkRequest(std::get<RunRequest>(result), args);
    }
    return 0;
}
