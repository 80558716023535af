// The second module of the web edition: the command line's history check and condition files,
// through the same functions the command line calls. Loaded when a tool of "更多" is first used.

#include "bridge.h"
#include "cli/condition_file.h"
#include "cli/condition_items.h"
#include "cli/history.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/reports.h"
#include "filtering/candidate_list.h"
#include "filtering/filter_pass.h"
#include "filtering/generation.h"
#include "filtering/messages.h"
#include "filtering/typed_numbers.h"

#include <emscripten/bind.h>
#include <nlohmann/json.hpp>

#include <limits>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shrink2d::web {
namespace {

using Json = nlohmann::ordered_json;
using emscripten::val;

Json settingsJson(const FilterSettings& settings)
{
    Json boxes = Json::array();
    for (const ConditionEntry* entry : pageGroups()) {
        if (entry->isTyped()) {
            boxes.push_back(typedNumbers(tickedBoxes(*entry, settings)));
        } else {
            boxes.push_back(tickedBoxes(*entry, settings).to_ulong());
        }
    }
    Json kill = Json::array();
    for (const ModePair& pair : modePairs()) kill.push_back(isKill(pair, settings));
    return {{"boxes", boxes}, {"kill", kill}};
}

// The report --history --json prints for these draws, the last lastDraws of them (as the 最近
// field holds it; empty for all), on the list the digit rows generate (a draw outside it is
// missed); or {"error": message} for a file the CLI refuses, in Chinese, naming the draws as
// source does.
std::string historyReport(const std::string& content, const std::string& source,
                          const std::string& lastDraws, const val& boxes, const val& kill,
                          unsigned tolerance, unsigned first, unsigned second)
{
    // As --last reads its value; nothing is every draw.
    const cli::WholeNumber last =
        cli::readWholeNumber(lastDraws, 1, std::numeric_limits<std::size_t>::max() / 2);
    if (!lastDraws.empty() && !last.value) {
        return Json{{"error", say(Message::LastDrawsField, Language::Chinese)}}.dump();
    }
    auto read = cli::readDraws(std::string_view(content), source, Language::Chinese);
    if (const auto* refusal = std::get_if<cli::HistoryRefusal>(&read)) {
        return Json{{"error", refusal->message}}.dump();
    }
    auto& draws = std::get<std::vector<cli::Draw>>(read);
    if (last.value && draws.size() > *last.value) {
        draws.erase(draws.begin(), draws.end() - static_cast<std::ptrdiff_t>(*last.value));
    }
    FilterSettings settings;
    try {
        settings = settingsFrom(boxes, kill);
    } catch (const SettingsRefused& refused) {
        return Json{{"error", refused.message}}.dump();
    }
    const DigitSet firstDigits(first & 0x3FFU);
    const DigitSet secondDigits(second & 0x3FFU);
    const PassOutcome full =
        runTolerantPass(generateCandidates(firstDigits, secondDigits), settings, tolerance);
    const cli::HistoryReport report =
        cli::checkDraws(std::move(draws), cli::listedNumbers(firstDigits, secondDigits), settings,
                        tolerance, countCandidates(full.listText));
    std::string json;
    cli::writeHistoryJson(report, [&json](std::string_view piece) {
        json += piece;
        return true;
    });
    // The command line's report, and beside it what the page shows as the Chinese report writes
    // it: the share kept, and what keeps each draw out. Appended to the text rather than parsed
    // and written again: ten thousand draws make a report of a megabyte.
    json.resize(json.rfind('}'));
    json += ",\"kept_percent\":\"" + cli::percentage(report.keptCount, report.draws.size()) +
            "\",\"reasons\":[";
    for (const cli::Draw& draw : report.draws) {
        if (&draw != report.draws.data()) json += ',';
        cli::appendJsonString(json, cli::rejectionText(report, draw, Language::Chinese));
    }
    return json + "]}";
}

// {"file": text} with the condition file --save-conditions writes, naming the groups in use and
// the modes set to kill; or {"error": message} for settings the page's boxes cannot stand for.
std::string writeConditions(const val& boxes, const val& kill, unsigned tolerance)
{
    FilterSettings settings;
    try {
        settings = settingsFrom(boxes, kill);
    } catch (const SettingsRefused& refused) {
        return Json{{"error", refused.message}}.dump();
    }
    std::vector<std::string_view> given;
    for (const ConditionEntry& entry : conditionCatalogue()) {
        if (isActive(entry, settings)) given.push_back(entry.fileKey);
    }
    for (const ModePair& pair : modePairs()) {
        if (isKill(pair, settings)) given.push_back(pair.fileKey);
    }
    return Json{{"file", cli::conditionFileText(settings, tolerance, given)}}.dump();
}

// The settings and tolerance of a condition file, read as --conditions reads it, or
// {"error": message} with the command line's message in Chinese.
std::string readConditions(const std::string& content)
{
    cli::RunRequest request;
    if (const std::optional<std::string> problem =
            cli::readConditionFile(content, request, Language::Chinese)) {
        return Json{{"error", *problem}}.dump();
    }
    Json result = settingsJson(request.settings);
    result["tolerance"] = request.tolerance;
    return result.dump();
}

// What the page says of a file that no decoder reads as text, naming it as source does.
std::string notText(const std::string& source)
{
    return say(Message::NotText, Language::Chinese, {source});
}

} // namespace
} // namespace shrink2d::web

EMSCRIPTEN_BINDINGS(shrink2d_tools)
{
    using namespace emscripten;
    using namespace shrink2d::web;
    function("historyReport", &historyReport);
    function("writeConditions", &writeConditions);
    function("readConditions", &readConditions);
    function("notText", &notText);
}
