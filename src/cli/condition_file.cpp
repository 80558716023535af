#include "cli/condition_file.h"

#include "cli/list_input.h"
#include "cli/output.h"
#include "cli/platform.h"
#include "filtering/attributes.h"
#include "filtering/utf8.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <limits>

namespace shrink2d::cli {
namespace {

using Json = nlohmann::ordered_json;

// File names are shown whole, control characters as text.
constexpr std::size_t kWholeName = std::numeric_limits<std::size_t>::max();
constexpr std::size_t kShownCharacters = 40;
// Far above any real condition file; a bigger one is not one.
constexpr std::size_t kMaxConditionFileBytes = 1 << 20;

[[noreturn]] void refuse(std::string_view key, const std::string& problem)
{
    throw ConditionFileError{"key \"" + visibleText(key, kShownCharacters) + "\": " + problem};
}

bool isDigitListOption(std::string_view name)
{
    return name == "banker" || name == "kill-tail" || name == "kill-span";
}

// The option's value as typed: digit lists run together ("38"), other lists joined by commas.
std::string optionValue(std::string_view name, const Json& value)
{
    if (name == "tolerance") {
        if (!value.is_number_integer()) refuse(name, "expected a whole number");
        return value.dump();
    }
    if (name.ends_with("-mode")) {
        if (!value.is_string()) refuse(name, "expected \"fix\" or \"kill\"");
        return value.get<std::string>();
    }
    if (!value.is_array()) refuse(name, "expected an array");
    const bool numbers = isDigitListOption(name) || name == "kill-sum";
    std::string joined;
    bool first = true;
    for (const Json& item : value) {
        if (numbers && !item.is_number_integer()) refuse(name, "expected whole numbers");
        if (!numbers && !item.is_string()) refuse(name, "expected strings");
        if (isDigitListOption(name)) {
            if (!item.is_number_unsigned() || item.get<std::uint64_t>() > 9) {
                refuse(name, item.dump() + " is not a digit from 0 to 9");
            }
            joined += item.dump();
            continue;
        }
        const std::string text = numbers ? item.dump() : item.get<std::string>();
        if (text.find(',') != std::string::npos) {
            refuse(name, "\"" + visibleText(text, kShownCharacters) + "\" holds a comma");
        }
        if (!first) joined += ',';
        joined += text;
        first = false;
    }
    return joined;
}

Json digitArray(const std::vector<long>& values)
{
    Json array = Json::array();
    for (const long value : values) array.push_back(value);
    return array;
}

Json tickedCaptions(const PatternGroup& group)
{
    Json array = Json::array();
    for (std::size_t k = 0; k < group.captions.size(); ++k) {
        if (group.ticked[k]) array.push_back(group.captions[k]);
    }
    return array;
}

Json roadCaptions(const NumericKill& roads)
{
    Json array = Json::array();
    for (const std::string_view caption : kRoadCaptions) {
        if (roads.rejects(lenientValue(caption))) array.push_back(caption);
    }
    return array;
}

Json savedValue(std::string_view name, const FilterSettings& settings)
{
    const auto mode = [](bool kill) { return Json(kill ? "kill" : "fix"); };
    if (name == "banker") {
        std::vector<long> digits;
        for (std::size_t d = 0; d < settings.banker.size(); ++d) {
            if (settings.banker.test(d)) digits.push_back(static_cast<long>(d));
        }
        return digitArray(digits);
    }
    if (name == "kill-sum") return digitArray(settings.sums.values);
    if (name == "kill-tail") return digitArray(settings.sumTails.values);
    if (name == "kill-span") return digitArray(settings.spans.values);
    if (name == "kill-road") return roadCaptions(settings.roads);
    if (name == "parity") return tickedCaptions(settings.parity);
    if (name == "parity-mode") return mode(settings.parity.kill);
    if (name == "parity-size") return tickedCaptions(settings.paritySize);
    if (name == "size-parity") return tickedCaptions(settings.sizeParity);
    if (name == "parity-size-mode") return mode(settings.paritySize.kill);
    if (name == "size") return tickedCaptions(settings.size);
    return mode(settings.size.kill);
}

} // namespace

std::variant<std::vector<std::string>, ConditionFileError>
conditionArguments(std::string_view content)
{
    Json file;
    try {
        file = Json::parse(content);
    } catch (const Json::exception& error) {
        // The library's message quotes what it read last: shown as text, on one line.
        return ConditionFileError{"not a JSON file: " + visibleText(error.what(), 200)};
    }
    if (!file.is_object()) return ConditionFileError{"not a JSON object"};
    try {
        const auto version = file.find("version");
        if (version == file.end()) refuse("version", "missing; a condition file has version 1");
        if (*version != Json(1)) refuse("version", version->dump() + " is not supported (only 1)");
        std::vector<std::string> arguments;
        for (const auto& [key, value] : file.items()) {
            if (key == "version") continue;
            if (std::find(kConditionOptions.begin(), kConditionOptions.end(), key) ==
                kConditionOptions.end()) {
                refuse(key, "not a condition option");
            }
            arguments.push_back("--" + key + "=" + optionValue(key, value));
        }
        return arguments;
    } catch (const ConditionFileError& error) {
        return error;
    }
}

std::string conditionFileText(const FilterSettings& settings, std::size_t tolerance,
                              const std::vector<std::string_view>& given)
{
    Json file;
    file["version"] = 1;
    for (const std::string_view name : kConditionOptions) {
        if (name == "tolerance") continue;
        if (std::find(given.begin(), given.end(), name) == given.end()) continue;
        file[std::string(name)] = savedValue(name, settings);
    }
    file["tolerance"] = tolerance;
    // One key a line, each value on it: easier to read and to edit than the library's layout,
    // which puts every item of a list on a line of its own.
    std::string text = "{";
    for (const auto& [key, value] : file.items()) {
        text += (text.size() > 1 ? ",\n  " : "\n  ") + Json(key).dump() + ": " + value.dump();
    }
    return text + "\n}\n";
}

ParseResult parseWithConditionFile(const std::vector<std::string>& args)
{
    ParseResult typed = parseCommandLine(args);
    const auto* request = std::get_if<RunRequest>(&typed);
    if (request == nullptr || !request->conditions) return typed;

    const std::string& path = *request->conditions;
    const std::string file = "--conditions \"" + visibleText(path, kWholeName) + "\": ";
    ReadResult content = readWholeFile(path, "--conditions", kMaxConditionFileBytes);
    if (const auto* failure = std::get_if<ReadFailure>(&content)) {
        return UsageError{failure->message};
    }
    auto read = conditionArguments(std::get<std::string>(content));
    if (const auto* error = std::get_if<ConditionFileError>(&read)) {
        return UsageError{file + error->message};
    }
    std::vector<std::string> all = args;
    for (const std::string& argument : std::get<std::vector<std::string>>(read)) {
        const std::string_view name = std::string_view(argument).substr(2, argument.find('=') - 2);
        const auto& given = request->givenConditions;
        if (std::find(given.begin(), given.end(), name) != given.end()) {
            return UsageError{file + "--" + std::string(name) +
                              " is given on the command line as well"};
        }
        all.push_back(argument);
    }
    // What the typed options passed, only the file's can fail.
    ParseResult combined = parseCommandLine(all);
    if (auto* error = std::get_if<UsageError>(&combined)) error->message.insert(0, file);
    return combined;
}

std::optional<std::string> replaceFile(const std::string& path, std::string_view text)
{
    if (const std::optional<std::string> failure = platform::replaceFile(path, text)) {
        return shownFileName(path) + ": cannot be written: " + *failure;
    }
    return std::nullopt;
}

} // namespace shrink2d::cli
