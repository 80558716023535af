#include "filtering/catalogue.h"

#include <algorithm>

namespace shrink2d {
namespace {

constexpr std::span<const std::string_view> kDigits(kNumberCaptions.data(), 10);
constexpr std::span<const std::string_view> kSums(kNumberCaptions);

// Fix/kill pairs. The mixed patterns' pair governs two groups and is typed after the second.
const std::array<ModePair, kModePairCount> kModePairs = {{
    {"--parity-mode",
     {"定：只留 --parity 所给的形态，杀：去掉它们；默认为定",
      "fix keeps only the --parity patterns, kill drops them; default fix"},
     "--parity-mode kill",
     "parity-mode"},
    {"--parity-size-mode",
     {"--parity-size 和 --size-parity 两组的定杀；默认为定",
      "mode of both --parity-size and --size-parity; default fix"},
     "--parity-size-mode kill",
     "parity-size-mode"},
    {"--size-mode",
     {"定：只留 --size 所给的形态，杀：去掉它们；默认为定",
      "fix keeps only the --size patterns, kill drops them; default fix"},
     "--size-mode kill",
     "size-mode"},
    {"--prime-mode",
     {"定：只留 --prime 所给的形态，杀：去掉它们；默认为定",
      "fix keeps only the --prime patterns, kill drops them; default fix"},
     "--prime-mode kill",
     "prime-mode"},
    {"--tier-mode",
     {"定：只留 --tier 所给的形态，杀：去掉它们；默认为定",
      "fix keeps only the --tier patterns, kill drops them; default fix"},
     "--tier-mode kill",
     "tier-mode"},
    {"--shape-mode",
     {"定：只留 --shape 所给的形态，杀：去掉它们；默认为定",
      "fix keeps only the --shape patterns, kill drops them; default fix"},
     "--shape-mode kill",
     "shape-mode"},
}};

// The letters that stand for pattern characters, each group's own: E is 偶 where parity is read.
constexpr std::array<PatternLetter, 2> kParityLetters = {{{'E', "偶", "even"}, {'O', "奇", "odd"}}};
constexpr std::array<PatternLetter, 2> kSizeLetters = {{{'B', "大", "big"}, {'S', "小", "small"}}};
constexpr std::array<PatternLetter, 4> kParitySizeLetters = {
    {kParityLetters[0], kParityLetters[1], kSizeLetters[0], kSizeLetters[1]}};
constexpr std::array<PatternLetter, 2> kPrimeLetters = {
    {{'P', "质", "prime"}, {'C', "合", "composite"}}};
constexpr std::array<PatternLetter, 3> kTierLetters = {
    {kSizeLetters[0], {'M', "中", "middle"}, kSizeLetters[1]}};
constexpr std::array<PatternLetter, 3> kShapeLetters = {
    {{'U', "升", "rising"}, {'E', "平", "level"}, {'D', "降", "falling"}}};

constexpr std::string_view kPatternDescription = "一位%2、二位%3的号码，选定则只留，选杀则去掉";

const std::array<ConditionEntry, kConditionGroupCount> kCatalogue = {{
    {ConditionGroup::Banker,
     "banker",
     "定胆",
     ConditionKind::BankerDigits,
     kDigits,
     {},
     kEveryFrontEnd,
     0,
     nullptr,
     "只留含数字%1的号码，勾几个时含其一即留",
     "--banker",
     {"只留含有这些数字之一的号码", "keep only numbers holding one of these digits"},
     "--banker 38",
     "banker",
     &FilterSettings::banker,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.banker.any() &&
                !s.banker.test(static_cast<std::size_t>(lenientValue(a.firstChar))) &&
                !s.banker.test(static_cast<std::size_t>(lenientValue(a.secondChar)));
     }},
    {ConditionGroup::Sum,
     "sum",
     "杀和值",
     ConditionKind::KillValues,
     kSums,
     {},
     kEveryFrontEnd,
     0,
     nullptr,
     "去掉两位数字之和为%1的号码",
     "--kill-sum",
     {"去掉两位数字之和为这些值（0 到 18）的号码", "drop numbers with these digit sums (0 to 18)"},
     "--kill-sum 0,9,18",
     "kill-sum",
     &FilterSettings::sums,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.sums.rejects(static_cast<long>(a.sum));
     }},
    {ConditionGroup::Tail,
     "tail",
     "杀合值",
     ConditionKind::KillValues,
     kDigits,
     {},
     kEveryFrontEnd,
     0,
     nullptr,
     "去掉两位数字之和的个位为%1的号码",
     "--kill-tail",
     {"去掉两位数字之和的个位是这些数字的号码",
      "drop numbers whose digit sum ends in these digits"},
     "--kill-tail 05",
     "kill-tail",
     &FilterSettings::sumTails,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.sumTails.rejects(a.sumTail);
     }},
    {ConditionGroup::Span,
     "span",
     "杀跨度",
     ConditionKind::KillValues,
     kDigits,
     {},
     kEveryFrontEnd,
     0,
     nullptr,
     "去掉两位数字相差%1的号码",
     "--kill-span",
     {"去掉两位数字相差这么多的号码", "drop numbers whose two digits lie this far apart"},
     "--kill-span 09",
     "kill-span",
     &FilterSettings::spans,
     [](const FilterSettings& s, const CandidateAttributes& a) { return s.spans.rejects(a.span); }},
    {ConditionGroup::Road,
     "road",
     "杀012路",
     ConditionKind::RoadPairs,
     kRoadCaptions,
     {},
     kEveryFrontEnd,
     0,
     nullptr,
     "去掉一位为%2路、二位为%3路的号码",
     "--kill-road",
     {"去掉这些 012 路形态（0路 0369，1路 147，2路 258）",
      "drop these road patterns (0路 0369, 1路 147, 2路 258)"},
     "--kill-road 00,12",
     "kill-road",
     &FilterSettings::roads,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.roads.rejects(lenientValue(a.roadPattern));
     }},
    {ConditionGroup::Parity,
     "parity",
     "奇偶",
     ConditionKind::Pattern,
     kParityCaptions,
     kParityLetters,
     kEveryFrontEnd,
     1,
     &kModePairs[0],
     kPatternDescription,
     "--parity",
     {"奇偶形态", "odd/even patterns"},
     "--parity 偶奇,OE",
     "parity",
     &FilterSettings::parity,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.parity.rejects(a.parityPattern);
     }},
    {ConditionGroup::ParitySize,
     "parity_size",
     "奇偶大小",
     ConditionKind::Pattern,
     std::span(kParitySizeCaptions).first(4),
     kParitySizeLetters,
     kEveryFrontEnd,
     1,
     &kModePairs[1],
     kPatternDescription,
     "--parity-size",
     {"一位的奇偶和二位的大小", "first digit's parity, second digit's size"},
     "--parity-size EB",
     "parity-size",
     &FilterSettings::paritySize,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.paritySize.rejects(a.paritySizePattern);
     }},
    {ConditionGroup::SizeParity,
     "size_parity",
     "大小奇偶",
     ConditionKind::Pattern,
     std::span(kParitySizeCaptions).last(4),
     kParitySizeLetters,
     kEveryFrontEnd,
     1,
     &kModePairs[1],
     kPatternDescription,
     "--size-parity",
     {"一位的大小和二位的奇偶", "first digit's size, second digit's parity"},
     "--size-parity 大偶,SO",
     "size-parity",
     &FilterSettings::sizeParity,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.sizeParity.rejects(a.sizeParityPattern);
     }},
    {ConditionGroup::Size,
     "size",
     "大小",
     ConditionKind::Pattern,
     kSizeCaptions,
     kSizeLetters,
     kEveryFrontEnd,
     1,
     &kModePairs[2],
     kPatternDescription,
     "--size",
     {"大小形态（大 5 到 9，小 0 到 4）", "big/small patterns (大 is 5 to 9, 小 0 to 4)"},
     "--size BS,SB",
     "size",
     &FilterSettings::size,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.size.rejects(a.sizePattern);
     }},
    {ConditionGroup::Prime,
     "prime",
     "质合",
     ConditionKind::Pattern,
     kPrimeCaptions,
     kPrimeLetters,
     kBeyondTheWindow,
     2,
     &kModePairs[3],
     kPatternDescription,
     "--prime",
     {"质合形态（质 1、2、3、5、7，合 0、4、6、8、9）",
      "prime/composite patterns (质 is 1, 2, 3, 5 or 7; 合 is 0, 4, 6, 8 or 9)"},
     "--prime 质质,PC",
     "prime",
     &FilterSettings::prime,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.prime.rejects(a.primePattern);
     }},
    {ConditionGroup::Tier,
     "tier",
     "大中小",
     ConditionKind::Pattern,
     kTierCaptions,
     kTierLetters,
     kBeyondTheWindow,
     2,
     &kModePairs[4],
     kPatternDescription,
     "--tier",
     {"大中小形态（小 0 到 2，中 3 到 6，大 7 到 9）",
      "big/middle/small patterns (小 is 0 to 2, 中 3 to 6, 大 7 to 9)"},
     "--tier 中中,BS",
     "tier",
     &FilterSettings::tier,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.tier.rejects(a.tierPattern);
     }},
    {ConditionGroup::Shape,
     "shape",
     "升平降",
     ConditionKind::Pattern,
     kShapeCaptions,
     kShapeLetters,
     kBeyondTheWindow,
     2,
     &kModePairs[5],
     "形态为%1的号码，选定则只留，选杀则去掉",
     "--shape",
     {"升平降形态（升：一位小于二位，平：两位相同，降：一位大于二位）",
      "rising, level or falling (升: the first digit below the second, 平: the two equal, 降: the "
      "first above)"},
     "--shape 升,E",
     "shape",
     &FilterSettings::shape,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.shape.rejects(a.shapePattern);
     }},
    {ConditionGroup::KillNumbers,
     "numbers",
     "杀号",
     ConditionKind::KillNumbers,
     kTwoDigitCaptions,
     {},
     kBeyondTheWindow,
     3,
     nullptr,
     "去掉框中所写的号码：两位数字，号码之间用空格或逗号隔开",
     "--kill-numbers",
     {"去掉这些号码（两位数字 00 到 99，用逗号或空格隔开）",
      "drop these numbers (two digits each, 00 to 99, separated by commas or blanks)"},
     "--kill-numbers 05,17,99",
     "kill-numbers",
     &FilterSettings::killedNumbers,
     [](const FilterSettings& s, const CandidateAttributes& a) {
         return s.killedNumbers.test(
             static_cast<std::size_t>(lenientValue(a.firstChar) * 10 + lenientValue(a.secondChar)));
     }},
}};

