#pragma once

#include "filtering/attributes.h"
#include "filtering/filter_settings.h"
#include "filtering/language.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shrink2d {

// The banker digits and the condition rows, in the order every front end lists them.
enum class ConditionGroup : std::size_t {
    Banker,
    Sum,
    Tail,
    Span,
    Road,
    Parity,
    ParitySize,
    SizeParity,
    Size,
    Prime,
    Tier,
    Shape,
    KillNumbers
};
inline constexpr std::size_t kConditionGroupCount = 13;

// Which front ends show a group. Each builds the groups it shows and no other; the core judges
// every group, shown or not, and a group a front end does not show stays as the settings start.
struct FrontEnds {
    bool window = true;
    bool commandLine = true;
    bool page = true;
};
inline constexpr FrontEnds kEveryFrontEnd{};
inline constexpr FrontEnds kBeyondTheWindow{false, true, true};

// How a group's boxes are read: digits that a number must hold, values whose numbers are
// dropped, road patterns dropped, patterns kept (定) or dropped (杀), or numbers dropped as such,
// which players type into a text box rather than tick (a box for each of 00 to 99).
enum class ConditionKind { BankerDigits, KillValues, RoadPairs, Pattern, KillNumbers };

// The ticked boxes of one group, bit k for the group's box k; a typed group has one for each of
// the numbers 00 to 99.
using Boxes = std::bitset<100>;

// Where a group's part of the settings lives.
using SettingsField = std::variant<DigitSet FilterSettings::*, NumericKill FilterSettings::*,
                                   PatternGroup FilterSettings::*, NumberSet FilterSettings::*>;

// A fix/kill pair of option buttons, which one or two pattern groups share.
struct ModePair {
    std::string_view option;  // the command line's long option
    Text help;                // one sentence; front ends wrap it
    std::string_view example; // the option with a value, as typed
    std::string_view fileKey; // its key in a condition file
};
inline constexpr std::size_t kModePairCount = 6;

// What each button of a pair does ("定" then "杀") and what its frame offers, for screen readers:
// %1 stands for the patterns the pair governs, as patternsOf spells them.
inline constexpr std::array<std::string_view, 2> kModeButtonDescriptions = {"只留所勾%1形态的号码",
                                                                            "去掉所勾%1形态的号码"};
inline constexpr std::string_view kModeFrameDescription = "定或杀%1形态";

// A letter that may stand for a character of a pattern, as typed on the command line and in
// condition files, with the English word for what it stands for: E for 偶, even.
struct PatternLetter {
    char letter;
    std::string_view character;
    std::string_view english;
};

// Everything the front ends share about one condition group; which control shows it is each
// front end's own business.
struct ConditionEntry {
    ConditionGroup group;
    std::string_view key;     // JSON keys and the reports' English label
    std::string_view caption; // the row as the window captions it
    ConditionKind kind;
    std::span<const std::string_view> boxCaptions; // the group's boxes, in order
    std::span<const PatternLetter> letters;        // a pattern group's, for its characters
    FrontEnds shownBy;
    // The condition page that lists the group (0 "基本条件" to 3 "其他条件"); the command line's
    // help lists its options under that page's name.
    std::size_t page = 0;
    const ModePair* mode = nullptr; // the pattern groups' fix/kill pair
    // What ticking a box does, for screen readers: %1 stands for the box's caption, %2 for its
    // first and %3 for its last character.
    std::string_view description;
    std::string_view option;  // the command-line option that ticks the boxes
    Text help;                // one sentence or two, without the caption; front ends wrap it
    std::string_view example; // the option with a value, for the help
    std::string_view fileKey; // the key in a condition file: "kill-tail"
    SettingsField field;
    // Whether the group, as the settings hold it, rejects a number with these attributes.
    bool (*rejects)(const FilterSettings& settings, const CandidateAttributes& attrs);

    std::size_t index() const { return static_cast<std::size_t>(group); }
    std::size_t boxCount() const { return boxCaptions.size(); }
    // True for the groups typed as one run of digits: each box is the digit of its index.
    bool isDigitRow() const { return boxCount() == 10 && kind != ConditionKind::RoadPairs; }
    // True for a group typed into a text box as numbers (00 to 99), each of its boxes a number.
    bool isTyped() const { return kind == ConditionKind::KillNumbers; }
    // True when the settings hold the group's values as numbers rather than captions.
    bool holdsNumbers() const
    {
        return kind == ConditionKind::BankerDigits || kind == ConditionKind::KillValues;
    }
};

// The nine groups, in ConditionGroup order.
std::span<const ConditionEntry, kConditionGroupCount> conditionCatalogue();
const ConditionEntry& entryOf(ConditionGroup group);

// The fix/kill pairs, in the order of the groups they govern.
std::span<const ModePair, kModePairCount> modePairs();
std::size_t indexOf(const ModePair& pair);

// The pattern groups a pair governs, in catalogue order.
std::vector<const ConditionEntry*> groupsOf(const ModePair& pair);

// The captions of the groups a pair governs, joined by "和": "奇偶大小和大小奇偶".
std::string patternsOf(const ModePair& pair);

// The ticked boxes of a group as the settings hold it. A killed value that no caption spells
// ticks no box.
Boxes tickedBoxes(const ConditionEntry& entry, const FilterSettings& settings);

// Sets the group from ticked boxes with these captions, as the window's controls read: a kill
// row holds the lenient values of the ticked captions in box order, a pattern group the captions
// and their ticks.
void storeBoxes(const ConditionEntry& entry, FilterSettings& settings, Boxes ticked,
                std::span<const std::string> captions);

// storeBoxes with the catalogue's own captions.
void setTickedBoxes(const ConditionEntry& entry, FilterSettings& settings, Boxes ticked);

// Whether the groups of a pair are in kill mode; setKill sets every group the pair governs.
bool isKill(const ModePair& pair, const FilterSettings& settings);
void setKill(const ModePair& pair, FilterSettings& settings, bool kill);

// Whether anything of the group is set: a banker digit, a killed value, a ticked pattern box.
bool isActive(const ConditionEntry& entry, const FilterSettings& settings);

} // namespace shrink2d
