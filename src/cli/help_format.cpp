#include "help_format.h"

namespace shrink2d::cli {
namespace {

constexpr std::size_t kHelpColumns = 80;

// Terminal columns: the help's CJK characters (U+3000 and above) take two, others one.
std::size_t columns(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xE3U)
            count += 2;
        else if (byte < 0x80U || byte >= 0xC0U)
            ++count; // a continuation byte adds nothing
    }
    return count;
}

} // namespace

HelpFormatter::HelpFormatter(std::size_t nameColumns) { column_width(nameColumns); }

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
    std::size_t used = 0; // columns on the line being written, its last blank included
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (used > 0 && used + columns(word) > width) {
            out.back() = '\n'; // the blank before the word
            used = 0;
        }
        out += word;
        used += columns(word);
        if (end < text.size()) {
            out += text[end];
            used = text[end] == '\n' ? 0 : used + 1;
        }
        start = end + 1;
    }
    return out;
}

} // namespace shrink2d::cli
