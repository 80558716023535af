#include "cli/options.h"

#include "filtering/attributes.h"
#include "filtering/utf8.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace shrink2d::cli {
namespace {

constexpr std::string_view kAllDigits = "0123456789";
constexpr std::size_t kShownCharacters = 40;

// Thrown by the value readers below and turned into a UsageError at the top: the readers stay
// plain functions of their text.
class BadValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string inQuotes(std::string_view text)
{
    return "\"" + visibleText(text, kShownCharacters) + "\"";
}

[[noreturn]] void fail(std::string_view option, const std::string& problem)
{
    throw BadValue(std::string(option) + ": " + problem);
}

// A string of distinct digits; the empty string ticks nothing.
DigitSet parseDigits(std::string_view option, const std::string& text)
{
    DigitSet digits;
    for (const char c : text) {
        if (!isAsciiDigit(c)) {
            fail(option, inQuotes(text) + " may hold only the digits 0 to 9, each at most once");
        }
        const auto digit = static_cast<std::size_t>(c - '0');
        if (digits.test(digit)) fail(option, "the digit " + std::string(1, c) + " is given twice");
        digits.set(digit);
    }
    return digits;
}

// Comma-separated items; the empty string is no item at all, but an empty item between commas
// is a mistake worth reporting rather than ignoring.
std::vector<std::string_view> splitItems(std::string_view option, std::string_view text)
{
    std::vector<std::string_view> items;
    if (text.empty()) return items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma - start);
        if (item.empty()) fail(option, inQuotes(text) + " has an empty item between commas");
        items.push_back(item);
        if (comma == std::string_view::npos) return items;
        start = comma + 1;
    }
}

// Box k of a kill row ticked for each item; the values come out in box order, as the window
// reads a row.
NumericKill killRow(const std::vector<std::size_t>& ticked, const auto& valueOfBox)
{
    NumericKill kill;
    for (const std::size_t box : ticked) kill.values.push_back(valueOfBox(box));
    return kill;
}

template <std::size_t N> std::vector<std::size_t> tickedBoxes(const std::bitset<N>& boxes)
{
    std::vector<std::size_t> ticked;
    for (std::size_t k = 0; k < N; ++k) {
        if (boxes.test(k)) ticked.push_back(k);
    }
    return ticked;
}

NumericKill parseSums(std::string_view option, const std::string& text)
{
    std::bitset<19> boxes;
    for (const std::string_view item : splitItems(option, text)) {
        const bool allDigits = item.find_first_not_of(kAllDigits) == std::string_view::npos;
        const long sum = lenientValue(item); // saturates, so a huge number stays above 18
        if (!allDigits || sum > 18) fail(option, inQuotes(item) + " is not a sum from 0 to 18");
        if (boxes.test(static_cast<std::size_t>(sum))) {
            fail(option, "the sum " + std::to_string(sum) + " is given twice");
        }
        boxes.set(static_cast<std::size_t>(sum));
    }
    return killRow(tickedBoxes(boxes), [](std::size_t box) { return static_cast<long>(box); });
}

NumericKill parseDigitKill(std::string_view option, const std::string& text)
{
    const DigitSet digits = parseDigits(option, text);
    return killRow(tickedBoxes(digits), [](std::size_t box) { return static_cast<long>(box); });
}

std::string roadList()
{
    std::string list;
    for (const std::string_view caption : kRoadCaptions) {
        if (!list.empty()) list += ' ';
        list += caption;
    }
    return list;
}

NumericKill parseRoads(std::string_view option, const std::string& text)
{
    std::bitset<kRoadCaptions.size()> boxes;
    for (const std::string_view item : splitItems(option, text)) {
        std::size_t box = 0;
        while (box < kRoadCaptions.size() && kRoadCaptions[box] != item) ++box;
        if (box == kRoadCaptions.size()) {
            fail(option, inQuotes(item) + " is not a road; use one of " + roadList());
        }
        if (boxes.test(box)) fail(option, "the road " + std::string(item) + " is given twice");
        boxes.set(box);
    }
    return killRow(tickedBoxes(boxes),
                   [](std::size_t box) { return lenientValue(kRoadCaptions[box]); });
}