template <typename... Visitors> struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <typename... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

} // namespace

std::span<const ConditionEntry, kConditionGroupCount> conditionCatalogue() { return kCatalogue; }

const ConditionEntry& entryOf(ConditionGroup group)
{
    return kCatalogue.at(static_cast<std::size_t>(group));
}

std::span<const ModePair, kModePairCount> modePairs() { return kModePairs; }

std::size_t indexOf(const ModePair& pair)
{
    return static_cast<std::size_t>(&pair - kModePairs.data());
}

std::vector<const ConditionEntry*> groupsOf(const ModePair& pair)
{
    std::vector<const ConditionEntry*> groups;
    for (const ConditionEntry& entry : kCatalogue) {
        if (entry.mode == &pair) groups.push_back(&entry);
    }
    return groups;
}

std::string patternsOf(const ModePair& pair)
{
    std::string patterns;
    for (const ConditionEntry* entry : groupsOf(pair)) {
        if (!patterns.empty()) patterns += "和";
        patterns += entry->caption;
    }
    return patterns;
}

Boxes tickedBoxes(const ConditionEntry& entry, const FilterSettings& settings)
{
    Boxes ticked;
    std::visit(Overloaded{
                   [&](DigitSet FilterSettings::*digits) {
                       ticked = Boxes((settings.*digits).to_ulong());
                   },
                   [&](NumericKill FilterSettings::*kill) {
                       for (std::size_t k = 0; k < entry.boxCount(); ++k) {
                           ticked[k] = (settings.*kill).rejects(lenientValue(entry.boxCaptions[k]));
                       }
                   },
                   [&](PatternGroup FilterSettings::*group) {
                       for (std::size_t k = 0; k < entry.boxCount(); ++k) {
                           ticked[k] = (settings.*group).ticked.at(k);
                       }
                   },
                   [&](NumberSet FilterSettings::*numbers) { ticked = settings.*numbers; },
               },
               entry.field);
    return ticked;
}

