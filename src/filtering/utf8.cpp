#include "filtering/utf8.h"

#include <cstdint>

namespace shrink2d {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

// Length of the well-formed sequence that starts at text[pos], or 1 for a malformed byte.
std::size_t sequenceLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
    } else {
        return 1;
    }
    if (pos + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[pos + i]))) return 1;
    }
    // Overlong three- and four-byte forms, surrogates and code points past U+10FFFF.
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if ((lead == 0xE0U && second < 0xA0U) || (lead == 0xEDU && second > 0x9FU) ||
        (lead == 0xF0U && second < 0x90U) || (lead == 0xF4U && second > 0x8FU)) {
        return 1;
    }
    return length;
}

} // namespace

std::string_view firstCharacter(std::string_view text)
{
    if (text.empty()) return {};
    return text.substr(0, sequenceLength(text, 0));
}

std::string_view lastCharacter(std::string_view text)
{
    if (text.empty()) return {};
    // Walk back over at most three continuation bytes to the lead byte, then check that the
    // sequence it starts really ends at the end of the text.
    std::size_t start = text.size() - 1;
    for (int back = 0;
         back < 3 && start > 0 && isContinuation(static_cast<unsigned char>(text[start])); ++back) {
        --start;
    }
    if (sequenceLength(text, start) == text.size() - start) return text.substr(start);
    return text.substr(text.size() - 1);
}

bool isWellFormedUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = sequenceLength(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80U) return false;
        pos += length;
    }
    return true;
}

std::string visibleText(std::string_view text, std::size_t maxCharacters)
{
    std::string out;
    std::size_t shown = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (shown == maxCharacters) {
            out += "…";
            break;
        }
        std::size_t length = sequenceLength(text, pos);
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte == '\r' || byte == '\n') {
            out += "⏎"; // a line break as a reader sees it, CR LF being one break
            if (byte == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') length = 2;
        } else if (byte == '\t') {
            out += "⇥";
        } else if (byte < 0x20U) {
            // The control pictures U+2400 to U+241F stand for the control characters.
            out += "\xE2\x90";
            out += static_cast<char>(0x80U + byte);
        } else if (byte == 0x7FU) {
            out += "\xE2\x90\xA1"; // U+2421, the picture of DEL
        } else if (length == 1 && byte >= 0x80U) {
            out += "\xEF\xBF\xBD"; // U+FFFD for a malformed byte
        } else {
            out.append(text.substr(pos, length));
        }
        pos += length;
        ++shown;
    }
    return out;
}

} // namespace shrink2d
