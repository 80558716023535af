// Feeds arbitrary bytes to the filter pass and checks what must hold for every list text and
// every setting of the condition pages.
//
// Input layout: the first kHeaderSize bytes choose the settings (bytes past the end of a short
// input read as 0), everything after them is the list text, unless bit 7 of byte 11 opens an
// extension (below).
//   0-1   banker digits, bits 0-9
//   2-4   killed sums, bits 0-18 (captions "0" to "18")
//   5-6   killed sum tails, bits 0-9
//   7-8   killed spans, bits 0-9
//   9-10  killed roads, bits 0-8 (the nine road captions)
//   11    parity ticks bits 0-3; kill mode: bit 4 parity, bit 5 the two mixed groups, bit 6 size
//   12    parity-size ticks bits 0-3, size-parity ticks bits 4-7
//   13    size ticks bits 0-3
//   14-15 when bit 7 of byte 15 is set, byte 14 less 128 is one more killed value, in the row
//         chosen by bits 0-1 of byte 15: values no caption spells, negative ones among them
// The groups and pairs after the first nine and three have their bits in the extension: when bit
// 7 of byte 11 is set, byte 16 gives its length L, the L bytes after it hold the bits and the list
// text follows them. In catalogue order each further group takes as many bits as it has boxes,
// then each further pair one bit for its mode; bits past the L bytes read as 0. The places follow
// from the catalogue, so a group added to it is fuzzed without a change here, and a committed
// input keeps its meaning: without the extension every further group is unset.

#include "filtering/attributes.h"
#include "filtering/candidate_list.h"
#include "filtering/catalogue.h"
#include "filtering/controls.h"
#include "filtering/dingdan.h"
#include "filtering/filter_pass.h"
#include "filtering/filter_settings.h"
#include "filtering/messages.h"
#include "filtering/utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace {

using namespace shrink2d;

constexpr std::size_t kHeaderSize = 16;

