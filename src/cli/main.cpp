#include "cli/command_line.h"
#include "cli/condition_file.h"
#include "cli/history.h"
#include "cli/list_input.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/platform.h"
#include "cli/reports.h"
#include "filtering/candidate_list.h"
#include "filtering/condition_groups.h"
#include "filtering/filter_pass.h"
#include "filtering/messages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>

using namespace shrink2d;
using namespace shrink2d::cli;

namespace {

// Four million draws at most; a file larger than this is not a history of draws.
constexpr std::size_t kMaxHistoryBytes = std::size_t{64} << 20;

constexpr std::string_view kHelpHint = "\nRun 'shrink2d-cli --help' to see the options.";

// Writes a run's output through the sink it is given; false when a write failed.
using Printer = std::function<bool(const ReportSink&)>;

int refuse(const UsageError& error)
{
    complain(error.showHelpHint ? error.message + std::string(kHelpHint) : error.message);
    return kBadUsage;
}

int stopAt(const Unreadable& unreadable)
{
    complain(describeUnreadable(unreadable) +
             "\nThe list may hold only two-digit numbers (00 to 99) separated by blanks.");
    return kUnreadableElement;
}

// kDone, or kFailed with a message naming standard output when it could not be written. A pipe
// closed by the reader (| head) ends the program by SIGPIPE before this sees it.
int print(const Printer& printer)
{
    int error = 0;
    const ReportSink toStandardOutput = [&error](std::string_view piece) {
        if (writeOut(piece)) return true;
        error = errno;
        return false;
    };
    if (printer(toStandardOutput)) return kDone;
    std::string message = "standard output could not be written";
    if (error != 0) message += std::string(": ") + std::strerror(error);
    complain(message);
    return kFailed;
}

// The end of a run that worked out: the conditions saved, when asked, then the output printed.
// Saving comes after every input has been read and every check has passed, so that a failed
// run writes nothing.
int finish(const RunRequest& request, const Printer& printer)
{
    if (request.saveConditions) {
        const std::string text =
            conditionFileText(request.settings, request.tolerance, request.givenConditions);
        if (const auto failure = replaceFile(*request.saveConditions, text)) {
            complain("--save-conditions " + *failure);
            return kBadUsage;
        }
    }
    return print(printer);
}

int finish(const RunRequest& request, std::string_view text)
{
    return finish(request, [text](const ReportSink& write) { return write(text); });
}

struct InputFile {
    std::string_view option;
    std::string path;
};

// The files a run reads, in the order it reads them.
std::vector<InputFile> inputsOf(const RunRequest& request)
{
    std::vector<InputFile> inputs;
    if (request.conditions) inputs.push_back({"--conditions", *request.conditions});
    if (const auto* file = std::get_if<ListFile>(&request.input)) {
        inputs.push_back({"--list", file->path});
    }
    if (request.history) inputs.push_back({"--history", request.history->path});
    return inputs;
}

std::string_view kindName(platform::FileKind kind)
{
    switch (kind) {
    case platform::FileKind::Directory:
        return "a directory, not a regular file";
    case platform::FileKind::Device:
        return "a device, not a regular file";
    case platform::FileKind::Pipe:
        return "a FIFO, not a regular file";
    case platform::FileKind::Socket:
        return "a socket, not a regular file";
    default:
        return "not a regular file";
    }
}

// Whether a file whose status could not be had is there all the same: standard input, or a file
// that opens. Keeps errno from the failed status.
bool isPresent(const std::string& path)
{
    const int error = errno;
    bool present = path == "-";
    if (!present) {
        std::FILE* file = platform::openForReading(path);
        present = file != nullptr;
        if (present) std::fclose(file);
    }
    errno = error;
    return present;
}

// What the files named on the command line forbid before any of them is read: standard input
// given twice, or a --save-conditions target that is not a regular file or is an input of the
// run. The --conditions file may be the target: it is read before anything is saved.
std::optional<UsageError> refusedBeforeReading(const RunRequest& request)
{
    const std::vector<InputFile> inputs = inputsOf(request);
    const InputFile* readerOfStdin = nullptr;
    for (const InputFile& input : inputs) {
        if (input.path != "-") continue;
        if (readerOfStdin != nullptr) {
            return UsageError{std::string(input.option) +
                              " \"-\": standard input is already read by " +
                              std::string(readerOfStdin->option)};
        }
        readerOfStdin = &input;
    }
    if (!request.saveConditions) return std::nullopt;
    const std::string& target = *request.saveConditions;
    if (target == "-") {
        return UsageError{"--save-conditions \"-\": conditions are saved to a file, not to "
                          "standard output"};
    }
    const std::string named = "--save-conditions " + shownFileName(target) + ": ";
    const std::optional<platform::FileStatus> saved = platform::fileStatus(target);
    if (!saved) {
        if (!isPresent(target)) return std::nullopt;
        return UsageError{named + "cannot be examined: " + std::strerror(errno), false};
    }
    if (saved->kind != platform::FileKind::Regular) {
        return UsageError{named + std::string(kindName(saved->kind)), false};
    }
    for (const InputFile& input : inputs) {
        if (input.option == "--conditions") continue;
        const std::optional<platform::FileStatus> read = platform::fileStatus(input.path);
        // An input that will be read but cannot be told apart from the target might be it.
        if (!read && isPresent(input.path)) {
            return UsageError{named + "cannot tell whether it is the same file as " +
                                  std::string(input.option) + " " + shownFileName(input.path) +
                                  ": " + std::strerror(errno),
                              false};
        }
        if (read && read->isSameFile(*saved)) {
            return UsageError{named + "the same file as " + std::string(input.option) + " " +
                              shownFileName(input.path) + ", which saving would overwrite"};
        }
    }
    return std::nullopt;
}

int reportHistory(const RunRequest& request, const std::string& listText)
{
    const HistoryFile& file = *request.history;
    const ReadResult content = readWholeFile(file.path, "--history", kMaxHistoryBytes);
    if (const auto* failure = std::get_if<ReadFailure>(&content)) {
        complain(failure->message);
        return kBadUsage;
    }
    auto read = readDraws(std::get<std::string>(content), shownFileName(file.path));
    if (const auto* refusal = std::get_if<HistoryRefusal>(&read)) {
        complain(refusal->message);
        return kBadUsage;
    }
    auto& draws = std::get<std::vector<Draw>>(read);
    if (file.last && draws.size() > *file.last) {
        draws.erase(draws.begin(), draws.end() - static_cast<std::ptrdiff_t>(*file.last));
    }
    // --history excludes --list: the list is the generated one, of two-digit numbers only, so
    // this pass always finishes.
    const auto& generated = std::get<GeneratedList>(request.input);
    const PassOutcome full = runTolerantPass(listText, request.settings, request.tolerance);
    const HistoryReport report =
        checkDraws(std::move(draws), listedNumbers(generated.first, generated.second),
                   request.settings, request.tolerance, countCandidates(full.listText));
    return finish(request, [&](const ReportSink& write) {
        return request.json ? writeHistoryJson(report, write) : writeHistoryText(report, write);
    });
}

int run(const std::vector<std::string>& args)
{
    ParseResult parsed = parseCommandLine(args);
    if (const auto* typed = std::get_if<RunRequest>(&parsed)) {
        if (std::optional<UsageError> refusal = refusedBeforeReading(*typed)) {
            parsed = std::move(*refusal);
        } else if (typed->conditions) {
            parsed = parseWithConditionFile(args);
        }
    }
    if (const auto* info = std::get_if<InfoText>(&parsed)) {
        return print([info](const ReportSink& write) { return write(info->text); });
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) return refuse(*error);
    const auto& request = std::get<RunRequest>(parsed);

    const ReadResult list = loadListText(request);
    if (const auto* failure = std::get_if<ReadFailure>(&list)) {
        complain(failure->message);
        return kBadUsage;
    }
    const std::string& listText = std::get<std::string>(list);
    if (request.history) return reportHistory(request, listText);
    if (request.stats) {
        const auto stats = groupStats(listText, request.settings, request.tolerance);
        if (const auto* unreadable = std::get_if<Unreadable>(&stats)) return stopAt(*unreadable);
        const auto& counts = std::get<GroupStats>(stats);
        return finish(request, request.json ? statsJson(counts)
                                            : statsText(counts, activeGroups(request.settings)));
    }

    const PassOutcome outcome = runTolerantPass(listText, request.settings, request.tolerance);
    // As in the window, the empty-list message does not end the pass.
    if (outcome.listWasEmpty) complain(kEmptyListPrompt);
    if (outcome.unreadable) return stopAt(*outcome.unreadable);
    return finish(request, request.json ? jsonOutput(outcome) : plainOutput(outcome));
}

} // namespace

int main(int argc, char** argv)
{
    try {
        platform::prepareStandardStreams();
        return run(platform::arguments(argc, argv));
    } catch (const std::exception& error) { // in practice only memory running out
        complain(error.what());
        return kFailed;
    }
}
