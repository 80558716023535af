#pragma once

#include "cli/options.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace shrink2d::cli {

// Why a list could not be read; the message names the file.
struct ReadFailure {
    std::string message;
};

using ReadResult = std::variant<std::string, ReadFailure>;

// Far above the largest list anyone makes (ten million numbers take 30 MB), and far below what
// reading /dev/zero would take before memory runs out.
inline constexpr std::size_t kMaxListBytes = std::size_t{256} << 20;

// The whole content of the file at path, or of standard input for "-". Messages start with the
// option that named the file. A file larger than maxBytes is refused, and never more than
// maxBytes of it is held.
ReadResult readWholeFile(const std::string& path, std::string_view option = "--list",
                         std::size_t maxBytes = kMaxListBytes);

// The list text the pass receives for the content of a list file. A leading UTF-8 byte order
// mark is dropped (it is an encoding mark, not text). With raw the rest is returned as it is;
// otherwise every run of blanks, tabs, CR, LF and U+3000 separates two numbers and each number
// is written followed by one blank, so separators alone give the empty text. Rewrites content
// in place: linear, and no second copy of a large file.
std::string listTextFromContent(std::string content, bool raw);

// The list text a request filters: the generated list, or the read and separated file of at most
// kMaxListBytes.
ReadResult loadListText(const RunRequest& request);

} // namespace shrink2d::cli
