#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The lists players write, as files and as pastes (tests/data/player_inputs.json, which the
// browser tests read too): what each reads as, where the reading stops, or that it is no text.
namespace shrink2d::test {

struct PlayerInput {
    std::string name;
    std::string bytes;
    std::optional<std::string> list; // the list text, when the file reads whole
    std::size_t stopsAt = 0;         // else the element, from 1, a list file may not hold
    std::string element;
    bool refused = false; // else no decoder accepts the bytes
};

inline void PrintTo(const PlayerInput& row, std::ostream* os) { *os << row.name; }

inline std::vector<PlayerInput> playerInputs()
{
    std::ifstream file(SHRINK2D_TEST_DATA "/player_inputs.json", std::ios::binary);
    const nlohmann::json rows = nlohmann::json::parse(file);
    std::vector<PlayerInput> inputs;
    for (const nlohmann::json& row : rows) {
        PlayerInput input;
        input.name = row.at("name");
        if (row.contains("text")) {
            input.bytes = row.at("text");
        } else {
            const std::string hex = row.at("hex");
            for (std::size_t k = 0; k + 1 < hex.size(); k += 2) {
                input.bytes += static_cast<char>(std::stoi(hex.substr(k, 2), nullptr, 16));
            }
        }
        if (row.contains("list")) input.list = row.at("list");
        input.stopsAt = row.value("stopsAt", std::size_t{0});
        input.element = row.value("element", std::string());
        input.refused = row.value("refused", false);
        inputs.push_back(input);
    }
    return inputs;
}

} // namespace shrink2d::test
