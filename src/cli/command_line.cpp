#include "cli/command_line.h"

#include "cli/condition_file.h"
#include "cli/list_input.h"
#include "cli/output.h"

namespace shrink2d::cli {
namespace {

// Far above any real condition file; a bigger one is not one.
constexpr std::size_t kMaxConditionFileBytes = 1 << 20;

} // namespace

ParseResult parseWithConditionFile(const std::vector<std::string>& args, Language language)
{
    ParseResult parsed = parseCommandLine(args, language);
    auto* request = std::get_if<RunRequest>(&parsed);
    if (request == nullptr || !request->conditions) return parsed;

    const std::string& path = *request->conditions;
    ReadResult content =
        readTextFile(path, Message::ConditionFile, kMaxConditionFileBytes, language);
    if (const auto* failure = std::get_if<ReadFailure>(&content)) {
        return UsageError{failure->message};
    }
    if (const auto problem =
            readConditionFile(std::get<std::string>(content), *request, language)) {
        return UsageError{say(Message::InFile, language,
                              {fileRole(Message::ConditionFile, path, language), *problem}),
                          false};
    }
    return parsed;
}

} // namespace shrink2d::cli
