#include "cli/list_input.h"

#include "cli/output.h"
#include "cli/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace shrink2d::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

// Length in bytes of the separator that starts at text[pos], 0 when none does.
std::size_t separatorLength(std::string_view text, std::size_t pos)
{
    switch (text[pos]) {
    case ' ':
    case '\t':
    case '\n':
    case '\r':
        return 1;
    case '\xE3': // the lead byte of U+3000
        break;
    default:
        return 0;
    }
    return text.substr(pos, kIdeographicSpace.size()) == kIdeographicSpace
               ? kIdeographicSpace.size()
               : 0;
}

ReadFailure cannotRead(std::string_view option, const std::string& path, int error)
{
    return ReadFailure{std::string(option) + " " + shownFileName(path) +
                       ": cannot be read: " + std::strerror(error)};
}

std::string sizeText(std::size_t bytes)
{
    constexpr std::size_t kMebibyte = std::size_t{1} << 20;
    return bytes % kMebibyte == 0 ? std::to_string(bytes / kMebibyte) + " MiB"
                                  : std::to_string(bytes) + " bytes";
}

} // namespace

ReadResult readWholeFile(const std::string& path, std::string_view option, std::size_t maxBytes)
{
    const bool fromStdin = (path == "-");
    const auto tooLarge = [&] {
        return ReadFailure{std::string(option) + " " + shownFileName(path) + ": larger than " +
                           sizeText(maxBytes)};
    };
    std::FILE* file = fromStdin ? stdin : platform::openForReading(path);
    if (file == nullptr) return cannotRead(option, path, errno);

    std::string content;
    if (const auto size = fromStdin ? std::nullopt : platform::regularFileSize(file)) {
        if (*size > maxBytes) {
            std::fclose(file);
            return tooLarge();
        }
        content.reserve(static_cast<std::size_t>(*size) + 1);
    }

    // A stream (a device, a pipe) tells its size only by ending: the piece that would take the
    // content past maxBytes is never appended, so the content never outgrows it.
    char buffer[1 << 16];
    std::size_t got = 0;
    bool exceeded = false;
    while (!exceeded && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        exceeded = got > maxBytes - content.size();
        if (!exceeded) content.append(buffer, got);
    }
    // A directory opens fine on some systems and only fails here.
    const int error = !exceeded && std::ferror(file) ? errno : 0;
    if (!fromStdin) std::fclose(file);
    if (error != 0) return cannotRead(option, path, error);
    if (exceeded) return tooLarge();
    return content;
}

std::string listTextFromContent(std::string content, bool raw)
{
    if (std::string_view(content).starts_with(kByteOrderMark)) {
        content.erase(0, kByteOrderMark.size());
    }
    if (raw) return content;

    // Compacts towards the front: every byte written replaces one already read, so the write
    // position never passes the read position.
    std::size_t out = 0;
    bool inNumber = false;
    for (std::size_t in = 0; in < content.size();) {
        const std::size_t separator = separatorLength(content, in);
        if (separator == 0) {
            content[out++] = content[in++];
            inNumber = true;
            continue;
        }
        if (inNumber) content[out++] = ' ';
        inNumber = false;
        in += separator;
    }
    content.resize(out);
    if (inNumber) content.push_back(' ');
    return content;
}

ReadResult loadListText(const RunRequest& request)
{
    if (const auto* generated = std::get_if<GeneratedList>(&request.input)) {
        return generateCandidates(generated->first, generated->second);
    }
    const auto& file = std::get<ListFile>(request.input);
    ReadResult content = readWholeFile(file.path, "--list", kMaxListBytes);
    if (auto* text = std::get_if<std::string>(&content)) {
        return listTextFromContent(std::move(*text), file.raw);
    }
    return content;
}

} // namespace shrink2d::cli
