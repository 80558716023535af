#include "cli/options.h"

#include "cli/condition_items.h"
#include "cli/platform.h"
#include "cli11_quirks.h"
#include "filtering/catalogue.h"
#include "filtering/messages.h"
#include "filtering/typed_numbers.h"
#include "filtering/utf8.h"
#include "filtering/version.h"
#include "help_format.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

namespace shrink2d::cli {
namespace {

// The parser of one run, in the player's language: CLI11 reads the options, and every value and
// every message is this program's own.
class CommandLine {
public:
    CLI::App app;
    GeneratedList generated{DigitSet().set(), DigitSet().set()};
    ListFile file;
    RunRequest request;

    explicit CommandLine(Language language)
        : app(say(Message::HelpDescription, language), "shrink2d-cli"), m_language(language)
    {
        app.option_defaults()->group(word(Message::HelpOptions));
        app.set_help_flag("-h,--help", word(Message::HelpFlag));
        app.set_version_flag("--version", "shrink2d-cli " SHRINK2D_VERSION,
                             word(Message::VersionFlag));
        app.footer(footer());
        // The longest name with its value, the mixed patterns' fix|kill, stands two blanks clear of
        // its description, as help2man reads it.
        auto formatter = std::make_shared<HelpFormatter>(32);
        formatter->label("Usage", word(Message::HelpUsage));
        formatter->label("OPTIONS", word(Message::HelpOptionsShort));
        app.formatter(formatter);
        app.allow_extras(); // reported after parsing, in the order given

        app.option_defaults()->group(word(Message::GroupNumbers));
        auto* first =
            value("--first", Message::TypeDigits, help(Message::FirstHelp, "--first 0123"),
                  [this](const std::string& v) { generated.first = readDigits("--first", v); });
        auto* second =
            value("--second", Message::TypeDigits, help(Message::SecondHelp, "--second 91"),
                  [this](const std::string& v) { generated.second = readDigits("--second", v); });
        auto* listFile =
            app.add_option("--list", file.path, help(Message::ListHelp, "--list numbers.txt"));
        listFile->type_name(word(Message::TypeFile))->excludes(first)->excludes(second);
        app.add_flag("--raw", file.raw, help(Message::RawHelp, "--list box.txt --raw"))
            ->needs(listFile);

        app.option_defaults()->group(word(Message::GroupOutput));
        app.add_flag("--json", request.json, help(Message::JsonHelp, "--json"));

        for (const ConditionEntry& entry : conditionCatalogue()) {
            if (entry.shownBy.commandLine) condition(entry);
        }
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
            if (!entry.shownBy.commandLine) continue;
            if (app.count(option(entry)) > 0) request.givenConditions.push_back(entry.fileKey);
            const ModePair* pair = pairAfter(entry);
            if (pair != nullptr && app.count(std::string(pair->option)) > 0) {
                request.givenConditions.push_back(pair->fileKey);
            }
        }
        if (app.count("--tolerance") > 0) request.givenConditions.push_back(kToleranceKey);
    }

    std::string word(Message message, std::initializer_list<std::string_view> args = {}) const
    {
        return say(message, m_language, args);
    }

    [[noreturn]] void refuse(Message message, const std::string& option, std::string_view value,
                             std::string_view detail = {}) const
    {
        throw CLI::ValidationError(
            say(message, m_language, {option, quoted(value, m_language), detail}));
    }

    // The message for what CLI11 refused in its own words: an option that needs or excludes
    // another, a value given to a flag, an option given twice or without its value.
    std::string refusal(const CLI::Error& error, const std::vector<std::string>& args) const
    {
        const std::vector<const CLI::Option*> given = app.get_options(
            [this](const CLI::Option* option) { return cli11::timesGiven(app, option) > 0; });
        if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
            for (const CLI::Option* option : given) {
                for (const CLI::Option* other : option->get_excludes()) {
                    if (cli11::timesGiven(app, other) > 0) {
                        return say(Message::Excludes, m_language,
                                   {option->get_name(), other->get_name()});
                    }
                }
            }
        }
        if (dynamic_cast<const CLI::RequiresError*>(&error) != nullptr) {
            for (const CLI::Option* option : given) {
                for (const CLI::Option* need : option->get_needs()) {
                    if (cli11::timesGiven(app, need) == 0) {
                        return say(Message::Requires, m_language,
                                   {option->get_name(), need->get_name()});
                    }
                }
            }
        }
        if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
            for (const CLI::Option* option : app.get_options()) {
                if (option->get_expected_min() > 0 && cli11::timesGiven(app, option) > 1) {
                    return say(Message::GivenTwice, m_language, {option->get_name()});
                }
            }
            const CLI::Option* last = args.empty() ? nullptr : app.get_option_no_throw(args.back());
            if (last != nullptr && last->get_expected_min() > 0) {
                return say(Message::ExpectedValue, m_language,
                           {last->get_name(), last->get_type_name()});
            }
        }
        if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
            for (const std::string& arg : args) {
                const std::size_t equals = arg.find('=');
                const CLI::Option* flag = equals == std::string::npos
                                              ? nullptr
                                              : app.get_option_no_throw(arg.substr(0, equals));
                if (flag != nullptr && flag->get_expected_min() == 0) {
                    return say(Message::TakesNoValue, m_language,
                               {flag->get_name(), visibleText(arg.substr(equals + 1), 40)});
                }
            }
        }
        return cli11::oneLine(error);
    }

