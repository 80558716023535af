#include "filtering/catalogue.h"
#include "filtering/messages.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace shrink2d {
namespace {

std::set<std::string> placeholdersOf(const std::string& text)
{
    static const std::regex placeholder(R"(\{[1-9]\})");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it) {
        found.insert(it->str());
    }
    return found;
}

std::string without(std::string text, const std::regex& pattern)
{
    return std::regex_replace(text, pattern, "");
}

bool holdsChinese(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0xE3U; });
}

// What a Chinese message may spell in Latin letters: option names, what is filled in, the names
// of encodings and formats, the values and keys a player types into a file or after an option.
const std::regex kLatinAllowedInChinese(
    R"re(--[a-z-]+|\{[1-9]\}|shrink2d-cli|UTF-8|UTF-16|GBK|JSON|"?(fix|kill|numbers|count)"?|version|[a-z]+\.(txt|json)|\b[EOBSNK]\b)re");
// What an English message may spell in Chinese: the window's captions, which are names.
const std::regex kChineseAllowedInEnglish(
    "1、组号|2、过滤|一位|二位|基本条件|特征条件|高级条件|其他条件|容错|偶|奇|大|小|、");

// The whole table at once: each message says the same thing in both languages, fills the same
// places, and neither language borrows the other's words.
TEST(MessageTable, EveryMessageIsWholeInBothLanguages)
{
    ASSERT_EQ(messageTable().size(), static_cast<std::size_t>(Message::Count));
    for (const MessageEntry& entry : messageTable()) {
        const std::string zh(entry.text.zh);
        const std::string en(entry.text.en);
        const auto id = static_cast<std::size_t>(entry.id);
        EXPECT_FALSE(zh.empty() || en.empty()) << id;
        EXPECT_EQ(placeholdersOf(zh), placeholdersOf(en)) << id << " " << en;
        EXPECT_FALSE(
            std::regex_search(without(zh, kLatinAllowedInChinese), std::regex("[A-Za-z]{2,}")))
            << id << " " << zh;
        EXPECT_FALSE(holdsChinese(without(en, kChineseAllowedInEnglish))) << id << " " << en;
    }
}

// The catalogue's help keeps to its language as the messages do; the English may name groups,
// boxes and pattern characters as the window captions them, which are names.
TEST(MessageTable, CatalogueHelpKeepsToItsLanguageToo)
{
    std::vector<Text> helps;
    std::string names = "路";
    for (const ConditionEntry& entry : conditionCatalogue()) {
        helps.push_back(entry.help);
        names += "|" + std::string(entry.caption);
        for (const std::string_view caption : entry.boxCaptions)
            names += "|" + std::string(caption);
        for (const PatternLetter& letter : entry.letters)
            names += "|" + std::string(letter.character);
    }
    for (const ModePair& pair : modePairs()) helps.push_back(pair.help);
    const std::regex captions(names);
    for (const Text& help : helps) {
        const std::string zh(help.zh);
        const std::string en(help.en);
        EXPECT_FALSE(
            std::regex_search(without(zh, kLatinAllowedInChinese), std::regex("[A-Za-z]{2,}")))
            << zh;
        EXPECT_FALSE(holdsChinese(without(en, captions))) << en;
    }
}

TEST(MessageTable, SayFillsThePlacesAndNothingElse)
{
    EXPECT_EQ(say(Message::TooBig, Language::English, {"--kill-sum", "\"19\"", "0 to 18"}),
              "--kill-sum \"19\": too big (0 to 18)");
    EXPECT_EQ(say(Message::TooBig, Language::Chinese, {"--kill-sum", "“19”", "0 到 18"}),
              "--kill-sum “19”：太大了（可用 0 到 18）");
    // A filled-in text is not read for places again; a place without its text stays.
    EXPECT_EQ(fill("{1} and {2}", {"{2}"}), "{2} and {2}");
    EXPECT_EQ(fill("{", {}), "{");
}

TEST(UnreadableMessages, ShowTheElementAsAReaderSeesIt)
{
    EXPECT_EQ(describeUnreadable({1, "12\r\n34\r\n56\r\n"}, Language::Chinese),
              "第 1 项 “12⏎34⏎56⏎” 不是两位数字的号码，过滤已停止。");
    EXPECT_EQ(describeUnreadable({3, ""}, Language::English),
              "element 3 (empty: two blanks in a row) is not a two-digit number; filtering "
              "stopped.");
    const std::string box = unreadableMessage({2, "x7"});
    EXPECT_EQ(box.rfind("第 2 项 “x7”", 0), 0U);
    EXPECT_NE(box.find("号码之间用空格隔开"), std::string::npos);
}

} // namespace
} // namespace shrink2d
