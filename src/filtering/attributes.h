#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace shrink2d {

// Everything the conditions test about one list element. The first position is the element's
// first character and the second position its last, so "7" reads as 77 and "123" as 13; the
// characters between must be digits too.
struct CandidateAttributes {
    std::string firstChar;
    std::string secondChar;
    double sum = 0;        // 0 to 18
    int sumTail = 0;       // 0 to 9
    std::int16_t span = 0; // 0 to 9
    int roadFirst = 0;     // 0, 1 or 2
    int roadSecond = 0;
    std::string parityFirst; // "偶" or "奇"
    std::string paritySecond;
    std::string sizeFirst; // "大" (5 to 9) or "小" (0 to 4)
    std::string sizeSecond;
    std::string parityPattern;     // parityFirst + paritySecond, e.g. "偶奇"
    std::string sizePattern;       // sizeFirst + sizeSecond, e.g. "小大"
    std::string paritySizePattern; // parityFirst + sizeSecond, e.g. "偶大"
    std::string sizeParityPattern; // sizeFirst + paritySecond, e.g. "小奇"
    std::string roadPattern;       // two road digits, e.g. "02"
    std::string primePattern;      // "质" (1 2 3 5 7) or "合" for each position, e.g. "质合"
    std::string tierPattern;       // "小" (0 to 2), "中" (3 to 6) or "大" for each: "小中"
    std::string shapePattern;      // "升" first below second, "平" equal, "降" first above

    bool operator==(const CandidateAttributes&) const = default;
};

// Where an element fails: an end, or a character between the ends.
enum class Position { First, Second, Inside };

// An element end that is not one of the characters 0 to 9 has no parity and no size. Nor has an
// element with anything but digits between its ends: "12⏎34" or "12,34" is not the number 14
// but numbers written together, and classifying it by its ends would count several as one.
struct ConversionFailure {
    Position position;
    bool operator==(const ConversionFailure&) const = default;
};

using AttributesResult = std::variant<CandidateAttributes, ConversionFailure>;

// The number that text spells with its leading ASCII digits ("18" is 18, "01" is 1); 0 when it
// starts with anything else or is empty. Never fails.
long lenientValue(std::string_view text);

// 0 for 0 3 6 9, 1 for 1 4 7, 2 for 2 5 8.
inline int roadOf(int digit) { return digit % 3; }

// The attributes of one element, or where it holds a character that is not a decimal digit: its
// first position, else its second, else inside; an empty element fails at its first position.
AttributesResult computeAttributes(std::string_view element);

} // namespace shrink2d
