#pragma once

#include "cli/options.h"
#include "filtering/language.h"
#include "filtering/messages.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace shrink2d::cli {

// Why a file could not be read; the message names the file.
struct ReadFailure {
    std::string message;
};

using ReadResult = std::variant<std::string, ReadFailure>;

// Far above the largest list anyone makes (ten million numbers take 30 MB), and far below what
// reading /dev/zero would take before memory runs out.
inline constexpr std::size_t kMaxListBytes = std::size_t{256} << 20;

// The whole content of the file at path, or of standard input for "-", as bytes. Messages name
// the file by its role (a file role of Message, such as Message::ListFile). A file larger than
// maxBytes is refused, and never more than maxBytes of it is held.
ReadResult readWholeFile(const std::string& path, Message role, std::size_t maxBytes,
                         Language language);

// A file's content as UTF-8 text, in whichever encoding a player's editor saved it: UTF-8 with
// or without its byte order mark (which is dropped), UTF-16 of either byte order after its mark,
// and otherwise, when the bytes are not UTF-8, GB18030 (what Notepad on a Chinese Windows saves
// as "ANSI"). nullopt for bytes no decoder accepts, and for text holding a NUL character, which
// no text file has (but UTF-16 without its mark, or any binary file, does).
std::optional<std::string> textOfContent(std::string content);

// readWholeFile, then textOfContent: a content that is not text is refused, naming the file.
ReadResult readTextFile(const std::string& path, Message role, std::size_t maxBytes,
                        Language language);

// The list text the pass receives for a list file's text. With raw the text is the result box's
// own; otherwise the separators players use (normaliseSeparators) are turned into the box's form.
std::string listTextFromContent(std::string text, bool raw);

// The first element of a list file's list text that is not exactly two digits, as a message
// naming it by position and saying what to write instead; nullopt when every element is. A file
// is not typed into the result box: "5" and "123" there are a slip, not a number.
std::optional<std::string> strictListProblem(std::string_view listText, Language language);

// The list text a request filters: the generated list, or the read and separated file of at most
// kMaxListBytes.
ReadResult loadListText(const RunRequest& request, Language language);

} // namespace shrink2d::cli
