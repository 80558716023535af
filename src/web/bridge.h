#pragma once

// What the two modules of the web edition share: how the page hands in its settings and lists.

#include "filtering/catalogue.h"
#include "filtering/filter_settings.h"

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace shrink2d::web {

// The settings the page's controls stand for: boxes[g] holds the ticked boxes of catalogue group
// g (bit k for box k), kill[p] whether 杀 is selected in fix/kill pair p.
inline FilterSettings settingsFrom(const emscripten::val& boxes, const emscripten::val& kill)
{
    FilterSettings settings;
    for (const ConditionEntry& entry : conditionCatalogue()) {
        const unsigned bits = boxes[entry.index()].as<unsigned>();
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
