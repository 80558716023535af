#pragma once

#include "filtering/version.h"
#include "form/home_page.h"

#include <string>

namespace shrink2d {

// The window's title, which the page takes as its own: the program and its version, its maker,
// and the home page's address with its letters in capitals.
inline std::string formTitle()
{
    std::string title = "澄数2D缩水软件" + std::string(kTitleVersion) + "（本软件由澄数提供）";
    for (const char c : kHomePage) {
        title += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return title;
}

} // namespace shrink2d
