#include "cli/options.h"

#include "filtering/attributes.h"
#include "filtering/utf8.h"
#include "filtering/version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <bitset>
#include <cctype>
#include <limits>

namespace shrink2d::cli {
namespace {

using Boxes = std::bitset<19>; // the ticked boxes of a row; the longest row, the sums, has 19
using Captions = std::vector<std::string>;

std::string inQuotes(std::string_view text) { return "\"" + visibleText(text, 40) + "\""; }

template <typename Texts> std::string joined(const Texts& texts)
{
    std::string list;
    for (const auto& text : texts) list += (list.empty() ? "" : " ") + std::string(text);
    return list;
}

Captions numbersUpTo(int last)
{
    Captions numbers;
    for (int n = 0; n <= last; ++n) numbers.push_back(std::to_string(n));
    return numbers;
}

// The ticked boxes of a row as each kind of setting holds them. A kill row holds the values of
// the ticked boxes' captions in box order, as the window reads a row.
void store(DigitSet& digits, Boxes boxes, const Captions&) { digits = boxes.to_ulong(); }
void store(PatternGroup& group, Boxes boxes, const Captions&)
{
    for (std::size_t box = 0; box < group.ticked.size(); ++box) group.ticked[box] = boxes[box];
}
void store(NumericKill& kill, Boxes boxes, const Captions& captions)
{
    for (std::size_t box = 0; box < captions.size(); ++box) {
        if (boxes[box]) kill.values.push_back(lenientValue(captions[box]));
    }
}

// The ASCII letters a pattern may be typed with, in either case.
constexpr std::array<std::pair<char, std::string_view>, 4> kLetters = {
    {{'E', "偶"}, {'O', "奇"}, {'B', "大"}, {'S', "小"}}};

std::string spelledOut(const std::string& item)
{
    std::string out;
    for (const char c : item) {
        const auto* letter = std::find_if(kLetters.begin(), kLetters.end(), [c](const auto& l) {
            return l.first == std::toupper(static_cast<unsigned char>(c));
        });
        out += letter == kLetters.end() ? std::string(1, c) : std::string(letter->second);
    }
    return out;
}

// The group's captions and their letter spellings, for the help: "偶偶 奇奇, or EE OO".
std::string spellings(const PatternGroup& group)
{
    Captions letters;
    for (const std::string& caption : group.captions) {
        for (const auto& [a, first] : kLetters) {
            for (const auto& [b, second] : kLetters) {
                if (spelledOut({a, b}) == caption) letters.push_back({a, b});
            }
        }
    }
    return joined(group.captions) + ", or " + joined(letters);
}

// A row typed as its digits, each at most once; "" ticks none.
const CLI::Validator kDigitString(
    [](std::string& digits) {
        for (std::size_t k = 0; k < digits.size(); ++k) {
            if (!isAsciiDigit(digits[k])) {
                return inQuotes(digits) + " may hold only the digits 0 to 9, each at most once";
            }
            if (digits.find(digits[k]) < k)
                return "the digit " + digits.substr(k, 1) + " is given twice";
        }
        return std::string();
    },
    "");

// A number from 0 to last. CLI::Range alone reads through strtoll, which takes "010" for octal
// and lets "+7" and " 7" pass.
CLI::Validator decimalUpTo(int last)
{
    return {[range = CLI::Range(0, last), last](std::string& number) {
                if (number.find_first_not_of("0123456789") != std::string::npos) {
                    return "Value " + number + " not in range 0 to " + std::to_string(last);
                }
                number.erase(0, std::min(number.find_first_not_of('0'), number.size() - 1));
                return range(number);
            },
            ""};
}

// fix or kill, or the window's captions 定 and 杀; CLI11's own message would list its table.
const CLI::Validator kMode(
    [modes = CLI::CheckedTransformer(CLI::TransformPairs<std::string>{
         {std::string(kModeCaptions[0]), "fix"},
         {std::string(kModeCaptions[1]), "kill"}})](std::string& mode) {
        return modes(mode).empty() ? std::string()
                                   : inQuotes(mode) + " is not a mode; use fix or kill";
    },
    "");

// The pattern options in the window's order, each group's text around its spellings, and the
// fix/kill option that follows it. One pair governs both halves of the mixed patterns.
struct PatternOption {
    const char* name;
    PatternGroup FilterSettings::*group;
    const char* before;
    const char* after;
    const char* mode = nullptr;
    PatternGroup FilterSettings::*modeOf = nullptr;
    const char* modeHelp = nullptr;
};

const std::array<PatternOption, 4> kPatternOptions = {{
    {"--parity", &FilterSettings::parity, "Odd/even patterns ", ".\nExample: --parity 偶奇,OE",
     "--parity-mode", &FilterSettings::parity,
     "fix keeps only the --parity patterns, kill drops them;\n"
     "default fix. Example: --parity-mode kill"},
    {"--parity-size", &FilterSettings::paritySize, "First digit's parity, second digit's size:\n",
     ". Example: --parity-size EB"},
    {"--size-parity", &FilterSettings::sizeParity, "First digit's size, second digit's parity:\n",
     ". Example: --size-parity 大偶,SO", "--parity-size-mode", &FilterSettings::paritySize,
     "Mode of both --parity-size and --size-parity; default fix.\n"
     "Example: --parity-size-mode kill"},
    {"--size", &FilterSettings::size, "Big/small patterns ",
     "\n(大 is 5 to 9, 小 0 to 4). Example: --size BS,SB", "--size-mode", &FilterSettings::size,
     "fix keeps only the --size patterns, kill drops them;\n"
     "default fix. Example: --size-mode kill"},
}};

std::size_t timesGiven(const CLI::App& app, const CLI::Option* option)
{
    const std::vector<CLI::Option*>& order = app.parse_order(); // an entry for each time given
    return static_cast<std::size_t>(std::count(order.begin(), order.end(), option));
}

constexpr const char* kFooter = R"(Pattern letters: E 偶 even, O 奇 odd, B 大 big, S 小 small.

Examples:
  shrink2d-cli
      all hundred numbers 00 to 99, nothing filtered
  shrink2d-cli --first 0123 --second 56789 --banker 5 --kill-sum 9,10
  shrink2d-cli --parity 偶偶,奇奇 --parity-mode kill --size BS,SB
  shrink2d-cli --list numbers.txt --kill-road 00,11,22 --json
  printf '05\n17\n99\n' | shrink2d-cli --list - --kill-span 0
  shrink2d-cli --history draws.txt --last 30 --kill-sum 9,10 --tolerance 1
      how these conditions would have fared on the last 30 draws in draws.txt

Output: line 1 is the resulting list, each number followed by one blank; line 2 the count
line (--history and --stats print their report instead). Exit status: 0 done, 2 bad option
or unreadable file, 3 an element of the list is not a two-digit number (the pass stops, as
the window's does).)";

// The options, each storing its part of the request as CLI11 reads it.
class CommandLine {
public:
    CLI::App app{"Shrinks a list of two-digit numbers: one press of “1、组号” (or a list of\n"
                 "your own) followed by one press of “2、过滤”, with the ticks and modes\n"
                 "given as options.",
                 "shrink2d-cli"};
    GeneratedList generated{DigitSet().set(), DigitSet().set()};
    ListFile file;
    RunRequest request;

    CommandLine()
    {
        app.set_help_flag("-h,--help", "Print this help and exit");
        app.set_version_flag("--version", "shrink2d-cli " SHRINK2D_VERSION,
                             "Print the version and exit");
        app.footer(kFooter);
        // Wide enough that the longest option that shares its line with its description
        // (--parity-size-mode fix|kill) stands two blanks clear of it, as help2man reads it.
        app.get_formatter()->column_width(32);
        app.allow_extras(); // reported in the order given; CLI11 would list them backwards

        app.option_defaults()->group("Numbers");
        auto* first = digits("--first", generated.first,
                             "Digits ticked for the first position (一位); default all ten,\n"
                             "\"\" ticks none. Example: --first 0123");
        auto* second = digits("--second", generated.second,
                              "Digits ticked for the second position (二位), as --first.\n"
                              "Example: --second 91");
        auto* listFile =
            app.add_option("--list", file.path,
                           "Filter the numbers in FILE (UTF-8; - is standard input) instead\n"
                           "of generating them; runs of blanks, tabs, line breaks and U+3000\n"
                           "separate them. Example: --list numbers.txt");
        listFile->type_name("FILE")->excludes(first)->excludes(second);
        app.add_flag("--raw", file.raw,
                     "With --list: take the text exactly as the result box holds it,\n"
                     "split at single blanks only. Example: --list box.txt --raw")
            ->needs(listFile);

        app.option_defaults()->group("Output");
        app.add_flag("--json", request.json,
                     "Print {\"numbers\": [...], \"count\": N} instead of the two lines.\n"
                     "Example: --json");

        FilterSettings& settings = request.settings;
        const Captions roads(kRoadCaptions.begin(), kRoadCaptions.end());
        app.option_defaults()->group("基本条件 (basic conditions)");
        digits("--banker", settings.banker,
               "定胆: keep only numbers holding one of these digits.\n"
               "Example: --banker 38");
        commaList("--kill-sum", "sum", settings.sums, numbersUpTo(18), decimalUpTo(18),
                  "杀和值: drop numbers with these digit sums (0 to 18).\n"
                  "Example: --kill-sum 0,9,18")
            ->type_name("N,...");
        digits("--kill-tail", settings.sumTails,
               "杀合值: drop numbers whose digit sum ends in these digits.\n"
               "Example: --kill-tail 05");
        digits("--kill-span", settings.spans,
               "杀跨度: drop numbers whose two digits lie this far apart.\n"
               "Example: --kill-span 09");
        commaList("--kill-road", "road", settings.roads, roads, CLI::IsMember(roads),
                  "杀012路: drop these road patterns (0路 0369, 1路 147, 2路 258),\neach one of " +
                      joined(roads) + ". Example: --kill-road 00,12")
            ->type_name("R,...");

        app.option_defaults()->group("特征条件 (pattern conditions)");
        for (const PatternOption& option : kPatternOptions) {
            PatternGroup& group = settings.*option.group;
            patterns(option.name, group, option.before + spellings(group) + option.after);
            if (option.mode != nullptr)
                mode(option.mode, (settings.*option.modeOf).kill, option.modeHelp);
        }

        beyondThePass(listFile);
    }

    // What the options beyond one pass set that CLI11 cannot store on its own.
    void complete()
    {
        if (app.count("--history") > 0) request.history = history;
        if (app.count("--save-conditions") > 0) request.saveConditions = saveConditions;
        if (app.count("--conditions") > 0) request.conditions = conditions;
        for (const std::string_view name : kConditionOptions) {
            if (app.count("--" + std::string(name)) > 0) request.givenConditions.push_back(name);
        }
    }

private:
    HistoryFile history;
    std::string saveConditions;
    std::string conditions;

    void beyondThePass(CLI::Option* listFile)
    {
        app.option_defaults()->group("容错 (tolerance)");
        app.add_option("--tolerance", request.tolerance,
                       "容错: let a number through when at most K of the condition groups\n"
                       "(the banker digits and the eight rows) reject it; 0 to 9, default 0.\n"
                       "Example: --tolerance 1 --kill-sum 9,10 --kill-span 0")
            ->transform(decimalUpTo(9))
            ->type_name("K");

        app.option_defaults()->group("Reports");
        auto* pastDraws =
            app.add_option("--history", history.path,
                           "Test the conditions on the past draws in FILE, one a line (37, 3 7,\n"
                           "2026001,3,7; # starts a comment), instead of printing the list: a\n"
                           "line per draw, then the hit rate, the runs of misses, what each\n"
                           "group rejects and how many numbers --first/--second leave.\n"
                           "Example: --history draws.txt --kill-sum 9,10 --tolerance 1");
        pastDraws->type_name("FILE")->excludes(listFile);
        app.add_option_function<std::size_t>(
               "--last", [this](std::size_t last) { history.last = last; },
               "With --history: only the file's last N draws. Example: --last 30")
            ->transform(decimalUpTo(std::numeric_limits<int>::max()))
            ->check(CLI::Validator(
                [](std::string& last) {
                    return last == "0" ? std::string("Value 0 is not a count from 1") : "";
                },
                ""))
            ->type_name("N")
            ->needs(pastDraws);
        app.add_flag("--stats", request.stats,
                     "Print how many numbers each condition group in use rejects on its\n"
                     "own, then how many came in and how many survive, instead of the\n"
                     "list. Example: --stats --kill-sum 9,10 --size BB")
            ->excludes(pastDraws);

        app.option_defaults()->group("Condition files");
        app.add_option("--save-conditions", saveConditions,
                       "Write the condition options given, and the tolerance, to FILE as\n"
                       "JSON, then run as usual. Example: --save-conditions my.json --banker 5")
            ->type_name("FILE");
        app.add_option("--conditions", conditions,
                       "Read condition options from FILE (as --save-conditions writes\n"
                       "them) as if typed; one given on the command line as well is an\n"
                       "error. Example: --conditions my.json --first 0123")
            ->type_name("FILE");
    }

    // A row typed as a digit string: --banker 38.
    template <typename Row>
    CLI::Option* digits(const std::string& name, Row& row, const std::string& description)
    {
        const auto read = [&row](const std::string& digits) {
            Boxes boxes;
            for (const char c : digits) boxes.set(static_cast<std::size_t>(c - '0'));
            store(row, boxes, numbersUpTo(9));
        };
        return app.add_option_function<std::string>(name, read, description)
            ->check(kDigitString)
            ->type_name("DIGITS");
    }

    // A row typed as a comma list of its captions, which `item` checks or makes of each item.
    // Naming a box twice is a mistake, and so is giving the option twice, which CLI11 would take
    // as one longer list. The empty value is the empty list: one empty item, let through.
    template <typename Row>
    CLI::Option* commaList(const std::string& name, const std::string& noun, Row& row,
                           Captions captions, const CLI::Validator& item,
                           const std::string& description)
    {
        const auto read = [this, &row, name, noun,
                           captions](const std::vector<std::string>& items) {
            if (const std::size_t given = timesGiven(app, app.get_option(name)); given > 1) {
                throw CLI::ArgumentMismatch::AtMost(name, 1, given);
            }
            Boxes boxes;
            for (const std::string& caption : items) {
                const auto box = static_cast<std::size_t>(
                    std::find(captions.begin(), captions.end(), caption) - captions.begin());
                if (box < captions.size() && boxes.test(box)) {
                    throw CLI::ValidationError(name,
                                               "the " + noun + " " + caption + " is given twice");
                }
                if (box < captions.size()) boxes.set(box);
            }
            store(row, boxes, captions);
        };
        const CLI::Validator eachItem(
            [item](std::string& text) { return text.empty() ? std::string() : item(text); }, "");
        auto* option = app.add_option_function<std::vector<std::string>>(name, read, description);
        option->delimiter(',')->expected(1)->allow_extra_args(false)->transform(eachItem);
        return option->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }

    void patterns(const std::string& name, PatternGroup& group, const std::string& description)
    {
        commaList(name, "pattern", group, {group.captions.begin(), group.captions.end()},
                  CLI::IsMember(group.captions, spelledOut), description)
            ->type_name("P,...");
    }

    void mode(const std::string& name, bool& kill, const std::string& description)
    {
        const auto read = [&kill](const std::string& mode) { kill = mode == "kill"; };
        app.add_option_function<std::string>(name, read, description)
            ->transform(kMode)
            ->type_name("fix|kill");
    }
};

// The arguments as CLI11 2.1 should see them. It reads "--first=" as --first taking the next
// argument, where the user means the empty string. It drops an empty item between commas, where
// the user has likely mistyped: such a list is emptied here and its problem kept for after
// parsing, as for any bad value, so that --help and --version still win over it. And it consumes
// its vector from the back.
std::vector<std::string> forCli11(const CLI::App& app, const std::vector<std::string>& args,
                                  std::string& problem)
{
    std::vector<std::string> out;
    for (const std::string& arg : args) {
        const bool emptyValue = arg.starts_with("--") && arg.find('=') == arg.size() - 1;
        out.push_back(emptyValue ? arg.substr(0, arg.size() - 1) : arg);
        if (emptyValue) out.emplace_back();
    }
    for (std::size_t k = 0; k < out.size(); ++k) {
        const std::size_t equals = out[k].starts_with("--") ? out[k].find('=') : std::string::npos;
        const CLI::Option* option = app.get_option_no_throw(out[k].substr(0, equals));
        if (option == nullptr || option->get_expected_min() == 0) continue;
        if (equals != std::string::npos) { // the value as an argument of its own, as CLI11 takes it
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(k) + 1, out[k].substr(equals + 1));
            out[k].resize(equals);
        }
        if (++k == out.size()) break;
        const std::string& value = out[k];
        if (option->get_delimiter() == ',' && !value.empty() &&
            (value.front() == ',' || value.back() == ',' || value.find(",,") != value.npos)) {
            if (problem.empty())
                problem = option->get_name() + ": " + inQuotes(value) +
                          " has an empty item between commas";
            out[k].clear();
        }
    }
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args)
{
    try {
        CommandLine line;
        CLI::App& app = line.app;
        std::string emptyItem;
        std::vector<std::string> cli11Args = forCli11(app, args, emptyItem);
        try {
            app.parse(cli11Args);
        } catch (const CLI::CallForHelp&) {
            return InfoText{app.help()};
        } catch (const CLI::CallForVersion& version) {
            return InfoText{std::string(version.what()) + "\n"};
        } catch (const CLI::ValidationError&) {
            // A bad value gives way to --help; a repeated option or a bad flag value does not.
            if (app.get_help_ptr()->count() == 0) throw;
            for (const CLI::Option* option : app.get_options()) {
                const std::size_t given = timesGiven(app, option);
                if (option->get_expected_min() > 0 && given > 1) {
                    throw CLI::ArgumentMismatch::AtMost(option->get_name(), 1, given);
                }
                if (option->get_expected_min() == 0 && given > 0 && option != app.get_help_ptr()) {
                    option->as<bool>();
                }
            }
            return InfoText{app.help()};
        }
        if (!emptyItem.empty()) return UsageError{emptyItem};
        if (const std::vector<std::string> extras = app.remaining(); !extras.empty()) {
            std::string message =
                extras.size() == 1 ? "unexpected argument" : "unexpected arguments";
            for (const std::string& extra : extras) message += " " + inQuotes(extra);
            return UsageError{message};
        }
        RunRequest& request = line.request;
        request.input = line.generated;
        if (app.count("--list") > 0) request.input = line.file;
        // One fix/kill pair governs both halves of the mixed patterns, as in the window.
        request.settings.sizeParity.kill = request.settings.paritySize.kill;
        line.complete();
        return request;
    } catch (const CLI::Error& error) {
        // CLI11 repeats the user's words in its messages: show them as text, on one line.
        return UsageError{visibleText(error.what(), std::numeric_limits<std::size_t>::max())};
    }
}

} // namespace shrink2d::cli