// The pattern with its ASCII letters written out: E 偶, O 奇, B 大, S 小, in either case.
std::string spelledOut(std::string_view item)
{
    std::string out;
    for (const char c : item) {
        switch (c) {
        case 'E':
        case 'e':
            out += "偶";
            break;
        case 'O':
        case 'o':
            out += "奇";
            break;
        case 'B':
        case 'b':
            out += "大";
            break;
        case 'S':
        case 's':
            out += "小";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string asciiSpelling(std::string_view pattern)
{
    static constexpr std::array<std::pair<std::string_view, char>, 4> letters = {
        {{"偶", 'E'}, {"奇", 'O'}, {"大", 'B'}, {"小", 'S'}}};
    std::string out;
    for (std::size_t pos = 0; pos < pattern.size();) {
        const auto* match = std::find_if(letters.begin(), letters.end(), [&](const auto& entry) {
            return pattern.substr(pos, entry.first.size()) == entry.first;
        });
        if (match == letters.end()) return {}; // not a caption of ours: no ASCII spelling
        out += match->second;
        pos += match->first.size();
    }
    return out;
}

// Ticks the boxes of a group whose captions the items name.
void tickPatterns(std::string_view option, const std::string& text, PatternGroup& group)
{
    for (const std::string_view item : splitItems(option, text)) {
        const std::string pattern = spelledOut(item);
        std::size_t box = 0;
        while (box < group.captions.size() && group.captions[box] != pattern) ++box;
        if (box == group.captions.size()) {
            std::string known;
            for (const std::string& caption : group.captions) {
                known += " " + caption + " (" + asciiSpelling(caption) + ")";
            }
            fail(option, inQuotes(item) + " is not one of" + known);
        }
        if (group.ticked[box]) fail(option, "the pattern " + pattern + " is given twice");
        group.ticked[box] = true;
    }
}

// True for kill mode; the window's own captions 定 and 杀 are understood as well.
bool parseKillMode(std::string_view option, const std::string& text)
{
    if (text == "fix" || text == "定") return false;
    if (text == "kill" || text == "杀") return true;
    fail(option, inQuotes(text) + " is not a mode; use fix or kill");
}

// The option values as typed, before any of them is checked.
struct TypedOptions {
    std::string first{kAllDigits};
    std::string second{kAllDigits};
    std::string list;
    bool raw = false;
    bool json = false;
    std::string banker;
    std::string killSum;
    std::string killTail;
    std::string killSpan;
    std::string killRoad;
    std::string parity;
    std::string parityMode = "fix";
    std::string paritySize;
    std::string sizeParity;
    std::string paritySizeMode = "fix";
    std::string size;
    std::string sizeMode = "fix";
};

constexpr const char* kFooter = R"(Pattern letters: E 偶 even, O 奇 odd, B 大 big, S 小 small.

Examples:
  shrink2d-cli
      all hundred numbers 00 to 99, nothing filtered
  shrink2d-cli --first 0123 --second 56789 --banker 5 --kill-sum 9,10
  shrink2d-cli --parity 偶偶,奇奇 --parity-mode kill --size BS,SB
  shrink2d-cli --list numbers.txt --kill-road 00,11,22 --json
  printf '05\n17\n99\n' | shrink2d-cli --list - --kill-span 0

Output: line 1 is the resulting list, each number followed by one blank; line 2 the count
line. Exit status: 0 done, 2 bad option or unreadable file, 3 an element of the list is not
a two-digit number (the pass stops, as the window's does).)";

void describe(CLI::App& app, TypedOptions& typed)
{
    app.set_help_flag("-h,--help", "Print this help and exit");
    app.set_version_flag("--version", "shrink2d-cli " SHRINK2D_VERSION,
                         "Print the version and exit");
    app.footer(kFooter);

    auto* first = app.add_option("--first", typed.first,
                                 "Digits ticked for the first position (一位); default all ten,\n"
                                 "\"\" ticks none. Example: --first 0123");
    auto* second = app.add_option("--second", typed.second,
                                  "Digits ticked for the second position (二位), as --first.\n"
                                  "Example: --second 91");
    auto* list = app.add_option("--list", typed.list,
                                "Filter the numbers in FILE (UTF-8; - is standard input) instead\n"
                                "of generating them; runs of blanks, tabs, line breaks and U+3000\n"
                                "separate them. Example: --list numbers.txt");
    auto* raw = app.add_flag("--raw", typed.raw,
                             "With --list: take the text exactly as the result box holds it,\n"
                             "split at single blanks only. Example: --list box.txt --raw");
    app.add_flag("--json", typed.json,
                 "Print {\"numbers\": [...], \"count\": N} instead of the two lines.\n"
                 "Example: --json");
    first->type_name("DIGITS");
    second->type_name("DIGITS");
    list->type_name("FILE");
    list->excludes(first)->excludes(second);
    raw->needs(list);

    app.add_option("--banker", typed.banker,
                   "定胆: keep only numbers holding one of these digits.\n"
                   "Example: --banker 38")
        ->type_name("DIGITS");
    app.add_option("--kill-sum", typed.killSum,
                   "杀和值: drop numbers with these digit sums (0 to 18).\n"
                   "Example: --kill-sum 0,9,18")
        ->type_name("N,...");
    app.add_option("--kill-tail", typed.killTail,
                   "杀合值: drop numbers whose digit sum ends in these digits.\n"
                   "Example: --kill-tail 05")
        ->type_name("DIGITS");
    app.add_option("--kill-span", typed.killSpan,
                   "杀跨度: drop numbers whose two digits lie this far apart.\n"
                   "Example: --kill-span 09")
        ->type_name("DIGITS");
    app.add_option("--kill-road", typed.killRoad,
                   "杀012路: drop these road patterns (0路 0369, 1路 147, 2路 258),\n"
                   "each one of " +
                       roadList() + ". Example: --kill-road 00,12")
        ->type_name("R,...");
    app.add_option("--parity", typed.parity,
                   "Odd/even patterns 偶偶 偶奇 奇奇 奇偶, or EE EO OO OE.\n"
                   "Example: --parity 偶奇,OE")
        ->type_name("P,...");
    app.add_option("--parity-mode", typed.parityMode,
                   "fix keeps only the --parity patterns, kill drops them;\n"
                   "default fix. Example: --parity-mode kill")
        ->type_name("fix|kill");
    app.add_option("--parity-size", typed.paritySize,
                   "First digit's parity, second digit's size: 偶大 偶小 奇大 奇小,\n"
                   "or EB ES OB OS. Example: --parity-size EB")
        ->type_name("P,...");
    app.add_option("--size-parity", typed.sizeParity,
                   "First digit's size, second digit's parity: 大偶 小偶 大奇 小奇,\n"
                   "or BE SE BO SO. Example: --size-parity 大偶,SO")
        ->type_name("P,...");
    app.add_option("--parity-size-mode", typed.paritySizeMode,
                   "Mode of both --parity-size and --size-parity; default fix.\n"
                   "Example: --parity-size-mode kill")
        ->type_name("fix|kill");
    app.add_option("--size", typed.size,
                   "Big/small patterns 大大 小小 大小 小大, or BB SS BS SB\n"
                   "(大 is 5 to 9, 小 0 to 4). Example: --size BS,SB")
        ->type_name("P,...");
    app.add_option("--size-mode", typed.sizeMode,
                   "fix keeps only the --size patterns, kill drops them;\n"
                   "default fix. Example: --size-mode kill")
        ->type_name("fix|kill");
}

// The options beyond one filter pass: tolerance, reports and condition files.
struct ExtraOptions {
    std::string tolerance = "0";
    std::string history;
    std::string last;
    bool stats = false;
    std::string saveConditions;
    std::string conditions;
};

void describeExtras(CLI::App& app, ExtraOptions& extras)
{
    app.add_option("--tolerance", extras.tolerance,
                   "容错: let a number through when at most K of the condition groups\n"
                   "(the banker digits and the eight rows) reject it; 0 to 9, default 0.\n"
                   "Example: --tolerance 1 --kill-sum 9,10 --kill-span 0")
        ->check(CLI::IsMember({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}))
        ->type_name("K");
    auto* history =
        app.add_option("--history", extras.history,
                       "Test the conditions on the past draws in FILE, one a line (37, 3 7,\n"
                       "2026001,3,7; # starts a comment), instead of printing the list: a\n"
                       "line per draw, then the hit rate, the runs of misses, what each\n"
                       "group rejects and how many numbers --first/--second leave.\n"
                       "Example: --history draws.txt --kill-sum 9,10 --tolerance 1")
            ->type_name("FILE")
            ->excludes("--list");
    app.add_option("--last", extras.last,
                   "With --history: only the file's last N draws. Example: --last 30")
        ->type_name("N")
        ->needs(history)
        ->check(CLI::Validator(
            [](std::string& text) {
                const bool valid = !text.empty() && text.size() <= 9 &&
                                   text.find_first_not_of("0123456789") == std::string::npos &&
                                   text.find_first_not_of('0') != std::string::npos;
                return valid ? std::string() : inQuotes(text) + " is not a count from 1";
            },
            ""));
    app.add_flag("--stats", extras.stats,
                 "Print how many numbers each condition group in use rejects on its\n"
                 "own, then how many came in and how many survive, instead of the\n"
                 "list. Example: --stats --kill-sum 9,10 --size BB")
        ->excludes(history);
    app.add_option("--save-conditions", extras.saveConditions,
                   "Write the condition options given, and the tolerance, to FILE as\n"
                   "JSON, then run as usual. Example: --save-conditions my.json --banker 5")
        ->type_name("FILE");
    app.add_option("--conditions", extras.conditions,
                   "Read condition options from FILE (as --save-conditions writes\n"
                   "them) as if typed; one given on the command line as well is an\n"
                   "error. Example: --conditions my.json --first 0123")
        ->type_name("FILE");
}

void checkExtras(const CLI::App& app, const ExtraOptions& extras, RunRequest& request)
{
    request.tolerance = static_cast<std::size_t>(extras.tolerance[0] - '0');
    if (app.count("--history") > 0) {
        request.history = HistoryFile{extras.history, std::nullopt};
        if (app.count("--last") > 0) request.history->last = std::stoul(extras.last);
    }
    request.stats = extras.stats;
    if (app.count("--save-conditions") > 0) request.saveConditions = extras.saveConditions;
    if (app.count("--conditions") > 0) request.conditions = extras.conditions;
    for (const std::string_view name : kConditionOptions) {
        if (app.count("--" + std::string(name)) > 0) request.givenConditions.push_back(name);
    }
}

// CLI11 reads "--first=" as --first without a value; the user means the empty string.
std::vector<std::string> reversedForCli11(const std::vector<std::string>& args)
{
    std::vector<std::string> reversed;
    reversed.reserve(args.size());
    for (std::size_t k = args.size(); k-- > 0;) {
        const std::string& arg = args[k];
        const bool emptyValue = arg.starts_with("--") && arg.find('=') == arg.size() - 1;
        if (emptyValue) reversed.emplace_back();
        reversed.push_back(emptyValue ? arg.substr(0, arg.size() - 1) : arg);
    }
    return reversed;
}

RunRequest checkedRequest(const TypedOptions& typed, bool fromFile)
{
    RunRequest request;
    if (fromFile) {
        request.input = ListFile{typed.list, typed.raw};
    } else {
        request.input = GeneratedList{parseDigits("--first", typed.first),
                                      parseDigits("--second", typed.second)};
    }
    request.json = typed.json;

    FilterSettings& settings = request.settings;
    settings.banker = parseDigits("--banker", typed.banker);
    settings.sums = parseSums("--kill-sum", typed.killSum);
    settings.sumTails = parseDigitKill("--kill-tail", typed.killTail);
    settings.spans = parseDigitKill("--kill-span", typed.killSpan);
    settings.roads = parseRoads("--kill-road", typed.killRoad);
    tickPatterns("--parity", typed.parity, settings.parity);
    tickPatterns("--parity-size", typed.paritySize, settings.paritySize);
    tickPatterns("--size-parity", typed.sizeParity, settings.sizeParity);
    tickPatterns("--size", typed.size, settings.size);
    settings.parity.kill = parseKillMode("--parity-mode", typed.parityMode);
    // One fix/kill pair governs both halves of the mixed patterns, as in the window.
    settings.paritySize.kill = parseKillMode("--parity-size-mode", typed.paritySizeMode);
    settings.sizeParity.kill = settings.paritySize.kill;
    settings.size.kill = parseKillMode("--size-mode", typed.sizeMode);
    return request;
}

} // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args)
{
    try {
        CLI::App app{"Shrinks a list of two-digit numbers: one press of “1、组号” (or a list of\n"
                     "your own) followed by one press of “2、过滤”, with the ticks and modes\n"
                     "given as options.",
                     "shrink2d-cli"};
        TypedOptions typed;
        describe(app, typed);
        ExtraOptions beyondThePass;
        describeExtras(app, beyondThePass);
        // Stray words are reported here, in the order given; CLI11 would list them backwards.
        app.allow_extras();
        try {
            app.parse(reversedForCli11(args)); // CLI11 consumes its vector from the back
        } catch (const CLI::CallForHelp&) {
            return InfoText{app.help()};
        } catch (const CLI::CallForVersion& version) {
            return InfoText{std::string(version.what()) + "\n"};
        }
        if (const std::vector<std::string> extras = app.remaining(); !extras.empty()) {
            std::string message =
                extras.size() == 1 ? "unexpected argument" : "unexpected arguments";
            for (const std::string& extra : extras) message += " " + inQuotes(extra);
            return UsageError{message};
        }
        RunRequest request = checkedRequest(typed, app.count("--list") > 0);
        checkExtras(app, beyondThePass, request);
        return request;
    } catch (const CLI::Error& error) {
        // CLI11 repeats the user's words in its messages: show them as text, on one line.
        return UsageError{visibleText(error.what(), std::numeric_limits<std::size_t>::max())};
    } catch (const BadValue& error) {
        return UsageError{error.what()};
    }
}

} // namespace shrink2d::cli
