#include "cli/condition_items.h"

#include "filtering/filter_settings.h"
#include "filtering/messages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

namespace shrink2d::cli {
namespace {

// The item with each of the group's letters replaced by the character it stands for.
std::string spelledOut(const ConditionEntry& entry, std::string_view item)
{
    std::string out;
    for (const char c : item) {
        const auto letter =
            std::find_if(entry.letters.begin(), entry.letters.end(), [c](const PatternLetter& l) {
                return l.letter == std::toupper(static_cast<unsigned char>(c));
            });
        out += letter == entry.letters.end() ? std::string(1, c) : std::string(letter->character);
    }
    return out;
}

// The caption with each character written as the group's letter for it.
std::string inLetters(const ConditionEntry& entry, std::string_view caption)
{
    std::string out;
    for (std::size_t at = 0; at < caption.size();) {
        const auto letter =
            std::find_if(entry.letters.begin(), entry.letters.end(), [&](const PatternLetter& l) {
                return caption.substr(at).starts_with(l.character);
            });
        if (letter == entry.letters.end()) return {};
        out += letter->letter;
        at += letter->character.size();
    }
    return out;
}

template <typename Texts> std::string joined(const Texts& texts)
{
    std::string list;
    for (const auto& text : texts) list += (list.empty() ? "" : " ") + std::string(text);
    return list;
}

} // namespace

std::optional<std::size_t> boxNamed(const ConditionEntry& entry, std::string_view item)
{
    std::string name = spelledOut(entry, item);
    // Numbers may be written with leading zeros; the captions have none.
    if (entry.holdsNumbers()) name.erase(0, std::min(name.find_first_not_of('0'), name.size() - 1));
    const auto box = std::find(entry.boxCaptions.begin(), entry.boxCaptions.end(), name);
    if (box == entry.boxCaptions.end()) return std::nullopt;
    return static_cast<std::size_t>(box - entry.boxCaptions.begin());
}

std::string spellingsOf(const ConditionEntry& entry, Language language)
{
    if (entry.holdsNumbers()) {
        return say(Message::NumberRange, language, {"0", std::to_string(entry.boxCount() - 1)});
    }
    if (entry.isTyped()) {
        return say(Message::NumberRange, language,
                   {std::string(entry.boxCaptions.front()), std::string(entry.boxCaptions.back())});
    }
    if (entry.letters.empty()) return joined(entry.boxCaptions);
    std::vector<std::string> letters;
    for (const std::string_view caption : entry.boxCaptions) {
        letters.push_back(inLetters(entry, caption));
    }
    return say(Message::PatternSpellings, language, {joined(entry.boxCaptions), joined(letters)});
}

std::string patternLetters(Language language)
{
    const bool chinese = language == Language::Chinese;
    std::vector<const PatternLetter*> listed;
    std::string out;
    for (const ConditionEntry& entry : conditionCatalogue()) {
        for (const PatternLetter& letter : entry.letters) {
            const auto same = [&letter](const PatternLetter* other) {
                return other->letter == letter.letter;
            };
            const auto earlier = std::find_if(listed.begin(), listed.end(), same);
            if (earlier != listed.end() && (*earlier)->character == letter.character) continue;
            std::string item = std::string(1, letter.letter) + " " + std::string(letter.character);
            if (!chinese) item += " " + std::string(letter.english);
            if (earlier != listed.end()) {
                item = say(Message::LetterOfGroup, language, {item, entry.caption});
            }
            out += (out.empty() ? "" : chinese ? "，" : ", ") + item;
            listed.push_back(&letter);
        }
    }
    return out;
}

std::optional<bool> killNamed(std::string_view mode)
{
    if (mode == "fix" || mode == kModeCaptions[0]) return false;
    if (mode == "kill" || mode == kModeCaptions[1]) return true;
    return std::nullopt;
}

WholeNumber readWholeNumber(std::string_view text, std::size_t low, std::size_t high)
{
    if (text.empty() || text.find_first_not_of("0123456789") != text.npos) return {};
    const std::string_view digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (digits.size() > 18 || std::stoull("0" + std::string(digits)) > high) {
        return {std::nullopt, true};
    }
    const auto value = static_cast<std::size_t>(std::stoull("0" + std::string(digits)));
    if (value < low) return {};
    return {value};
}

const ModePair* pairAfter(const ConditionEntry& entry)
{
    if (entry.mode == nullptr || groupsOf(*entry.mode).back() != &entry) return nullptr;
    return entry.mode;
}

} // namespace shrink2d::cli
