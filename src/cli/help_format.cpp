#include "help_format.h"

namespace shrink2d::cli {
namespace {

constexpr std::size_t kHelpColumns = 80;

// A wide character of the help: its UTF-8 lead byte is E3 or above (U+3000 and up).
bool isWide(char c) { return static_cast<unsigned char>(c) >= 0xE3U; }

// Terminal columns: the help's CJK characters take two, others one.
std::size_t columns(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isWide(c))
            count += 2;
        else if (byte < 0x80U || byte >= 0xC0U)
            ++count; // a continuation byte adds nothing
    }
    return count;
}

// Whether a line may end after one unit and the next begin with another, in Chinese typesetting.
bool mayBreakBetween(std::string_view before, std::string_view after)
{
    static constexpr std::string_view kClosing[] = {"，", "。", "、", "；", "：", "！",
                                                    "？", "）", "”",  "」", "》", "…"};
    static constexpr std::string_view kOpening[] = {"（", "“", "「", "《"};
    for (const std::string_view mark : kClosing) {
        if (after == mark) return false;
    }
    for (const std::string_view mark : kOpening) {
        if (before == mark) return false;
    }
    return true;
}

} // namespace

HelpFormatter::HelpFormatter(std::size_t nameColumns) { column_width(nameColumns); }

// As CLI11 lays an option out, but padded by columns rather than bytes, so that a Chinese value
// name keeps the descriptions in line.
std::string HelpFormatter::make_option(const CLI::Option* option, bool isPositional) const
{
    const std::string name =
        "  " + make_option_name(option, isPositional) + make_option_opts(option);
    const std::string description = make_option_desc(option);
    const std::size_t used = columns(name);
    std::string out = name;
    if (!description.empty()) {
        if (used >= column_width_) {
            out += '\n';
            out.append(column_width_, ' ');
        } else {
            out.append(column_width_ - used, ' ');
        }
        for (const char c : description) {
            out += c;
            if (c == '\n') out.append(column_width_, ' ');
        }
    }
    return out + "\n";
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const
{
    return option->get_type_size() == 0 ? "" : " " + option->get_type_name();
}

std::string HelpFormatter::make_option_desc(const CLI::Option* option) const
{
    return wrapped(option->get_description(), kHelpColumns - column_width_);
}

std::string HelpFormatter::make_description(const CLI::App* app) const
{
    return wrapped(CLI::Formatter::make_description(app), kHelpColumns);
}

std::string HelpFormatter::make_footer(const CLI::App* app) const
{
    return wrapped(CLI::Formatter::make_footer(app), kHelpColumns);
}

std::string wrapped(std::string_view text, std::size_t width)
{
    std::string out;
    std::size_t used = 0;      // columns on the line being written, its last blank included
    std::string_view previous; // the unit just written, when nothing has followed it yet
    for (std::size_t start = 0; start < text.size();) {
        const char c = text[start];
        if (c == ' ' || c == '\n') {
            out += c;
            used = c == '\n' ? 0 : used + 1;
            previous = {};
            ++start;
            continue;
        }
        // The next unit: one wide character, or a run of narrow ones.
        std::size_t end = start + 1;
        if (isWide(c)) {
            while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
                ++end;
            }
        } else {
            while (end < text.size() && text[end] != ' ' && text[end] != '\n' &&
                   !isWide(text[end])) {
                ++end;
            }
        }
        const std::string_view unit = text.substr(start, end - start);
        if (used > 0 && used + columns(unit) > width) {
            if (out.back() == ' ') {
                out.back() = '\n';
                used = 0;
            } else if (!previous.empty() && mayBreakBetween(previous, unit)) {
                out += '\n';
                used = 0;
            }
        }
        out += unit;
        used += columns(unit);
        previous = unit;
        start = end;
    }
    return out;
}

} // namespace shrink2d::cli
