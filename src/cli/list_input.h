#pragma once

#include "cli/options.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

namespace shrink2d::cli {

// Why a list could not be read; the message names the file.
struct ReadFailure {
    std::string message;
};

using ReadResult = std::variant<std::string, ReadFailure>;

// The whole content of the file at path, or of standard input for "-". Messages start with the
// option that named the file. Content beyond maxBytes is refused rather than read.
ReadResult readWholeFile(const std::string& path, std::string_view option = "--list",
                         std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// The list text the pass receives for the content of a list file. A leading UTF-8 byte order
// mark is dropped (it is an encoding mark, not text). With raw the rest is returned as it is;
// otherwise every run of blanks, tabs, CR, LF and U+3000 separates two numbers and each number
// is written followed by one blank, so separators alone give the empty text. Rewrites content
// in place: linear, and no second copy of a large file.
std::string listTextFromContent(std::string content, bool raw);

// The list text a request filters: the generated list, or the read and separated file.
ReadResult loadListText(const RunRequest& request);

} // namespace shrink2d::cli
