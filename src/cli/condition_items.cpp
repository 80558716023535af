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

constexpr std::array<std::pair<char, std::string_view>, 4> kLetters = {
    {{'E', "偶"}, {'O', "奇"}, {'B', "大"}, {'S', "小"}}};

// The item with each pattern letter replaced by the character it stands for.
std::string spelledOut(std::string_view item)
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

template <typename Texts> std::string joined(const Texts& texts)
{
    std::string list;
    for (const auto& text : texts) list += (list.empty() ? "" : " ") + std::string(text);
    return list;
}

} // namespace

std::optional<std::size_t> boxNamed(const ConditionEntry& entry, std::string_view item)
{
    std::string name = entry.kind == ConditionKind::Pattern ? spelledOut(item) : std::string(item);
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
    if (entry.kind != ConditionKind::Pattern) return joined(entry.boxCaptions);
    std::vector<std::string> letters;
    for (const std::string_view caption : entry.boxCaptions) {
        for (const auto& [a, first] : kLetters) {
            for (const auto& [b, second] : kLetters) {
                if (spelledOut(std::string{a, b}) == caption) letters.push_back({a, b});
            }
        }
    }
    return say(Message::PatternSpellings, language, {joined(entry.boxCaptions), joined(letters)});
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
