#include "cli/output.h"

#include "cli/platform.h"
#include "filtering/candidate_list.h"
#include "filtering/utf8.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <limits>
#include <utility>

namespace shrink2d::cli {
namespace {

bool needsEscaping(std::string_view element)
{
    for (const char c : element) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U || byte >= 0x7FU || c == '"' || c == '\\') return true;
    }
    return false;
}

} // namespace

// A million elements are written one by one rather than built as a json array first, which
// would take several times the memory of the list; only unusual elements go through the
// library's escaping.
void appendJsonString(std::string& out, std::string_view element)
{
    if (!needsEscaping(element)) {
        out += '"';
        out += element;
        out += '"';
        return;
    }
    out += nlohmann::json(std::string(element))
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string plainOutput(const PassOutcome& outcome)
{
    std::string out;
    out.reserve(outcome.listText.size() + 40);
    out += outcome.listText;
    out += '\n';
    out += outcome.countLine.value();
    out += '\n';
    return out;
}

std::string jsonOutput(const PassOutcome& outcome)
{
    std::string out = "{\"numbers\": [";
    out.reserve(outcome.listText.size() * 2 + 40);
    std::size_t count = 0;
    forEachCandidate(outcome.listText, [&](std::string_view element) {
        if (count++ > 0) out += ", ";
        appendJsonString(out, element);
    });
    out += "], \"count\": " + std::to_string(count) + "}\n";
    return out;
}

bool writeOut(std::string_view text) { return platform::writeStandardOutput(text); }

std::string shownFileName(const std::string& path, Language language)
{
    if (path.empty()) return "\"\"";
    return path == "-" ? say(Message::StandardInput, language)
                       : visibleText(path, std::numeric_limits<std::size_t>::max());
}

std::string fileRole(Message role, const std::string& path, Language language)
{
    // In Chinese standard input is named alone: it says what it is.
    if (path == "-" && language == Language::Chinese) return say(Message::StandardInput, language);
    return say(role, language, {shownFileName(path, language)});
}

std::string reasonOf(int error, Language language)
{
    using enum Message;
    static constexpr std::pair<int, Message> kReasons[] = {{ENOENT, NoSuchFile},
                                                           {EACCES, PermissionDenied},
                                                           {EPERM, PermissionDenied},
                                                           {EBUSY, InUse},
                                                           {ETXTBSY, InUse},
                                                           {EINVAL, InvalidName},
                                                           {EILSEQ, InvalidName},
                                                           {EISDIR, IsDirectory},
                                                           {ENODEV, IsDevice},
                                                           {ENXIO, IsDevice},
                                                           {ENOTSUP, NotRegular},
                                                           {ENOSPC, DiskFull},
                                                           {EFBIG, DiskFull},
                                                           {EROFS, ReadOnlyDisk},
                                                           {ENAMETOOLONG, NameTooLong},
                                                           {ELOOP, TooManyLinks},
                                                           {ENOTDIR, NotDirectoryOnPath},
                                                           {ENOMEM, OutOfMemory}};
    for (const auto& [number, reason] : kReasons) {
        if (number == error) return say(reason, language);
    }
    return say(SystemError, language, {std::to_string(error)});
}

void complain(std::string_view message)
{
    std::string line = "shrink2d-cli: ";
    line += message;
    line += '\n';
    platform::writeStandardError(line);
}

} // namespace shrink2d::cli
