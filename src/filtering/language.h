#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace shrink2d {

// The languages a player reads. The window and the page always speak Chinese; the command line
// speaks Chinese when the player's locale asks for it, and English otherwise.
enum class Language { Chinese, English };

// One text as players of each language read it.
struct Text {
    std::string_view zh;
    std::string_view en;

    constexpr std::string_view in(Language language) const
    {
        return language == Language::Chinese ? zh : en;
    }
};

// The pattern with {1} to {9} replaced by the arguments, in order; a placeholder without an
// argument is left as it stands, and nothing inside an argument is replaced again.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace shrink2d
