#pragma once

// What the two modules of the web edition share: how the page hands in its settings and lists.

#include "filtering/catalogue.h"
#include "filtering/filter_settings.h"
#include "filtering/messages.h"
#include "filtering/typed_numbers.h"

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shrink2d::web {

// The groups the page shows, in catalogue order: the page's lists of groups follow it.
inline std::vector<const ConditionEntry*> pageGroups()
{
    std::vector<const ConditionEntry*> shown;
    for (const ConditionEntry& entry : conditionCatalogue()) {
        if (entry.shownBy.page) shown.push_back(&entry);
    }
    return shown;
}

// Settings the page's controls cannot stand for: what a typed group's text box holds is not a
// list of numbers. message says so in Chinese, naming the group.
struct SettingsRefused {
    std::string message;
};

// The settings the page's controls stand for: boxes[g] holds the ticked boxes of the page's group
// g (bit k for box k), or the text of a typed group's box; kill[p] whether 杀 is selected in
// fix/kill pair p. Throws SettingsRefused for a text that is not a list of numbers.
inline FilterSettings settingsFrom(const emscripten::val& boxes, const emscripten::val& kill)
{
    FilterSettings settings;
    const std::vector<const ConditionEntry*> groups = pageGroups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const ConditionEntry& entry = *groups[g];
        if (entry.isTyped()) {
            auto read = readTypedNumbers(boxes[g].as<std::string>(), Language::Chinese);
            if (const auto* problem = std::get_if<std::string>(&read)) {
                throw SettingsRefused{say(Message::TypedNumbersInGroup, Language::Chinese,
                                          {entry.caption, *problem})};
            }
            setTickedBoxes(entry, settings, std::get<NumberSet>(read));
            continue;
        }
        const unsigned bits = boxes[g].as<unsigned>();
        setTickedBoxes(entry, settings, Boxes(bits & ((1U << entry.boxCount()) - 1)));
    }
    for (std::size_t k = 0; k < modePairs().size(); ++k) {
        setKill(modePairs()[k], settings, kill[k].as<bool>());
    }
    return settings;
}

// Text the page wrote into memory it allocated with malloc.
inline std::string_view memoryText(std::uintptr_t address, std::size_t length)
{
    return {reinterpret_cast<const char*>(address), length};
}

} // namespace shrink2d::web
