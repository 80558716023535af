#include "filtering/attributes.h"

#include "filtering/utf8.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace shrink2d {
namespace {

constexpr std::string_view kEven = "偶";
constexpr std::string_view kOdd = "奇";
constexpr std::string_view kBig = "大";
constexpr std::string_view kSmall = "小";
constexpr std::string_view kPrime = "质";
constexpr std::string_view kComposite = "合";
constexpr std::string_view kMiddle = "中";
constexpr std::string_view kRising = "升";
constexpr std::string_view kLevel = "平";
constexpr std::string_view kFalling = "降";

// 1 counts among the 质 digits, as players count it.
std::string_view primeClass(int digit)
{
    return digit == 1 || digit == 2 || digit == 3 || digit == 5 || digit == 7 ? kPrime : kComposite;
}

std::string_view tierClass(int digit) { return digit <= 2 ? kSmall : digit <= 6 ? kMiddle : kBig; }

bool isDigitCharacter(std::string_view character)
{
    return character.size() == 1 && isAsciiDigit(character.front());
}

} // namespace

long lenientValue(std::string_view text)
{
    constexpr long limit = std::numeric_limits<long>::max() / 10 - 9;
    long value = 0;
    for (const char c : text) {
        if (!isAsciiDigit(c)) break;
        if (value > limit) break; // absurdly long digit runs saturate instead of overflowing
        value = value * 10 + (c - '0');
    }
    return value;
}

AttributesResult computeAttributes(std::string_view element)
{
    CandidateAttributes attrs;
    attrs.firstChar = firstCharacter(element);
    attrs.secondChar = lastCharacter(element);

    const int a = static_cast<int>(lenientValue(attrs.firstChar));
    const int b = static_cast<int>(lenientValue(attrs.secondChar));
    attrs.sum = static_cast<double>(a) + static_cast<double>(b);
    attrs.span = static_cast<std::int16_t>(std::abs(a - b));
    attrs.roadFirst = roadOf(a);
    attrs.roadSecond = roadOf(b);

    // Parity and size need a real digit at each end, the first position checked first.
    if (!isDigitCharacter(attrs.firstChar)) return ConversionFailure{Position::First};
    if (!isDigitCharacter(attrs.secondChar)) return ConversionFailure{Position::Second};
    if (!std::all_of(element.begin(), element.end(), isAsciiDigit)) {
        return ConversionFailure{Position::Inside};
    }

    attrs.parityFirst = (a % 2 == 0) ? kEven : kOdd;
    attrs.paritySecond = (b % 2 == 0) ? kEven : kOdd;
    attrs.sizeFirst = (a >= 5) ? kBig : kSmall;
    attrs.sizeSecond = (b >= 5) ? kBig : kSmall;
    attrs.parityPattern = attrs.parityFirst + attrs.paritySecond;
    attrs.sizePattern = attrs.sizeFirst + attrs.sizeSecond;
    attrs.paritySizePattern = attrs.parityFirst + attrs.sizeSecond;
    attrs.sizeParityPattern = attrs.sizeFirst + attrs.paritySecond;
    attrs.roadPattern = {static_cast<char>('0' + attrs.roadFirst),
                         static_cast<char>('0' + attrs.roadSecond)};
    attrs.primePattern = std::string(primeClass(a)).append(primeClass(b));
    attrs.tierPattern = std::string(tierClass(a)).append(tierClass(b));
    attrs.shapePattern = a < b ? kRising : a == b ? kLevel : kFalling;
    attrs.sumTail = (a + b) % 10;
    return attrs;
}

} // namespace shrink2d