private:
    Language m_language;
    HistoryFile history;
    std::string saveConditions;
    std::string conditions;

    std::string help(Message text, std::string_view example) const
    {
        return word(text) + "\n" + word(Message::ExampleLabel) + std::string(example);
    }

    // The digits of a run such as "38", each at most once; "" is none.
    DigitSet readDigits(const std::string& option, const std::string& digits) const
    {
        DigitSet set;
        for (const char c : digits) {
            if (!isAsciiDigit(c)) refuse(Message::ExpectedDigits, option, digits);
            if (set.test(static_cast<std::size_t>(c - '0'))) {
                refuse(Message::DigitTwice, option, digits, std::string(1, c));
            }
            set.set(static_cast<std::size_t>(c - '0'));
        }
        return set;
    }

    // A comma list of boxes: "" is none, and an empty item between commas is taken for a typo.
    Boxes readList(const ConditionEntry& entry, const std::string& option,
                   const std::string& list) const
    {
        const std::string spellings = spellingsOf(entry, m_language);
        Boxes boxes;
        for (std::size_t start = 0; !list.empty() && start <= list.size();) {
            const std::size_t end = std::min(list.find(',', start), list.size());
            const std::string item = list.substr(start, end - start);
            const std::optional<std::size_t> box = boxNamed(entry, item);
            if (item.empty()) refuse(Message::EmptyItem, option, list);
            const bool digits = item.find_first_not_of("0123456789") == item.npos;
            if (!box && entry.holdsNumbers() && digits)
                refuse(Message::TooBig, option, item, spellings);
            if (!box && entry.holdsNumbers()) {
                refuse(Message::ExpectedWholeNumber, option, item, spellings);
            }
            if (!box) refuse(Message::ExpectedOneOf, option, item, spellings);
            if (boxes.test(*box)) refuse(Message::ItemTwice, option, list, entry.boxCaptions[*box]);
            boxes.set(*box);
            start = end + 1;
        }
        return boxes;
    }

    // Numbers as a player types them into a text box: "05,17 99".
    Boxes readNumbers(const std::string& option, const std::string& text) const
    {
        auto read = readTypedNumbers(text, m_language);
        if (const auto* problem = std::get_if<std::string>(&read)) {
            refuse(Message::TypedNumbersInOption, option, text, *problem);
        }
        return std::get<NumberSet>(read);
    }

    // A whole number from low to high, without sign or blanks.
    std::size_t readNumber(const std::string& option, const std::string& number, std::size_t low,
                           std::size_t high) const
    {
        const std::string range =
            say(Message::NumberRange, m_language, {std::to_string(low), std::to_string(high)});
        const WholeNumber read = readWholeNumber(number, low, high);
        if (read.tooBig) refuse(Message::TooBig, option, number, range);
        if (!read.value) refuse(Message::ExpectedWholeNumber, option, number, range);
        return *read.value;
    }

    static std::string option(const ConditionEntry& entry) { return std::string(entry.option); }

    // The captions of the groups the command line takes, as a list in the player's language.
    std::string groupCaptions() const
    {
        std::string captions;
        for (const ConditionEntry& entry : conditionCatalogue()) {
            if (!entry.shownBy.commandLine) continue;
            if (!captions.empty()) captions += m_language == Language::Chinese ? "、" : ", ";
            captions += entry.caption;
        }
        return captions;
    }

    // A group's option as typed with this value, for the examples of the help.
    static std::string typed(ConditionGroup group, std::string_view value)
    {
        return std::string(entryOf(group).option) + " " + std::string(value);
    }

    std::string footer() const
    {
        using enum ConditionGroup;
        return say(Message::PatternLetters, m_language, {patternLetters(m_language)}) + "\n\n" +
               word(Message::ExamplesHeading) + "\n  shrink2d-cli\n      " +
               word(Message::ExampleAll) + "\n  shrink2d-cli --first 0123 --second 56789 " +
               typed(Banker, "5") + " " + typed(Sum, "9,10") + "\n  shrink2d-cli " +
               typed(Parity, "偶偶,奇奇") + " " + std::string(entryOf(Parity).mode->option) +
               " kill " + typed(Size, "BS,SB") + "\n  shrink2d-cli --list numbers.txt " +
               typed(Road, "00,11,22") + " --json\n  " + std::string(platform::pipedListExample()) +
               " " + typed(Span, "0") + "\n      " + word(Message::ExamplePipe) +
               "\n  shrink2d-cli --history draws.txt --last 30 " + typed(Sum, "9,10") +
               " --tolerance 1\n      " + word(Message::ExampleHistory) + "\n\n" +
               word(Message::HelpOutput);
    }

    // An option whose value read takes apart; CLI11 refuses it given twice.
    template <typename Read>
    CLI::Option* value(const std::string& name, Message type, const std::string& text, Read read)
    {
        return app.add_option_function<std::string>(name, read, text)->type_name(word(type));
    }

    void condition(const ConditionEntry& entry)
    {
        // Under the name of the page that lists the group.
        constexpr std::array<Message, 4> headings = {Message::GroupBasic, Message::GroupPattern,
                                                     Message::GroupAdvanced, Message::GroupOther};
        app.option_defaults()->group(word(headings.at(entry.page)));
        const bool isPattern = entry.kind == ConditionKind::Pattern;
        const std::string name = option(entry);
        const bool chinese = m_language == Language::Chinese;
        std::string text = std::string(entry.caption) + (chinese ? "：" : ": ") +
                           std::string(entry.help.in(m_language));
        if (!entry.holdsNumbers() && !entry.isTyped()) {
            text += say(Message::EachOneOf, m_language, {spellingsOf(entry, m_language)});
        }
        text += chinese ? "。" : ".";
        const Message type = entry.isDigitRow() ? Message::TypeDigits
                             : entry.kind == ConditionKind::KillValues || entry.isTyped()
                                 ? Message::TypeNumbers
                             : isPattern ? Message::TypePatterns
                                         : Message::TypeRoads;
        value(name, type, text + "\n" + word(Message::ExampleLabel) + std::string(entry.example),
              [this, &entry, name](const std::string& v) {
                  const Boxes boxes = entry.isTyped()      ? readNumbers(name, v)
                                      : entry.isDigitRow() ? Boxes(readDigits(name, v).to_ulong())
                                                           : readList(entry, name, v);
                  setTickedBoxes(entry, request.settings, boxes);
              });
        const ModePair* pair = pairAfter(entry);
        if (pair == nullptr) return;
        const std::string modeName(pair->option);
        value(modeName, Message::TypeMode,
              std::string(pair->help.in(m_language)) + (chinese ? "。" : ".") + "\n" +
                  word(Message::ExampleLabel) + std::string(pair->example),
              [this, pair, modeName](const std::string& mode) {
                  const std::optional<bool> kill = killNamed(mode);
                  if (!kill) refuse(Message::ExpectedMode, modeName, mode);
                  setKill(*pair, request.settings, *kill);
              });
    }

    void beyondThePass(CLI::Option* listFile)
    {
        const std::string sums = typed(ConditionGroup::Sum, "9,10");
        app.option_defaults()->group(word(Message::GroupTolerance));
        value("--tolerance", Message::TypeTolerance,
              word(Message::ToleranceHelp, {groupCaptions()}) + "\n" + word(Message::ExampleLabel) +
                  "--tolerance 1 " + sums + " " + typed(ConditionGroup::Span, "0"),
              [this](const std::string& v) {
                  request.tolerance = readNumber("--tolerance", v, 0, 9);
              });

        app.option_defaults()->group(word(Message::GroupReports));
        auto* pastDraws = app.add_option(
            "--history", history.path,
            help(Message::HistoryHelp, "--history draws.txt " + sums + " --tolerance 1"));
        pastDraws->type_name(word(Message::TypeFile))->excludes(listFile);
        value("--last", Message::TypeCount, help(Message::LastHelp, "--last 30"),
              [this](const std::string& v) {
                  history.last = readNumber("--last", v, 1, std::numeric_limits<int>::max());
              })
            ->needs(pastDraws);
        app.add_flag("--stats", request.stats,
                     help(Message::StatsHelp,
                          "--stats " + sums + " " + typed(ConditionGroup::Size, "BB")))
            ->excludes(pastDraws);

        app.option_defaults()->group(word(Message::GroupConditionFiles));
        app.add_option("--save-conditions", saveConditions,
                       help(Message::SaveConditionsHelp,
                            "--save-conditions my.json " + typed(ConditionGroup::Banker, "5")))
            ->type_name(word(Message::TypeFile));
        app.add_option("--conditions", conditions,
                       help(Message::ConditionsHelp, "--conditions my.json --first 0123"))
            ->type_name(word(Message::TypeFile));
    }
};

} // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args, Language language)
{
    CommandLine line(language);
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
            std::string shown;
            for (const std::string& extra : extras) {
                shown += (shown.empty() ? "" : " ") + quoted(extra, language);
            }
            return UsageError{
                say(extras.size() == 1 ? Message::UnexpectedArgument : Message::UnexpectedArguments,
                    language, {shown})};
        }
        line.complete();
        return line.request;
    } catch (const CLI::ValidationError& error) {
        return UsageError{cli11::oneLine(error)};
    } catch (const CLI::Error& error) {
        return UsageError{line.refusal(error, args)};
    }
}

} // namespace shrink2d::cli
