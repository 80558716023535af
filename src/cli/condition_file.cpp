#include "cli/condition_file.h"

#include "cli/condition_items.h"
#include "cli/list_input.h"
#include "cli/output.h"
#include "cli/platform.h"
#include "filtering/messages.h"
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

// Reads one file in one language: every refusal is said in it.
class Reader {
public:
    explicit Reader(Language language) : m_language(language) {}

    [[noreturn]] void refuse(Message message, std::initializer_list<std::string_view> args) const
    {
        throw Refusal{say(message, m_language, args)};
    }

    // The key as the file spells it, made visible and cut short, for the messages.
    static std::string shown(std::string_view key) { return visibleText(key, 40); }

    // The file as JSON. The library keeps the last of two equal keys without a word, and its
    // messages carry its own prefix: both are refused here in the file's words.
    Json parsed(std::string_view content) const
    {
        std::set<std::string> keys;
        const auto noteKey = [&](int depth, Json::parse_event_t event, Json& key) {
            if (depth == 1 && event == Json::parse_event_t::key &&
                !keys.insert(key.get<std::string>()).second) {
                refuse(Message::KeyTwice, {shown(key.get<std::string>())});
            }
            return true;
        };
        try {
            return Json::parse(content, noteKey);
        } catch (const Json::parse_error& error) {
            // Counted as the library counts: the byte it stopped at, its line and its column.
            const std::string_view read = content.substr(0, std::min(error.byte, content.size()));
            const std::size_t lineStart = read.rfind('\n') == read.npos ? 0 : read.rfind('\n') + 1;
            refuse(Message::NotJson,
                   {std::to_string(std::count(read.begin(), read.end(), '\n') + 1),
                    std::to_string(error.byte - lineStart)});
        } catch (const Json::out_of_range&) { // a number beyond a double, such as 1e400
            refuse(Message::NumberTooBig, {});
        }
    }

    // One key other than the version, into the request.
    void readKey(const std::string& key, const Json& value, RunRequest& request) const
    {
        std::vector<std::string_view>& given = request.givenConditions;
        const auto taken = [&](std::string_view known, std::string_view option) {
            if (key != known) return false;
            if (std::find(given.begin(), given.end(), known) != given.end()) {
                refuse(Message::KeyTyped, {shown(key), option});
            }
            given.push_back(known);
            return true;
        };
        for (const ConditionEntry& entry : conditionCatalogue()) {
            if (const ModePair* pair = pairAfter(entry);
                pair && taken(pair->fileKey, pair->option)) {
                const std::optional<bool> kill =
                    value.is_string() ? killNamed(value.get<std::string>()) : std::nullopt;
                if (!kill) refuse(Message::ModeValue, {shown(key)});
                setKill(*pair, request.settings, *kill);
                return;
            }
            if (!taken(entry.fileKey, entry.option)) continue;
            readBoxes(entry, key, value, request.settings);
            return;
        }
        if (!taken(kToleranceKey, "--tolerance")) refuse(Message::UnknownKey, {shown(key)});
        if (!value.is_number_unsigned() || value.get<std::uint64_t>() > 9) {
            refuse(Message::ToleranceValue, {shown(key)});
        }
        request.tolerance = value.get<std::size_t>();
    }

private:
    Language m_language;

    void readBoxes(const ConditionEntry& entry, const std::string& key, const Json& value,
                   FilterSettings& settings) const
    {
        const std::string spellings = spellingsOf(entry, m_language);
        const std::string expected =
            say(entry.holdsNumbers() ? Message::WholeNumbersFrom : Message::StringsFrom, m_language,
                {spellings});
        if (!value.is_array()) refuse(Message::ArrayOf, {shown(key), expected});
        Boxes boxes;
        for (const Json& item : value) {
            std::optional<std::size_t> box;
            if (entry.holdsNumbers() && item.is_number_unsigned()) {
                box = boxNamed(entry, item.dump());
            }
            if (!entry.holdsNumbers() && item.is_string()) {
                box = boxNamed(entry, item.get<std::string>());
            }
            if (!box) refuse(Message::ArrayOf, {shown(key), expected});
            if (boxes.test(*box))
                refuse(Message::HoldsTwice, {shown(key), entry.boxCaptions[*box]});
            boxes.set(*box);
        }
        setTickedBoxes(entry, settings, boxes);
    }
};

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

std::optional<std::string> readConditionFile(std::string_view content, RunRequest& request,
                                             Language language)
{
    const Reader reader(language);
    try {
        const Json file = reader.parsed(content);
        if (!file.is_object()) reader.refuse(Message::NotObject, {});
        const auto version = file.find(kVersionKey);
        if (version == file.end()) reader.refuse(Message::VersionMissing, {});
        if (!version->is_number_unsigned() || *version != 1) {
            reader.refuse(Message::VersionNotOne, {});
        }
        for (const auto& [key, value] : file.items()) {
            if (key != kVersionKey) reader.readKey(key, value, request);
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

std::optional<std::string> replaceFile(const std::string& path, std::string_view text,
                                       Language language)
{
    if (const int error = platform::replaceFile(path, text); error != 0) {
        return say(
            Message::CannotWrite, language,
            {fileRole(Message::SavedConditionFile, path, language), reasonOf(error, language)});
    }
    return std::nullopt;
}

} // namespace shrink2d::cli
