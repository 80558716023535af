#include "cli/output.h"

#include "filtering/candidate_list.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace shrink2d::cli {
namespace {

bool needsEscaping(std::string_view element)
{
    for (const char c : element) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U || byte >= 0x7FU || c == '"' || c == '\\') return true;
    }
    return false;
}

} // namespace

// A million elements are written one by one rather than built as a json array first, which
// would take several times the memory of the list; only unusual elements go through the
// library's escaping.
void appendJsonString(std::string& out, std::string_view element)
{
    if (!needsEscaping(element)) {
        out += '"';
        out += element;
        out += '"';
        return;
    }
    out += nlohmann::json(std::string(element))
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string plainOutput(const PassOutcome& outcome)
{
    std::string out;
    out.reserve(outcome.listText.size() + 40);
    out += outcome.listText;
    out += '\n';
    out += outcome.countLine.value();
    out += '\n';
    return out;
}

std::string jsonOutput(const PassOutcome& outcome)
{
    std::string out = "{\"numbers\": [";
    out.reserve(outcome.listText.size() * 2 + 40);
    std::size_t count = 0;
    forEachCandidate(outcome.listText, [&](std::string_view element) {
        if (count++ > 0) out += ", ";
        appendJsonString(out, element);
    });
    out += "], \"count\": " + std::to_string(count) + "}\n";
    return out;
}

bool writeOut(std::string_view text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return (std::fflush(stdout) == 0) && written;
}

void complain(std::string_view message)
{
    std::fprintf(stderr, "shrink2d-cli: %.*s\n", static_cast<int>(message.size()), message.data());
}

} // namespace shrink2d::cli
