#include "cli/condition_file.h"

#include "cli/condition_items.h"
#include "cli/list_input.h"
#include "cli/output.h"
#include "cli/platform.h"
#include "filtering/utf8.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>

namespace shrink2d::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kVersionKey = "version";

struct Refusal {
    std::string message;
};

[[noreturn]] void refuse(std::string_view key, const std::string& problem)
{
    throw Refusal{"\"" + visibleText(key, 40) + "\" " + problem};
}

// The file as JSON. The library keeps the last of two equal keys without a word, and its
// messages carry its own prefix: both are refused here in the file's words.
Json parsed(std::string_view content)
{
    std::set<std::string> keys;
    const auto noteKey = [&keys](int depth, Json::parse_event_t event, Json& key) {
        if (depth == 1 && event == Json::parse_event_t::key &&
            !keys.insert(key.get<std::string>()).second) {
            refuse(key.get<std::string>(), "is given twice");
        }
        return true;
    };
    try {
        return Json::parse(content, noteKey);
    } catch (const Json::parse_error& error) {
        // Counted as the library counts: the byte it stopped at, its line and its column.
        const std::string_view read = content.substr(0, std::min(error.byte, content.size()));
        const std::size_t lineStart = read.rfind('\n') == read.npos ? 0 : read.rfind('\n') + 1;
        throw Refusal{"not JSON (line " +
                      std::to_string(std::count(read.begin(), read.end(), '\n') + 1) + ", column " +
                      std::to_string(error.byte - lineStart) + ")"};
    } catch (const Json::out_of_range&) { // a number beyond a double, such as 1e400
        throw Refusal{"holds a number too big to read"};
    }
}

// One key other than the version, into the request.
void readKey(const std::string& key, const Json& value, RunRequest& request)
{
    std::vector<std::string_view>& given = request.givenConditions;
    const auto taken = [&](std::string_view known, std::string_view option) {
        if (key != known) return false;
        if (std::find(given.begin(), given.end(), known) != given.end()) {
            refuse(key, "is given on the command line as well, as " + std::string(option));
        }
        given.push_back(known);
        return true;
    };
    for (const ConditionEntry& entry : conditionCatalogue()) {
        if (const ModePair* pair = pairAfter(entry); pair && taken(pair->fileKey, pair->option)) {
            const std::optional<bool> kill =
                value.is_string() ? killNamed(value.get<std::string>()) : std::nullopt;
            if (!kill) refuse(key, "must be \"fix\" or \"kill\"");
            setKill(*pair, request.settings, *kill);
            return;
        }
        if (!taken(entry.fileKey, entry.option)) continue;
        const std::string expected = entry.holdsNumbers()
                                         ? "whole numbers from " + spellingsOf(entry)
                                         : "strings, each one of " + spellingsOf(entry);
        if (!value.is_array()) refuse(key, "must be an array of " + expected);
        Boxes boxes;
        for (const Json& item : value) {
            std::optional<std::size_t> box;
            if (entry.holdsNumbers() && item.is_number_unsigned())
                box = boxNamed(entry, item.dump());
            if (!entry.holdsNumbers() && item.is_string()) {
                box = boxNamed(entry, item.get<std::string>());
            }
            if (!box) refuse(key, "must be an array of " + expected);
            if (boxes.test(*box)) {
                refuse(key, "holds " + std::string(entry.boxCaptions[*box]) + " twice");
            }
            boxes.set(*box);
        }
        setTickedBoxes(entry, request.settings, boxes);
        return;
    }
    if (!taken(kToleranceKey, "--tolerance")) refuse(key, "is not a key of a condition file");
    if (!value.is_number_unsigned() || value.get<std::uint64_t>() > 9) {
        refuse(key, "must be a whole number from 0 to 9");
    }
    request.tolerance = value.get<std::size_t>();
}

// A group's value as the settings hold it: box numbers, or captions.
Json savedBoxes(const ConditionEntry& entry, const FilterSettings& settings)
{
    const Boxes ticked = tickedBoxes(entry, settings);
    Json array = Json::array();
    for (std::size_t box = 0; box < entry.boxCount(); ++box) {
        if (!ticked.test(box)) continue;
        if (entry.holdsNumbers())
            array.push_back(box);
        else
            array.push_back(entry.boxCaptions[box]);
    }
    return array;
}

} // namespace

std::optional<std::string> readConditionFile(std::string_view content, RunRequest& request)
{
    try {
        const Json file = parsed(content);
        if (!file.is_object()) return "not a JSON object";
        const auto version = file.find(kVersionKey);
        if (version == file.end())
            refuse(kVersionKey, "is missing; a condition file has version 1");
        if (!version->is_number_unsigned() || *version != 1) refuse(kVersionKey, "must be 1");
        for (const auto& [key, value] : file.items()) {
            if (key != kVersionKey) readKey(key, value, request);
        }
        return std::nullopt;
    } catch (const Refusal& refusal) {
        return refusal.message;
    }
}

std::string conditionFileText(const FilterSettings& settings, std::size_t tolerance,
                              const std::vector<std::string_view>& given)
{
    // One key a line, each value on it: easier to read and to edit than the library's layout,
    // which puts every item of a list on a line of its own.
    std::string text = "{\n  \"version\": 1";
    const auto write = [&](std::string_view key, const Json& value) {
        text += ",\n  " + Json(key).dump() + ": " + value.dump();
    };
    const auto isGiven = [&given](std::string_view key) {
        return std::find(given.begin(), given.end(), key) != given.end();
    };
    for (const ConditionEntry& entry : conditionCatalogue()) {
        if (isGiven(entry.fileKey)) write(entry.fileKey, savedBoxes(entry, settings));
        const ModePair* pair = pairAfter(entry);
        if (pair && isGiven(pair->fileKey))
            write(pair->fileKey, isKill(*pair, settings) ? "kill" : "fix");
    }
    write(kToleranceKey, tolerance);
    return text + "\n}\n";
}

std::optional<std::string> replaceFile(const std::string& path, std::string_view text)
{
    if (const std::optional<std::string> failure = platform::replaceFile(path, text)) {
        return shownFileName(path) + ": cannot be written: " + *failure;
    }
    return std::nullopt;
}

} // namespace shrink2d::cli
