#pragma once

#include <CLI/CLI.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace shrink2d::cli {

// --help in 80 columns: each option's name and value in the first nameColumns, its description
// beside it and wrapped under it; the program's description and the footer wrapped too. A CJK
// character counts two columns. CLI11's "Needs:" and "Excludes:" are left out, as they would
// push a description onto a line of its own: the descriptions say it in words.
class HelpFormatter : public CLI::Formatter {
public:
    explicit HelpFormatter(std::size_t nameColumns);
    std::string make_option(const CLI::Option* option, bool isPositional) const override;
    std::string make_option_opts(const CLI::Option* option) const override;
    std::string make_option_desc(const CLI::Option* option) const override;
    std::string make_description(const CLI::App* app) const override;
    std::string make_footer(const CLI::App* app) const override;
};

// The text in lines of at most width columns, broken at blanks or between two characters of which
// one is Chinese (but not before a closing mark such as ，。） nor after an opening one such as
// （“); its own line breaks stay, and so does a word longer than a line. Lines that fit keep their
// leading blanks.
std::string wrapped(std::string_view text, std::size_t width);

} // namespace shrink2d::cli
