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

#include <exception>

using namespace shrink2d;
using namespace shrink2d::cli;

namespace {

// Four million draws at most; a file larger than this is not a history of draws.
constexpr std::size_t kMaxHistoryBytes = std::size_t{64} << 20;

int stopAt(const Unreadable& unreadable)
{
    complain(describeUnreadable(unreadable) +
             "\nThe list may hold only two-digit numbers (00 to 99) separated by blanks.");
    return kUnreadableElement;
}

int reportHistory(const RunRequest& request, const std::string& listText)
{
    const HistoryFile& file = *request.history;
    const ReadResult content = readWholeFile(file.path, "--history", kMaxHistoryBytes);
    if (const auto* failure = std::get_if<ReadFailure>(&content)) {
        complain(failure->message);
        return kBadUsage;
    }
    auto read = readDraws(std::get<std::string>(content), file.path);
    if (const auto* refusal = std::get_if<HistoryRefusal>(&read)) {
        complain(refusal->message);
        return kBadUsage;
    }
    auto& draws = std::get<std::vector<Draw>>(read);
    if (file.last && draws.size() > *file.last) {
        draws.erase(draws.begin(), draws.end() - static_cast<std::ptrdiff_t>(*file.last));
    }
    // The generated list holds only two-digit numbers, so this pass always finishes.
    const PassOutcome full = runTolerantPass(listText, request.settings, request.tolerance);
    const HistoryReport report = checkDraws(std::move(draws), request.settings, request.tolerance,
                                            countCandidates(full.listText));
    const ReportSink toStandardOutput = [](std::string_view piece) { return writeOut(piece); };
    const bool written = request.json ? writeHistoryJson(report, toStandardOutput)
                                      : writeHistoryText(report, toStandardOutput);
    return written ? kDone : kFailed;
}

int run(const std::vector<std::string>& args)
{
    const ParseResult parsed = parseWithConditionFile(args);
    if (const auto* info = std::get_if<InfoText>(&parsed)) {
        return writeOut(info->text) ? kDone : kFailed;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        complain(error->message + "\nRun 'shrink2d-cli --help' to see the options.");
        return kBadUsage;
    }
    const auto& request = std::get<RunRequest>(parsed);

    if (request.saveConditions) {
        const std::string text =
            conditionFileText(request.settings, request.tolerance, request.givenConditions);
        if (const auto failure = replaceFile(*request.saveConditions, text)) {
            complain("--save-conditions: " + *failure);
            return kBadUsage;
        }
    }

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
        const std::string report =
            request.json ? statsJson(counts) : statsText(counts, activeGroups(request.settings));
        return writeOut(report) ? kDone : kFailed;
    }

    const PassOutcome outcome = runTolerantPass(listText, request.settings, request.tolerance);
    // As in the window, the empty-list message does not end the pass.
    if (outcome.listWasEmpty) complain(kEmptyListPrompt);
    if (outcome.unreadable) return stopAt(*outcome.unreadable);
    return writeOut(request.json ? jsonOutput(outcome) : plainOutput(outcome)) ? kDone : kFailed;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        platform::prepareStandardStreams();
        return run(platform::arguments(argc, argv));
    } catch (const std::exception& error) { // in practice only a list too large for memory
        complain(error.what());
        return kFailed;
    }
}
