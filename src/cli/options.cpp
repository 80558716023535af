#include "cli/options.h"

#include "cli/condition_items.h"
#include "cli11_quirks.h"
#include "filtering/catalogue.h"
#include "filtering/utf8.h"
#include "filtering/version.h"
#include "help_format.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <limits>
#include <memory>

namespace shrink2d::cli {
namespace {

std::string inQuotes(std::string_view text) { return "\"" + visibleText(text, 40) + "\""; }

[[noreturn]] void refuse(const std::string& option, std::string_view value,
                         const std::string& problem)
{
    throw CLI::ValidationError(option + " " + inQuotes(value) + ": " + problem);
}

// The digits of a run such as "38", each at most once; "" is none.
DigitSet readDigits(const std::string& option, const std::string& digits)
{
    DigitSet set;
    for (const char c : digits) {
        if (!isAsciiDigit(c)) refuse(option, digits, "expected digits 0 to 9, each at most once");
        if (set.test(static_cast<std::size_t>(c - '0'))) {
            refuse(option, digits, std::string(1, c) + " is given twice");
        }
        set.set(static_cast<std::size_t>(c - '0'));
    }
    return set;
}

// A comma list of boxes: "" is none, and an empty item between commas is taken for a typo.
Boxes readList(const ConditionEntry& entry, const std::string& option, const std::string& list)
{
    Boxes boxes;
    for (std::size_t start = 0; !list.empty() && start <= list.size();) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, end - start);
        const std::optional<std::size_t> box = boxNamed(entry, item);
        if (item.empty()) refuse(option, list, "an empty item between commas");
        if (!box && entry.holdsNumbers() && item.find_first_not_of("0123456789") == item.npos) {
            refuse(option, item, "too big (" + spellingsOf(entry) + ")");
        }
        if (!box && entry.holdsNumbers()) {
            refuse(option, item, "expected a whole number from " + spellingsOf(entry));
        }
        if (!box) refuse(option, item, "expected one of " + spellingsOf(entry));
        if (boxes.test(*box)) {
            refuse(option, list, std::string(entry.boxCaptions[*box]) + " is given twice");
        }
        boxes.set(*box);
        start = end + 1;
    }
    return boxes;
}

// A whole number from low to high, without sign or blanks.
std::size_t readNumber(const std::string& option, const std::string& number, std::size_t low,
                       std::size_t high)
{
    const std::string range = std::to_string(low) + " to " + std::to_string(high);
    if (number.empty() || number.find_first_not_of("0123456789") != number.npos) {
        refuse(option, number, "expected a whole number from " + range);
    }
    const std::string digits =
        number.substr(std::min(number.find_first_not_of('0'), number.size()));
    if (digits.size() > 18 || std::stoull("0" + digits) > high) {
        refuse(option, number, "too big (" + range + ")");
    }
    const auto value = static_cast<std::size_t>(std::stoull("0" + digits));
    if (value < low) refuse(option, number, "expected a whole number from " + range);
    return value;
}

std::string option(const ConditionEntry& entry) { return std::string(entry.option); }
// A group's option as typed with this value, for the examples of the help.
std::string typed(ConditionGroup group, std::string_view value)
{
    return std::string(entryOf(group).option) + " " + std::string(value);
}

std::string footer()
{
    using enum ConditionGroup;
    return "Pattern letters: E 偶 even, O 奇 odd, B 大 big, S 小 small.\n\nExamples:\n"
           "  shrink2d-cli\n      all hundred numbers 00 to 99, nothing filtered\n"
           "  shrink2d-cli --first 0123 --second 56789 " +
           typed(Banker, "5") + " " + typed(Sum, "9,10") + "\n  shrink2d-cli " +
           typed(Parity, "偶偶,奇奇") + " " + std::string(entryOf(Parity).mode->option) + " kill " +
           typed(Size, "BS,SB") + "\n  shrink2d-cli --list numbers.txt " + typed(Road, "00,11,22") +
           " --json\n  printf '05\\n17\\n99\\n' | shrink2d-cli --list - " + typed(Span, "0") +
           "\n  shrink2d-cli --history draws.txt --last 30 " + typed(Sum, "9,10") +
           " --tolerance 1\n"
           "      how these conditions would have fared on the last 30 draws in draws.txt\n\n"
           "Output: line 1 is the resulting list, each number followed by one blank; line 2 the "
           "count line (--history and --stats print their report instead).\nExit status: 0 done, "
           "1 standard output could not be written, 2 bad option or a file that cannot be read "
           "or written, 3 an element of the list is not a two-digit number (the pass stops, as "
           "the window's does).";
}

