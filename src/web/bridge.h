#pragma once

// What the two modules of the web edition share: how the page hands in its settings and lists.

#include "filtering/catalogue.h"
#include "filtering/filter_settings.h"

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <string_view>
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

// The settings the page's controls stand for: boxes[g] holds the ticked boxes of the page's group
// g (bit k for box k), kill[p] whether 杀 is selected in fix/kill pair p.
inline FilterSettings settingsFrom(const emscripten::val& boxes, const emscripten::val& kill)
{
    FilterSettings settings;
    const std::vector<const ConditionEntry*> groups = pageGroups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const unsigned bits = boxes[g].as<unsigned>();
        setTickedBoxes(*groups[g], settings, Boxes(bits & ((1U << groups[g]->boxCount()) - 1)));
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
