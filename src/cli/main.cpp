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
#include "form/counts_json.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <new>
#include <utility>

using namespace shrink2d;
using namespace shrink2d::cli;

namespace {

// Four million draws at most; a file larger than this is not a history of draws.
constexpr std::size_t kMaxHistoryBytes = std::size_t{64} << 20;

// Writes a run's output through the sink it is given; false when a write failed.
using Printer = std::function<bool(const ReportSink&)>;

// One run of the program, in the player's language.
class Run {
public:
    explicit Run(Language language) : m_language(language) {}

    int operator()(const std::vector<std::string>& args) const;

private:
    Language m_language;

    std::string say(Message message, std::initializer_list<std::string_view> args = {}) const
    {
        return shrink2d::say(message, m_language, args);
    }

    int refuse(const UsageError& error) const
    {
        complain(error.showHelpHint ? error.message + "\n" + say(Message::HelpHint)
                                    : error.message);
        return kBadUsage;
    }

    int stopAt(const Unreadable& unreadable) const
    {
        complain(describeUnreadable(unreadable, m_language) + "\n" + say(Message::FileListAdvice));
        return kUnreadableElement;
    }

    int print(const Printer& printer) const;
    int finish(const RunRequest& request, const Printer& printer) const;
    int finish(const RunRequest& request, std::string_view text) const
    {
        return finish(request, [text](const ReportSink& write) { return write(text); });
    }
    std::optional<UsageError> refusedBeforeReading(const RunRequest& request) const;
    int reportHistory(const RunRequest& request, const std::string& listText) const;
};

// kDone, or kFailed with a message naming standard output when it could not be written. A pipe
// closed by the reader (| head) ends the program by SIGPIPE before this sees it.
int Run::print(const Printer& printer) const
{
    int error = 0;
    const ReportSink toStandardOutput = [&error](std::string_view piece) {
        if (writeOut(piece)) return true;
        error = errno;
        return false;
    };
    if (printer(toStandardOutput)) return kDone;
    complain(say(Message::OutputFailed, {reasonOf(error, m_language)}));
    return kFailed;
}

// The end of a run that worked out: the conditions saved, when asked, then the output printed.
// Saving comes after every input has been read and every check has passed, so that a failed
// run writes nothing.
int Run::finish(const RunRequest& request, const Printer& printer) const
{
    if (request.saveConditions) {
        const std::string text =
            conditionFileText(request.settings, request.tolerance, request.givenConditions);
        if (const auto failure = replaceFile(*request.saveConditions, text, m_language)) {
            complain(*failure);
            return kBadUsage;
        }
    }
    return print(printer);
}

struct InputFile {
    std::string_view option;
    Message role;
    std::string path;
};

// The files a run reads, in the order it reads them.
std::vector<InputFile> inputsOf(const RunRequest& request)
{
    std::vector<InputFile> inputs;
    if (request.conditions) {
        inputs.push_back({"--conditions", Message::ConditionFile, *request.conditions});
    }
    if (const auto* file = std::get_if<ListFile>(&request.input)) {
        inputs.push_back({"--list", Message::ListFile, file->path});
    }
    if (request.history)
        inputs.push_back({"--history", Message::HistoryFile, request.history->path});
    return inputs;
}

Message kindName(platform::FileKind kind)
{
    switch (kind) {
    case platform::FileKind::Directory:
        return Message::IsDirectory;
    case platform::FileKind::Device:
        return Message::IsDevice;
    case platform::FileKind::Pipe:
        return Message::IsPipe;
    case platform::FileKind::Socket:
        return Message::IsSocket;
    default:
        return Message::NotRegular;
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
// given twice, or a --save-conditions target that is not a regular file, or is an input of the
// run, or is where standard output or error goes. The --conditions file may be the target: it is
// read before anything is saved.
std::optional<UsageError> Run::refusedBeforeReading(const RunRequest& request) const
{
    const std::vector<InputFile> inputs = inputsOf(request);
    const InputFile* readerOfStdin = nullptr;
    for (const InputFile& input : inputs) {
        if (input.path != "-") continue;
        if (readerOfStdin != nullptr) {
            return UsageError{say(Message::StandardInputTwice,
                                  {std::string(input.option), std::string(readerOfStdin->option)})};
        }
        readerOfStdin = &input;
    }
    if (!request.saveConditions) return std::nullopt;
    const std::string& target = *request.saveConditions;
    if (target == "-") return UsageError{say(Message::SaveToStandardOutput)};
    const std::string named = fileRole(Message::SavedConditionFile, target, m_language);
    const std::optional<platform::FileStatus> saved = platform::fileStatus(target);
    if (!saved) {
        const int error = errno;
        // A name no file can have, or a device's: nothing to examine, nothing to save to.
        if (error == EINVAL || error == ENODEV) {
            return UsageError{say(Message::CannotWrite, {named, reasonOf(error, m_language)}),
                              false};
        }
        if (!isPresent(target)) return std::nullopt;
        return UsageError{say(Message::SaveCannotExamine, {named, reasonOf(error, m_language)}),
                          false};
    }
    if (saved->kind != platform::FileKind::Regular) {
        return UsageError{say(Message::InFile, {named, say(kindName(saved->kind))}), false};
    }
    // The shell opens a redirection before the program starts: "> out.json" names the target.
    // (Wine cannot examine a stream its POSIX side redirected; Windows' own shell can.)
    for (const auto& [stream, name] :
         {std::pair{platform::Stream::Output, Message::StandardOutput},
          std::pair{platform::Stream::Error, Message::StandardError}}) {
        const std::optional<platform::FileStatus> written = platform::streamStatus(stream);
        if (written && written->kind == platform::FileKind::Regular &&
            written->isSameFile(*saved)) {
            return UsageError{say(Message::SaveOverOutput, {named, say(name)}), false};
        }
    }
    for (const InputFile& input : inputs) {
        if (input.option == "--conditions") continue;
        const std::optional<platform::FileStatus> read = platform::fileStatus(input.path);
        const std::string inputNamed = fileRole(input.role, input.path, m_language);
        // An input that will be read but cannot be told apart from the target might be it.
        if (!read && isPresent(input.path)) {
            return UsageError{
                say(Message::SaveCannotTell, {named, inputNamed, reasonOf(errno, m_language)}),
                false};
        }
        if (read && read->isSameFile(*saved)) {
            return UsageError{say(Message::SaveOverInput, {named, inputNamed})};
        }
    }
    return std::nullopt;
}

int Run::reportHistory(const RunRequest& request, const std::string& listText) const
{
    const HistoryFile& file = *request.history;
    const ReadResult content =
        readTextFile(file.path, Message::HistoryFile, kMaxHistoryBytes, m_language);
    if (const auto* failure = std::get_if<ReadFailure>(&content)) {
        complain(failure->message);
        return kBadUsage;
    }
    auto read = readDraws(std::get<std::string>(content),
                          fileRole(Message::HistoryFile, file.path, m_language), m_language);
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
        return request.json ? writeHistoryJson(report, write)
                            : writeHistoryText(report, write, m_language);
    });
}

int Run::operator()(const std::vector<std::string>& args) const
{
    ParseResult parsed = parseCommandLine(args, m_language);
    if (const auto* typed = std::get_if<RunRequest>(&parsed)) {
        if (std::optional<UsageError> refusal = refusedBeforeReading(*typed)) {
            parsed = std::move(*refusal);
        } else if (typed->conditions) {
            parsed = parseWithConditionFile(args, m_language);
        }
    }
    if (const auto* info = std::get_if<InfoText>(&parsed)) {
        return print([info](const ReportSink& write) { return write(info->text); });
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) return refuse(*error);
    const auto& request = std::get<RunRequest>(parsed);

    const ReadResult list = loadListText(request, m_language);
    if (const auto* failure = std::get_if<ReadFailure>(&list)) {
        complain(failure->message);
        return kBadUsage;
    }
    const std::string& listText = std::get<std::string>(list);
    if (request.history) return reportHistory(request, listText);
    // A file is not typed into the result box: there a number is exactly two digits.
    if (const auto* file = std::get_if<ListFile>(&request.input); file && !file->raw) {
        if (const auto problem = strictListProblem(listText, m_language)) {
            complain(*problem);
            return kUnreadableElement;
        }
    }
    if (request.stats) {
        const auto stats = groupStats(listText, request.settings, request.tolerance);
        if (const auto* unreadable = std::get_if<Unreadable>(&stats)) return stopAt(*unreadable);
        const auto& counts = std::get<GroupStats>(stats);
        return finish(request, request.json
                                   ? form::statsJson(counts)
                                   : statsText(counts, activeGroups(request.settings), m_language));
    }

    const PassOutcome outcome = runTolerantPass(listText, request.settings, request.tolerance);
    // As in the window, the empty list is said and the pass goes on, in the command line's words.
    if (outcome.listWasEmpty) complain(say(Message::ListHoldsNoNumbers));
    if (outcome.unreadable) return stopAt(*outcome.unreadable);
    return finish(request, request.json ? jsonOutput(outcome) : plainOutput(outcome));
}

} // namespace

int main(int argc, char** argv)
{
    const Language language = platform::playerLanguage();
    try {
        platform::prepareStandardStreams();
        return Run(language)(platform::arguments(argc, argv));
    } catch (const std::bad_alloc&) {
        complain(say(Message::OutOfMemory, language));
        return kFailed;
    } catch (const std::exception& error) {
        complain(error.what());
        return kFailed;
    }
}