// Stops the run with a message naming the property; libFuzzer saves the input as a crash.
void require(bool holds, const char* property)
{
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

class Header {
public:
    Header(const std::uint8_t* data, std::size_t size)
    {
        for (std::size_t k = 0; k < kHeaderSize && k < size; ++k) m_bytes[k] = data[k];
        m_textStart = std::min(size, kHeaderSize);
        if ((m_bytes[11] & 0x80U) == 0 || size <= kHeaderSize) return;
        const std::size_t length = std::min<std::size_t>(data[kHeaderSize], size - kHeaderSize - 1);
        m_extension.assign(data + kHeaderSize + 1, data + kHeaderSize + 1 + length);
        m_textStart = kHeaderSize + 1 + length;
    }

    std::uint8_t byte(std::size_t k) const { return m_bytes[k]; }
    bool bit(std::size_t index) const { return ((m_bytes[index / 8] >> (index % 8)) & 1U) != 0; }
    bool extensionBit(std::size_t index) const
    {
        return index / 8 < m_extension.size() &&
               ((m_extension[index / 8] >> (index % 8)) & 1U) != 0;
    }
    std::size_t textStart() const { return m_textStart; }

private:
    std::uint8_t m_bytes[kHeaderSize] = {};
    std::vector<std::uint8_t> m_extension;
    std::size_t m_textStart = 0;
};

// In-memory controls, so the settings and the banker filter can also be read the way the window
// reads them.
class MemoryCheckBox : public CheckBoxControl {
public:
    MemoryCheckBox(bool ticked, std::string caption)
        : m_ticked(ticked), m_caption(std::move(caption))
    {
    }
    int Value() const override { return m_ticked ? 1 : 0; }
    std::string Caption() const override { return m_caption; }

private:
    bool m_ticked;
    std::string m_caption;
};

class MemoryOptionButton : public OptionButtonControl {
public:
    explicit MemoryOptionButton(bool selected) : m_selected(selected) {}
    bool Value() const override { return m_selected; }

private:
    bool m_selected;
};

class MemoryTextBox : public TextBoxControl {
public:
    explicit MemoryTextBox(std::string text) : m_text(std::move(text)) {}
    std::string Text() const override { return m_text; }
    void SetText(std::string_view text) override { m_text = text; }

private:
    std::string m_text;
};

// Owns the controls that a FormControls points into.
struct MemoryForm {
    std::vector<std::unique_ptr<MemoryCheckBox>> boxes;
    std::vector<std::unique_ptr<MemoryOptionButton>> buttons;
    MemoryTextBox text3;
    FormControls form;

    explicit MemoryForm(std::string list) : text3(std::move(list)) { form.Text3 = &text3; }

    void addBox(ControlArray<CheckBoxControl>& row, bool ticked, std::string_view caption)
    {
        boxes.push_back(std::make_unique<MemoryCheckBox>(ticked, std::string(caption)));
        row.append(boxes.back().get());
    }

    void addModePair(ControlArray<OptionButtonControl>& pair, bool kill)
    {
        buttons.push_back(std::make_unique<MemoryOptionButton>(!kill));
        pair.append(buttons.back().get());
        buttons.push_back(std::make_unique<MemoryOptionButton>(kill));
        pair.append(buttons.back().get());
    }
};

// Where each of the first nine groups' boxes start in the header, in bits, in catalogue order,
// and the mode bit of each of the first three fix/kill pairs.
constexpr std::array<std::size_t, 9> kGroupBits = {0, 16, 40, 56, 72, 88, 96, 100, 104};
constexpr std::array<std::size_t, 3> kModeBits = {92, 93, 94};
static_assert(kGroupBits.size() <= kConditionGroupCount && kModeBits.size() <= kModePairCount,
              "the header's groups and pairs are the catalogue's first ones");

// Where the settings of each group and pair are read: in the header, or in the extension at the
// places the catalogue gives.
class SettingsBits {
public:
    explicit SettingsBits(const Header& header) : m_header(header)
    {
        std::size_t next = 0;
        for (const ConditionEntry& entry : conditionCatalogue()) {
            if (entry.index() < kGroupBits.size()) {
                m_groupBits[entry.index()] = kGroupBits[entry.index()];
            } else {
                m_groupBits[entry.index()] = next;
                next += entry.boxCount();
            }
        }
        for (std::size_t pair = kModeBits.size(); pair < kModePairCount; ++pair) {
            m_modeBits[pair] = next++;
        }
    }

    bool box(const ConditionEntry& entry, std::size_t k) const
    {
        const std::size_t bit = m_groupBits[entry.index()] + k;
        return entry.index() < kGroupBits.size() ? m_header.bit(bit) : m_header.extensionBit(bit);
    }
    bool kill(std::size_t pair) const
    {
        return pair < kModeBits.size() ? m_header.bit(kModeBits[pair])
                                       : m_header.extensionBit(m_modeBits[pair]);
    }

private:
    const Header& m_header;
    std::array<std::size_t, kConditionGroupCount> m_groupBits{};
    std::array<std::size_t, kModePairCount> m_modeBits{};
};

// The settings the header chooses, and the same settings as ticks on in-memory controls.
struct Decoded {
    FilterSettings settings;
    std::optional<std::pair<int, long>> extraKill; // row (0 sums .. 3 roads), value
};

Decoded decodeSettings(const Header& header, MemoryForm& memory)
{
    Decoded decoded;
    FilterSettings& settings = decoded.settings;
    const SettingsBits bits(header);
    for (const ConditionEntry& entry : conditionCatalogue()) {
        Boxes ticked;
        for (std::size_t k = 0; k < entry.boxCount(); ++k) {
            ticked[k] = bits.box(entry, k);
            memory.addBox(memory.form.groups.at(entry.index()), ticked[k], entry.boxCaptions[k]);
        }
        setTickedBoxes(entry, settings, ticked);
    }
    for (std::size_t pair = 0; pair < modePairs().size(); ++pair) {
        const bool kill = bits.kill(pair);
        setKill(modePairs()[pair], settings, kill);
        memory.addModePair(memory.form.pairs.at(pair), kill);
    }

    if ((header.byte(15) & 0x80U) != 0) {
        const long value = static_cast<long>(header.byte(14)) - 128;
        const int row = header.byte(15) & 0x03;
        NumericKill* rows[] = {&settings.sums, &settings.sumTails, &settings.spans,
                               &settings.roads};
        rows[row]->values.push_back(value);
        decoded.extraKill = std::make_pair(row, value);
    }
    return decoded;
}

// The banker rule restated on characters: the lenient value of an end's first or last
// character, 0 for an empty element.
bool holdsBankerDigit(std::string_view element, DigitSet banker)
{
    const auto digit = [](std::string_view character) {
        return static_cast<std::size_t>(lenientValue(character));
    };
    return banker.test(digit(firstCharacter(element))) ||
           banker.test(digit(lastCharacter(element)));
}

std::string writtenForm(const std::vector<std::string_view>& elements)
{
    std::string text;
    for (const std::string_view element : elements) appendCandidate(text, element);
    return text;
}

bool isWellFormedUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::string_view character = firstCharacter(text);
        if (character.size() == 1 && static_cast<unsigned char>(character.front()) >= 0x80U) {
            return false;
        }
        text.remove_prefix(character.size());
    }
    return true;
}

// Whether a condition row of the catalogue rejects the element; the banker digits act before,
// on the list text.
bool rowsReject(const CandidateAttributes& attrs, const FilterSettings& settings)
{
    for (const ConditionEntry& entry : conditionCatalogue()) {
        if (entry.group != ConditionGroup::Banker && entry.rejects(settings, attrs)) return true;
    }
    return false;
}

bool isSubsequence(const std::vector<std::string_view>& part,
                   const std::vector<std::string_view>& whole)
{
    std::size_t next = 0;
    for (const std::string_view element : whole) {
        if (next < part.size() && part[next] == element) ++next;
    }
    return next == part.size();
}

