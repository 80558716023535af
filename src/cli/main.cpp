#include "cli/list_input.h"
#include "cli/options.h"
#include "cli/output.h"
#include "filtering/filter_pass.h"
#include "filtering/messages.h"

#include <exception>

using namespace shrink2d;
using namespace shrink2d::cli;

namespace {

int run(const std::vector<std::string>& args)
{
    const ParseResult parsed = parseCommandLine(args);
    if (const auto* info = std::get_if<InfoText>(&parsed)) {
        return writeOut(info->text) ? kDone : kFailed;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        complain(error->message + "\nRun 'shrink2d-cli --help' to see the options.");
        return kBadUsage;
    }
    const auto& request = std::get<RunRequest>(parsed);

    const ReadResult list = loadListText(request);
    if (const auto* failure = std::get_if<ReadFailure>(&list)) {
        complain(failure->message);
        return kBadUsage;
    }
    const PassOutcome outcome = runFilterPass(std::get<std::string>(list), request.settings);
    // As in the window, the empty-list message does not end the pass.
    if (outcome.listWasEmpty) complain(kEmptyListPrompt);
    if (outcome.unreadable) {
        complain(describeUnreadable(*outcome.unreadable) +
                 "\nThe list may hold only two-digit numbers (00 to 99) separated by blanks.");
        return kUnreadableElement;
    }
    return writeOut(request.json ? jsonOutput(outcome) : plainOutput(outcome)) ? kDone : kFailed;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) { // in practice only a list too large for memory
        complain(error.what());
        return kFailed;
    }
}