// The options, each storing its part of the request as CLI11 reads it.
class CommandLine {
public:
    CLI::App app{"Shrinks a list of two-digit numbers: one press of “1、组号” (or a list of your "
                 "own) followed by one press of “2、过滤”, with the ticks and modes given as "
                 "options.",
                 "shrink2d-cli"};
    GeneratedList generated{DigitSet().set(), DigitSet().set()};
    ListFile file;
    RunRequest request;

    CommandLine()
    {
        app.set_help_flag("-h,--help", "Print this help and exit");
        app.set_version_flag("--version", "shrink2d-cli " SHRINK2D_VERSION,
                             "Print the version and exit");
        app.footer(footer());
        // The longest name with its value, the mixed patterns' fix|kill, stands two blanks clear of
        // its description, as help2man reads it.
        app.formatter(std::make_shared<HelpFormatter>(32));
        app.allow_extras(); // reported after parsing, in the order given

        app.option_defaults()->group("Numbers");
        auto* first =
            value("--first", "DIGITS",
                  "Digits ticked for the first position (一位); default all ten, \"\" "
                  "ticks none.\nExample: --first 0123",
                  [this](const std::string& v) { generated.first = readDigits("--first", v); });
        auto* second =
            value("--second", "DIGITS",
                  "Digits ticked for the second position (二位), as --first.\n"
                  "Example: --second 91",
                  [this](const std::string& v) { generated.second = readDigits("--second", v); });
        auto* listFile = app.add_option("--list", file.path,
                                        "Filter the numbers in FILE (UTF-8; - is standard "
                                        "input) instead of generating them; runs of blanks, "
                                        "tabs, line breaks and U+3000 separate them. Not with "
                                        "--first or --second.\nExample: --list numbers.txt");
        listFile->type_name("FILE")->excludes(first)->excludes(second);
        app.add_flag("--raw", file.raw,
                     "With --list: take the text exactly as the result box holds it, split "
                     "at single blanks only.\nExample: --list box.txt --raw")
            ->needs(listFile);

        app.option_defaults()->group("Output");
        app.add_flag("--json", request.json,
                     "Print {\"numbers\": [...], \"count\": N} instead of the two lines.\n"
                     "Example: --json");

        for (const ConditionEntry& entry : conditionCatalogue()) condition(entry);
        beyondThePass(listFile);
    }

    // What CLI11 cannot store on its own, once it has read every option.
    void complete()
    {
        request.input = generated;
        if (app.count("--list") > 0) request.input = file;
        if (app.count("--history") > 0) request.history = history;
        if (app.count("--save-conditions") > 0) request.saveConditions = saveConditions;
        if (app.count("--conditions") > 0) request.conditions = conditions;
        for (const ConditionEntry& entry : conditionCatalogue()) {
            if (app.count(option(entry)) > 0) request.givenConditions.push_back(entry.fileKey);
            const ModePair* pair = pairAfter(entry);
            if (pair != nullptr && app.count(std::string(pair->option)) > 0) {
                request.givenConditions.push_back(pair->fileKey);
            }
        }
        if (app.count("--tolerance") > 0) request.givenConditions.push_back(kToleranceKey);
    }

private:
    HistoryFile history;
    std::string saveConditions;
    std::string conditions;

    // An option whose value read takes apart; CLI11 refuses it given twice.
    template <typename Read>
    CLI::Option* value(const std::string& name, const std::string& type, std::string_view text,
                       Read read)
    {
        return app.add_option_function<std::string>(name, read, std::string(text))->type_name(type);
    }

    void condition(const ConditionEntry& entry)
    {
        const bool isPattern = entry.kind == ConditionKind::Pattern;
        app.option_defaults()->group(isPattern ? "特征条件 (pattern conditions)"
                                               : "基本条件 (basic conditions)");
        const std::string name = option(entry);
        std::string text = std::string(entry.caption) + ": " + std::string(entry.help);
        if (!entry.holdsNumbers()) text += ", each one of " + spellingsOf(entry);
        text += ".\nExample: " + std::string(entry.example);
        const char* type = entry.isDigitRow()                        ? "DIGITS"
                           : entry.kind == ConditionKind::KillValues ? "N,..."
                           : isPattern                               ? "P,..."
                                                                     : "R,...";
        value(name, type, text, [this, &entry, name](const std::string& v) {
            const Boxes boxes = entry.isDigitRow() ? Boxes(readDigits(name, v).to_ulong())
                                                   : readList(entry, name, v);
            setTickedBoxes(entry, request.settings, boxes);
        });
        const ModePair* pair = pairAfter(entry);
        if (pair == nullptr) return;
        const std::string modeName(pair->option);
        value(modeName, "fix|kill",
              std::string(pair->help) + ".\nExample: " + std::string(pair->example),
              [this, pair, modeName](const std::string& mode) {
                  const std::optional<bool> kill = killNamed(mode);
                  if (!kill) refuse(modeName, mode, "expected fix or kill");
                  setKill(*pair, request.settings, *kill);
              });
    }

