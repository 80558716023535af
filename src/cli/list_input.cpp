#include "cli/list_input.h"

#include "cli/output.h"
#include "cli/platform.h"
#include "filtering/candidate_list.h"
#include "filtering/utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

namespace shrink2d::cli {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

ReadFailure cannotRead(Message role, const std::string& path, int error, Language language)
{
    return ReadFailure{say(Message::CannotRead, language,
                           {fileRole(role, path, language), reasonOf(error, language)})};
}

std::string sizeText(std::size_t bytes)
{
    constexpr std::size_t kMebibyte = std::size_t{1} << 20;
    return bytes % kMebibyte == 0 ? std::to_string(bytes / kMebibyte) + " MiB"
                                  : std::to_string(bytes) + " B";
}

bool isTwoDigits(std::string_view element)
{
    return element.size() == 2 && isAsciiDigit(element[0]) && isAsciiDigit(element[1]);
}

} // namespace

ReadResult readWholeFile(const std::string& path, Message role, std::size_t maxBytes,
                         Language language)
{
    const bool fromStdin = (path == "-");
    const auto tooLarge = [&] {
        return ReadFailure{
            say(Message::TooLarge, language, {fileRole(role, path, language), sizeText(maxBytes)})};
    };
    std::FILE* file = fromStdin ? stdin : platform::openForReading(path);
    if (file == nullptr) return cannotRead(role, path, errno, language);

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
    if (error != 0) return cannotRead(role, path, error, language);
    if (exceeded) return tooLarge();
    return content;
}

std::optional<std::string> textOfContent(std::string content)
{
    const std::string_view bytes(content);
    std::optional<std::string> text;
    if (bytes.starts_with(kUtf8Mark)) {
        if (isWellFormedUtf8(bytes.substr(kUtf8Mark.size()))) {
            content.erase(0, kUtf8Mark.size());
            text = std::move(content);
        }
    } else if (bytes.starts_with(kUtf16LittleEndianMark)) {
        text = platform::decodeText(bytes.substr(2), platform::Encoding::Utf16LittleEndian);
    } else if (bytes.starts_with(kUtf16BigEndianMark)) {
        text = platform::decodeText(bytes.substr(2), platform::Encoding::Utf16BigEndian);
    } else if (isWellFormedUtf8(bytes)) {
        text = std::move(content);
    } else {
        text = platform::decodeText(bytes, platform::Encoding::Gb18030);
    }
    if (text && text->find('\0') != std::string::npos) return std::nullopt;
    return text;
}

ReadResult readTextFile(const std::string& path, Message role, std::size_t maxBytes,
                        Language language)
{
    ReadResult content = readWholeFile(path, role, maxBytes, language);
    auto* bytes = std::get_if<std::string>(&content);
    if (bytes == nullptr) return content;
    if (std::optional<std::string> text = textOfContent(std::move(*bytes))) return *std::move(text);
    return ReadFailure{say(Message::NotText, language, {fileRole(role, path, language)})};
}

std::string listTextFromContent(std::string text, bool raw)
{
    return raw ? text : normaliseSeparators(std::move(text));
}

std::optional<std::string> strictListProblem(std::string_view listText, Language language)
{
    std::optional<std::string> problem;
    std::size_t position = 0;
    forEachCandidate(listText, [&](std::string_view element) {
        ++position;
        if (problem || isTwoDigits(element)) return;
        problem = digitCountProblem(position, element, language);
        if (!problem) {
            problem = describeUnreadable(Unreadable{position, std::string(element)}, language) +
                      "\n" + say(Message::FileListAdvice, language);
        }
    });
    return problem;
}

ReadResult loadListText(const RunRequest& request, Language language)
{
    if (const auto* generated = std::get_if<GeneratedList>(&request.input)) {
        return generateCandidates(generated->first, generated->second);
    }
    const auto& file = std::get<ListFile>(request.input);
    ReadResult content = readTextFile(file.path, Message::ListFile, kMaxListBytes, language);
    if (auto* text = std::get_if<std::string>(&content)) {
        return listTextFromContent(std::move(*text), file.raw);
    }
    return content;
}

} // namespace shrink2d::cli
