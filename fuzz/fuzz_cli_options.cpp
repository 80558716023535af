// Feeds arbitrary argument vectors to the command-line option parser. The input is split at
// every NUL byte into the arguments that follow the program name (the empty input is no
// argument at all; "a\0" is "a" and an empty argument). The first argument is also read as the
// content of a history file and of a condition file.

#include "cli/condition_file.h"
#include "cli/condition_items.h"
#include "cli/history.h"
#include "cli/list_input.h"
#include "cli/options.h"
#include "filtering/catalogue.h"
#include "filtering/filter_pass.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"
#include "filtering/utf8.h"

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

// The options that describe these settings, each written in its canonical form: a digit row
// as its digits, other groups as their ticked captions between commas, modes as fix or kill.
std::vector<std::string> settingsAsOptions(const FilterSettings& settings)
{
    std::vector<std::string> options;
    for (const ConditionEntry& entry : conditionCatalogue()) {
        const Boxes ticked = tickedBoxes(entry, settings);
        std::string value;
        for (std::size_t box = 0; box < entry.boxCount(); ++box) {
            if (!ticked.test(box)) continue;
            if (!entry.isDigitRow() && !value.empty()) value += ',';
            value += entry.boxCaptions[box];
        }
        options.push_back(std::string(entry.option) + "=" + value);
        if (const ModePair* pair = pairAfter(entry)) {
            options.push_back(std::string(pair->option) + "=" +
                              (isKill(*pair, settings) ? "kill" : "fix"));
        }
    }
    return options;
}

bool isOneLine(const std::string& message)
{
    return !message.empty() && message.find_first_of("\r\n") == std::string::npos;
}

// Whatever bytes a user's file holds, the readers give text, draws or conditions, or one line
// saying what is wrong.
void checkFileReaders(std::string_view content, Language language)
{
    if (const std::optional<std::string> text = textOfContent(std::string(content))) {
        require(isWellFormedUtf8(*text) && text->find('\0') == std::string::npos,
                "a file's text is UTF-8 without NUL, whatever it was saved in");
        const std::string list = listTextFromContent(*text, false);
        if (const auto problem = strictListProblem(list, language)) {
            require(isWellFormedUtf8(*problem), "a list file's problem is readable text");
        } else {
            require(list.size() % 3 == 0,
                    "a list file of two-digit numbers is in the written form");
        }
    }
    const auto draws = readDraws(content, "h.txt", language);
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
    RunRequest request;
    if (const auto problem = readConditionFile(content, request, language)) {
        require(isOneLine(*problem), "a refused condition file is named on one line");
    } else {
        checkSettings(request.settings);
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
    RunRequest loaded;
    require(!readConditionFile(
                conditionFileText(request.settings, request.tolerance, request.givenConditions),
                loaded, Language::English),
            "a saved condition file can be read");
    require(loaded.settings == request.settings && loaded.tolerance == request.tolerance,
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
    // Either language, by the input's length, so that the corpus keeps its meaning.
    const Language language = size % 2 == 0 ? Language::English : Language::Chinese;
    if (!args.empty()) checkFileReaders(args.front(), language);
    // Any exception that escapes is a crash: the parser promises to report every problem.
    const ParseResult result = parseCommandLine(args, language);

    if (const auto* error = std::get_if<UsageError>(&result)) {
        require(isOneLine(error->message), "a usage error says what is wrong on one line");
    } else if (const auto* info = std::get_if<InfoText>(&result)) {
        require(!info->text.empty(), "help and version have text");
    } else {
        checkRequest(std::get<RunRequest>(result), args);
    }
    return 0;
}