void checkBankerFilter(std::string_view text, const FilterSettings& settings,
                       const std::optional<std::string>& banked)
{
    if (settings.banker.none()) {
        require(!banked, "no banker digit leaves the text alone");
        return;
    }
    require(banked.has_value(), "banker digits rewrite the text");
    std::vector<std::string_view> kept;
    for (const std::string_view element : splitCandidates(text)) {
        if (holdsBankerDigit(element, settings.banker)) kept.push_back(element);
    }
    require(*banked == writtenForm(kept), "banker filter keeps exactly the elements with a "
                                          "banker digit at an end, in the written form");
}

void checkUnreadable(const PassOutcome& outcome, std::string_view afterBanker,
                     const std::vector<std::string_view>& elements, std::size_t failedIndex,
                     Position failedAt)
{
    require(outcome.unreadable.has_value(), "an unclassifiable element stops the pass");
    const Unreadable& unreadable = *outcome.unreadable;
    require(unreadable.position == failedIndex + 1, "the stop is reported at the first "
                                                    "unclassifiable element's position");
    require(unreadable.element == elements[failedIndex], "the reported element stands there");
    require(unreadable.failedAt == failedAt, "the reported end is the one that fails");
    require(outcome.listText == afterBanker, "a stopped pass leaves the banker filter's text");
    require(!outcome.countLine, "a stopped pass writes no count line");

    const std::string message = unreadableMessage(unreadable);
    require(isWellFormedUtf8(message), "the message is well-formed UTF-8");
    require(message.find(std::to_string(unreadable.position)) != std::string::npos,
            "the message names the position");
}

void checkSurvivors(const PassOutcome& outcome, const FilterSettings& settings,
                    const std::vector<std::string_view>& elements)
{
    require(!outcome.unreadable, "a list of classifiable elements is not stopped");
    const std::vector<std::string_view> survivors = splitCandidates(outcome.listText);
    require(isSubsequence(survivors, elements), "survivors are a subsequence of the elements");

    for (const std::string_view survivor : survivors) {
        const AttributesResult attrs = computeAttributes(survivor);
        require(std::holds_alternative<CandidateAttributes>(attrs), "survivors are classifiable");
        require(!rowsReject(std::get<CandidateAttributes>(attrs), settings),
                "survivors pass every ticked condition");
        require(settings.banker.none() || holdsBankerDigit(survivor, settings.banker),
                "survivors hold a banker digit");
    }
    // Nothing that passes is dropped: equal texts pass alike, so the subsequence of passing
    // elements is the only one of that length.
    std::size_t passing = 0;
    for (const std::string_view element : elements) {
        const AttributesResult attrs = computeAttributes(element);
        if (!rowsReject(std::get<CandidateAttributes>(attrs), settings)) ++passing;
    }
    require(survivors.size() == passing, "every passing element survives");
    require(outcome.listText == writtenForm(survivors), "the result is in the written form");
    require(outcome.countLine == countLine(survivors.size()), "the count line counts survivors");
}

void checkSecondPass(const PassOutcome& first, const FilterSettings& settings)
{
    const PassOutcome second = runFilterPass(first.listText, settings);
    if (first.unreadable) {
        require(second.unreadable == first.unreadable, "a second pass stops at the same element");
        require(splitCandidates(second.listText) == splitCandidates(first.listText),
                "a second stopped pass keeps the elements");
        return;
    }
    require(second.listText == first.listText, "a second pass keeps the list");
    require(second.countLine == first.countLine, "a second pass keeps the count line");
}

void checkWindowPath(MemoryForm& memory, const FilterSettings& settings,
                     std::string_view afterBanker)
{
    require(readFilterSettings(memory.form) == settings,
            "the controls read as the settings they were ticked from");
    dingdan::ApplyBankerFilter(memory.form);
    require(memory.text3.Text() == afterBanker, "the window's banker filter matches the core's");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Header header(data, size);
    const std::size_t textStart = header.textStart();
    const std::string text(reinterpret_cast<const char*>(data) + textStart, size - textStart);

    MemoryForm memory(text);
    const Decoded decoded = decodeSettings(header, memory);
    const FilterSettings& settings = decoded.settings;

    const PassOutcome outcome = runFilterPass(text, settings);
    require(outcome.listWasEmpty == text.empty(), "only the exactly empty text is the empty list");

    const std::optional<std::string> banked = bankerFilter(text, settings.banker);
    checkBankerFilter(text, settings, banked);
    const std::string_view afterBanker =
        banked ? std::string_view(*banked) : std::string_view(text);
    // A value no caption spells cannot come from the controls.
    if (!decoded.extraKill) checkWindowPath(memory, settings, afterBanker);

    const std::vector<std::string_view> elements = splitCandidates(afterBanker);
    require(elements.size() == countCandidates(afterBanker), "split and count agree");
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const AttributesResult attrs = computeAttributes(elements[k]);
        if (const auto* failure = std::get_if<ConversionFailure>(&attrs)) {
            checkUnreadable(outcome, afterBanker, elements, k, failure->position);
            checkSecondPass(outcome, settings);
            return 0;
        }
    }
    checkSurvivors(outcome, settings, elements);
    checkSecondPass(outcome, settings);
    return 0;
}
