#include "form/counts_json.h"

namespace shrink2d::form {

void appendRowsJson(std::string& out, const std::array<std::size_t, kConditionGroupCount>& counts)
{
    out += "\"rows\":{";
    for (const ConditionEntry& entry : conditionCatalogue()) {
        if (entry.index() > 0) out += ',';
        out += '"';
        out += entry.key;
        out += "\":" + std::to_string(counts[entry.index()]);
    }
    out += '}';
}

std::string statsJson(const GroupStats& stats)
{
    std::string out = "{";
    appendRowsJson(out, stats.rejectedBy);
    out += ",\"in\":" + std::to_string(stats.in) + ",\"out\":" + std::to_string(stats.out) + "}\n";
    return out;
}

} // namespace shrink2d::form