    void beyondThePass(CLI::Option* listFile)
    {
        const std::string sums = typed(ConditionGroup::Sum, "9,10");
        app.option_defaults()->group("容错 (tolerance)");
        value("--tolerance", "K",
              "容错: let a number through when at most K of the condition groups (the banker "
              "digits and the eight rows) reject it; 0 to 9, default 0.\nExample: --tolerance 1 " +
                  sums + " " + typed(ConditionGroup::Span, "0"),
              [this](const std::string& v) {
                  request.tolerance = readNumber("--tolerance", v, 0, 9);
              });

        app.option_defaults()->group("Reports");
        auto* pastDraws = app.add_option(
            "--history", history.path,
            "Test the conditions on the past draws in FILE, one a line (37, 3 7, "
            "2026001,3,7; # starts a comment), instead of printing the list: a line per draw, "
            "then the hit rate, the runs of misses, what each group rejects and how many "
            "numbers --first/--second leave. With --first or --second a draw counts as kept "
            "only when it is in the list those digits make. Not with --list.\n"
            "Example: --history draws.txt " +
                sums + " --tolerance 1");
        pastDraws->type_name("FILE")->excludes(listFile);
        value("--last", "N", "With --history: only the file's last N draws.\nExample: --last 30",
              [this](const std::string& v) {
                  history.last = readNumber("--last", v, 1, std::numeric_limits<int>::max());
              })
            ->needs(pastDraws);
        app.add_flag("--stats", request.stats,
                     "Print how many numbers each condition group in use rejects on its own, "
                     "then how many came in and how many survive, instead of the list. Not "
                     "with --history.\nExample: --stats " +
                         sums + " " + typed(ConditionGroup::Size, "BB"))
            ->excludes(pastDraws);

        app.option_defaults()->group("Condition files");
        app.add_option("--save-conditions", saveConditions,
                       "Write the condition options given, and the tolerance, to FILE as "
                       "JSON, then run as usual.\nExample: --save-conditions my.json " +
                           typed(ConditionGroup::Banker, "5"))
            ->type_name("FILE");
        app.add_option("--conditions", conditions,
                       "Read the conditions in FILE (as --save-conditions writes them); one "
                       "given on the command line as well is an error.\n"
                       "Example: --conditions my.json --first 0123")
            ->type_name("FILE");
    }
};

// What CLI11 reports in its own words as a wrong number of values: an option given more than
// once, or one that ends the arguments without its value.
std::optional<std::string> mismatch(const CLI::App& app, const std::vector<std::string>& args)
{
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_expected_min() > 0 && cli11::timesGiven(app, option) > 1) {
            return option->get_name() + ": given more than once";
        }
    }
    const CLI::Option* last = args.empty() ? nullptr : app.get_option_no_throw(args.back());
    if (last == nullptr || last->get_expected_min() == 0) return std::nullopt;
    return last->get_name() + ": expected " + last->get_type_name() + " after it";
}

} // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    CLI::App& app = line.app;
    try {
        std::vector<std::string> cli11Args = cli11::arguments(args);
        try {
            app.parse(cli11Args);
        } catch (const CLI::CallForHelp&) {
            return InfoText{app.help()};
        } catch (const CLI::CallForVersion& version) {
            return InfoText{std::string(version.what()) + "\n"};
        } catch (const CLI::ValidationError&) {
            if (app.get_help_ptr()->count() == 0) throw;
            cli11::refuseWhatHelpDoesNotOutrank(app);
            return InfoText{app.help()};
        }
        if (const std::vector<std::string> extras = app.remaining(); !extras.empty()) {
            std::string message =
                extras.size() == 1 ? "unexpected argument" : "unexpected arguments";
            for (const std::string& extra : extras) message += " " + inQuotes(extra);
            return UsageError{message};
        }
        line.complete();
        return line.request;
    } catch (const CLI::ArgumentMismatch& error) {
        return UsageError{mismatch(app, args).value_or(cli11::oneLine(error))};
    } catch (const CLI::Error& error) {
        return UsageError{cli11::oneLine(error)};
    }
}

} // namespace shrink2d::cli