void storeBoxes(const ConditionEntry& entry, FilterSettings& settings, Boxes ticked,
                std::span<const std::string> captions)
{
    std::visit(Overloaded{
                   // A banker box's caption is its index: box k is digit k.
                   [&](DigitSet FilterSettings::*digits) {
                       settings.*digits = DigitSet((ticked & Boxes(0x3FFU)).to_ulong());
                   },
                   [&](NumericKill FilterSettings::*kill) {
                       (settings.*kill).values.clear();
                       for (std::size_t k = 0; k < captions.size(); ++k) {
                           if (ticked[k])
                               (settings.*kill).values.push_back(lenientValue(captions[k]));
                       }
                   },
                   [&](PatternGroup FilterSettings::*group) {
                       PatternGroup& patterns = settings.*group;
                       for (std::size_t k = 0; k < patterns.captions.size(); ++k) {
                           patterns.captions[k] = captions[k];
                           patterns.ticked[k] = ticked[k];
                       }
                   },
                   // A typed group's box k is the number k.
                   [&](NumberSet FilterSettings::*numbers) { settings.*numbers = ticked; },
               },
               entry.field);
}

void setTickedBoxes(const ConditionEntry& entry, FilterSettings& settings, Boxes ticked)
{
    const std::vector<std::string> captions(entry.boxCaptions.begin(), entry.boxCaptions.end());
    storeBoxes(entry, settings, ticked, captions);
}

bool isKill(const ModePair& pair, const FilterSettings& settings)
{
    const std::vector<const ConditionEntry*> groups = groupsOf(pair);
    return (settings.*std::get<PatternGroup FilterSettings::*>(groups.front()->field)).kill;
}

void setKill(const ModePair& pair, FilterSettings& settings, bool kill)
{
    for (const ConditionEntry* entry : groupsOf(pair)) {
        (settings.*std::get<PatternGroup FilterSettings::*>(entry->field)).kill = kill;
    }
}

bool isActive(const ConditionEntry& entry, const FilterSettings& settings)
{
    return std::visit(
        Overloaded{
            [&](DigitSet FilterSettings::*digits) { return (settings.*digits).any(); },
            [&](NumericKill FilterSettings::*kill) { return !(settings.*kill).values.empty(); },
            [&](PatternGroup FilterSettings::*group) { return (settings.*group).isActive(); },
            [&](NumberSet FilterSettings::*numbers) { return (settings.*numbers).any(); },
        },
        entry.field);
}

} // namespace shrink2d
