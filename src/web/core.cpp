// The web edition's front end to the core, as the command line is another: the page calls these
// functions through embind and keeps no rule of its own. This module is what the form needs and
// loads with the page; tools.cpp, loaded when a tool of "更多" is first used, holds the command
// line's file formats. Lists come in through memory the page allocated with malloc (a string
// argument would be copied onto the small stack); reports go out as JSON text, in the command
// line's formats where it has one.

#include "bridge.h"
#include "filtering/candidate_list.h"
#include "filtering/catalogue.h"
#include "filtering/filter_pass.h"
#include "filtering/generation.h"
#include "filtering/messages.h"
#include "filtering/version.h"
#include "form/counts_json.h"
#include "form/descriptions.h"
#include "form/groups.h"
#include "form/home_page.h"
#include "form/layout.h"
#include "form/notice.h"
#include "form/title.h"
#include "page_groups.h"

#include <emscripten/bind.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shrink2d::web {
namespace {

using Json = nlohmann::ordered_json;
using emscripten::val;

std::string text(std::string_view view) { return std::string(view); }

// The digits 0 to 9, a box each in a digit row.
constexpr std::size_t kDigits = 10;

Json boxJson(const layout::Box& box) { return {box.left, box.top, box.width, box.height}; }

// Where items 0 to count - 1 of a grid stand.
Json placesJson(const layout::Grid& grid, std::size_t count)
{
    Json places = Json::array();
    for (int k = 0; k < static_cast<int>(count); ++k) places.push_back(boxJson(grid.place(k)));
    return places;
}

// The controls that show a group on the page: the window's, or the page's own.
const layout::GroupControls* controlsOnThePage(ConditionGroup group)
{
    if (const layout::GroupControls* shown = layout::controlsOf(group, layout::kFormGroups)) {
        return shown;
    }
    for (const PageGroup& own : kPageGroups) {
        if (own.controls.group == group) return &own.controls;
    }
    return nullptr;
}

// How many boxes an array holds on the page: a digit row's ten, or those of the groups it shows.
std::size_t boxesOf(std::string_view array)
{
    const auto isDigitRow = [array](const layout::DigitRow& row) { return row.control == array; };
    if (std::any_of(layout::kDigitRows.begin(), layout::kDigitRows.end(), isDigitRow))
        return kDigits;
    std::size_t count = 0;
    for (const ConditionEntry* entry : pageGroups()) {
        const layout::GroupControls* shown = controlsOnThePage(entry->group);
        if (shown == nullptr || shown->control != array) continue;
        count = std::max(count, static_cast<std::size_t>(shown->firstItem) + entry->boxCount());
    }
    return count;
}

// One row of a layout table, tagged with its kind, with the fields that kind of row has; an
// array's or a pair's grid as the place of each of its items.
template <typename Row> Json rowJson(const char* kind, const Row& row)
{
    Json json = {{"kind", kind}};
    if constexpr (requires { row.frame; }) json["frame"] = row.frame;
    json["name"] = row.name;
    if constexpr (requires { row.item; }) json["item"] = row.item;
    if constexpr (requires { row.caption; }) json["caption"] = row.caption;
    if constexpr (requires { row.multiLine; }) json["multiLine"] = row.multiLine;
    if constexpr (requires { row.box; }) json["box"] = boxJson(row.box);
    return json;
}

struct RowJson {
    Json operator()(const layout::FrameRow& row) const { return rowJson("frame", row); }
    Json operator()(const layout::BoxesRow& row) const
    {
        Json json = rowJson("boxes", row);
        json["places"] = placesJson(row.grid, boxesOf(row.name));
        return json;
    }
    Json operator()(const layout::PairRow& row) const
    {
        Json json = rowJson("pair", row);
        json["places"] = placesJson(row.grid, kModeCaptions.size());
        return json;
    }
    Json operator()(const layout::LabelRow& row) const { return rowJson("label", row); }
    Json operator()(const layout::CommandRow& row) const { return rowJson("command", row); }
    Json operator()(const layout::TextRow& row) const { return rowJson("text", row); }
};

template <typename Rows> Json tableJson(const Rows& rows)
{
    Json table = Json::array();
    for (const layout::Row& row : rows) table.push_back(std::visit(RowJson{}, row));
    return table;
}

Json captionsJson(std::span<const std::string_view> captions)
{
    Json array = Json::array();
    for (const std::string_view caption : captions) array.push_back(caption);
    return array;
}

Json unreadableJson(const Unreadable& unreadable)
{
    return {{"position", unreadable.position}, {"message", unreadableMessage(unreadable)}};
}

// What a press of "2、过滤" leaves, for the page to show.
struct PassResult {
    bool listWasEmpty = false;
    bool stopped = false; // at an element that cannot be read: listText is the list to keep
    std::string listText;
    std::string countLine;
    std::string message;
    std::size_t position = 0;
};

// The rows of a group of the page's own table, after frames frames of its page.
void appendRows(std::vector<layout::Row>& rows, const PageGroup& own, int frames)
{
    const layout::GroupControls& names = own.controls;
    rows.emplace_back(layout::FrameRow{names.frame, -1, {}, own.frame});
    if (entryOf(names.group).isTyped()) {
        rows.emplace_back(layout::TextRow{frames, names.control, true, own.place.first});
    } else {
        rows.emplace_back(layout::BoxesRow{frames, names.control, own.place});
    }
    if (!names.pair.empty()) rows.emplace_back(layout::PairRow{frames, names.pair, own.pair});
    if (!own.label.caption.empty()) {
        layout::LabelRow label = own.label;
        label.frame = frames;
        rows.emplace_back(label);
    }
}

// The pages in order: each one's name, the window's rows and those of the page's own groups on
// it, and the names of its arrays, pairs and boxes in the order the keyboard visits them.
struct PagesJson {
    Json names = Json::array();
    Json rows = Json::array();
    Json readingOrder = Json::array();
};

PagesJson pagesJson()
{
    PagesJson pages;
    for (std::size_t index = 0; index < layout::kConditionPages.size(); ++index) {
        const layout::Page& page = layout::kConditionPages[index];
        std::vector<layout::Row> rows(page.rows.begin(), page.rows.end());
        for (const PageGroup& own : kPageGroups) {
            if (entryOf(own.controls.group).page != index) continue;
            const auto frames = std::count_if(rows.begin(), rows.end(), [](const layout::Row& row) {
                return std::holds_alternative<layout::FrameRow>(row);
            });
            appendRows(rows, own, static_cast<int>(frames));
        }
        pages.names.push_back(page.name);
        pages.rows.push_back(tableJson(rows));
        Json names = Json::array();
        for (const layout::PageStop& stop : layout::readingOrder(rows)) names.push_back(stop.name);
        pages.readingOrder.push_back(names);
    }
    return pages;
}

// Everything the page builds its form from: the catalogue's groups that the page shows with the
// controls that show them, the layout tables and the texts, the names and descriptions of the
// other controls among them.
std::string coreData()
{
    Json groups = Json::array();
    std::array<std::string_view, kModePairCount> pairControls{};
    for (const ConditionEntry* shownEntry : pageGroups()) {
        const ConditionEntry& entry = *shownEntry;
        // A group missing from the tables is listed without controls, and the page lacks it.
        const layout::GroupControls* controls = controlsOnThePage(entry.group);
        const layout::GroupControls shown =
            controls ? *controls : layout::GroupControls{.group = entry.group, .control = {}};
        groups.push_back(
            {{"key", entry.key},
             {"caption", entry.caption},
             // A typed group's numbers are typed, not ticked.
             {"boxCaptions", entry.isTyped() ? Json::array() : captionsJson(entry.boxCaptions)},
             {"typed", entry.isTyped()},
             {"digitRow", entry.isDigitRow()},
             {"page", entry.page},
             {"control", shown.control},
             {"frame", shown.frame},
             {"firstItem", shown.firstItem},
             {"pair", shown.pair.empty() ? Json(nullptr) : Json(shown.pair)},
             {"description", entry.description},
             {"option", entry.option},
             {"fileKey", entry.fileKey}});
        if (entry.mode != nullptr) pairControls.at(indexOf(*entry.mode)) = shown.pair;
    }
    Json pairs = Json::array();
    for (const ModePair& pair : modePairs()) {
        pairs.push_back({{"control", pairControls.at(indexOf(pair))},
                         {"option", pair.option},
                         {"captions", captionsJson(kModeCaptions)},
                         {"patterns", patternsOf(pair)},
                         {"buttonDescriptions", captionsJson(kModeButtonDescriptions)},
                         {"frameDescription", kModeFrameDescription}});
    }
    Json digitRows = Json::object();
    for (const layout::DigitRow& row : layout::kDigitRows) {
        digitRows[text(row.control)] = {{"position", row.position},
                                        {"description", row.description}};
    }
    Json descriptions = Json::object();
    for (const layout::ControlDescription& row : layout::kControlDescriptions) {
        descriptions[text(row.control)] = {{"name", row.name}, {"description", row.description}};
    }
    const PagesJson pages = pagesJson();
    const Json selectors = placesJson(layout::kPageSelectors, layout::kConditionPages.size());
    return Json{{"version", SHRINK2D_VERSION},
                {"title", formTitle()},
                {"homePage", kHomePage},
                {"messageTitle", kMessageTitle},
                {"emptyListPrompt", kEmptyListPrompt},
                {"notice", kNotice},
                {"digitCaptions", captionsJson({kNumberCaptions.data(), kDigits})},
                {"digitRows", digitRows},
                {"controls", descriptions},
                {"pageSelectorDescription", layout::kPageSelectorDescription},
                {"groups", groups},
                {"pairs", pairs},
                {"layout",
                 {{"window", boxJson(layout::kWindow)},
                  {"pageNames", pages.names},
                  {"pageSelectors", selectors},
                  {"pages", boxJson(layout::kPages)},
                  {"form", tableJson(layout::kWindowLayout)},
                  {"pageRows", pages.rows},
                  {"readingOrder", pages.readingOrder}}}}
        .dump();
}

std::string generate(unsigned first, unsigned second)
{
    return generateCandidates(DigitSet(first & 0x3FFU), DigitSet(second & 0x3FFU));
}

// What a paste into the result box inserts: a list with separators in the box's written form.
std::string pasted(std::uintptr_t address, std::size_t length)
{
    return pastedList(std::string(memoryText(address, length)));
}

std::string countLineOf(std::uintptr_t address, std::size_t length)
{
    return countLine(countCandidates(memoryText(address, length)));
}

PassResult filterPass(std::uintptr_t address, std::size_t length, const val& boxes, const val& kill,
                      unsigned tolerance)
{
    PassResult result;
    FilterSettings settings;
    try {
        settings = settingsFrom(boxes, kill);
    } catch (const SettingsRefused& refused) {
        // Nothing filtered: the list stays as it is, and the message says what to correct.
        result.stopped = true;
        result.listText = memoryText(address, length);
        result.message = refused.message;
        return result;
    }
    const PassOutcome outcome = runTolerantPass(memoryText(address, length), settings, tolerance);
    result.listWasEmpty = outcome.listWasEmpty;
    result.listText = outcome.listText;
    if (outcome.unreadable) {
        result.stopped = true;
        result.message = unreadableMessage(*outcome.unreadable);
        result.position = outcome.unreadable->position;
    } else {
        result.countLine = outcome.countLine.value_or(std::string());
    }
    return result;
}

// The survivors of runTolerantPass, or -1 when it stopped: the pass alone, for the bench, without
// the list text going back to the page.
long passCount(std::uintptr_t address, std::size_t length, const val& boxes, const val& kill,
               unsigned tolerance)
{
    try {
        const PassOutcome outcome =
            runTolerantPass(memoryText(address, length), settingsFrom(boxes, kill), tolerance);
        return outcome.unreadable ? -1 : static_cast<long>(countCandidates(outcome.listText));
    } catch (const SettingsRefused&) {
        return -1;
    }
}

// {"rows":{…},"in":N,"out":K} as --stats --json prints it with "active":[keys…] of the groups in
// use, {"unreadable":{…}} for a list it
// cannot read, or {"refused": message} for settings the boxes cannot stand for.
std::string groupCounts(std::uintptr_t address, std::size_t length, const val& boxes,
                        const val& kill, unsigned tolerance)
{
    FilterSettings settings;
    try {
        settings = settingsFrom(boxes, kill);
    } catch (const SettingsRefused& refused) {
        return Json{{"refused", refused.message}}.dump();
    }
    const auto stats = groupStats(memoryText(address, length), settings, tolerance);
    if (const auto* unreadable = std::get_if<Unreadable>(&stats)) {
        return Json{{"unreadable", unreadableJson(*unreadable)}}.dump();
    }
    // And, for the page's table, the keys of the groups in use, as the command line lists them.
    std::string json = form::statsJson(std::get<GroupStats>(stats));
    Json active = Json::array();
    for (const ConditionEntry* entry : pageGroups()) {
        if (isActive(*entry, settings)) active.push_back(entry->key);
    }
    json.resize(json.rfind('}'));
    return json + ",\"active\":" + active.dump() + "}";
}

} // namespace
} // namespace shrink2d::web

EMSCRIPTEN_BINDINGS(shrink2d)
{
    using namespace emscripten;
    using namespace shrink2d::web;
    value_object<PassResult>("PassResult")
        .field("listWasEmpty", &PassResult::listWasEmpty)
        .field("stopped", &PassResult::stopped)
        .field("listText", &PassResult::listText)
        .field("countLine", &PassResult::countLine)
        .field("message", &PassResult::message)
        .field("position", &PassResult::position);
    function("coreData", &coreData);
    function("generate", &generate);
    function("countLineOf", &countLineOf);
    function("pastedList", &pasted);
    function("filterPass", &filterPass);
    function("groupCounts", &groupCounts);
    function("passCount", &passCount);
}
