#include "cli11_quirks.h"

#include "filtering/utf8.h"

#include <algorithm>
#include <limits>

namespace shrink2d::cli::cli11 {

std::vector<std::string> arguments(const std::vector<std::string>& args)
{
    std::vector<std::string> out;
    for (const std::string& arg : args) {
        const bool emptyValue = arg.starts_with("--") && arg.find('=') == arg.size() - 1;
        out.push_back(emptyValue ? arg.substr(0, arg.size() - 1) : arg);
        if (emptyValue) out.emplace_back();
    }
    std::reverse(out.begin(), out.end());
    return out;
}

std::size_t timesGiven(const CLI::App& app, const CLI::Option* option)
{
    const std::vector<CLI::Option*>& order = app.parse_order(); // an entry for each time given
    return static_cast<std::size_t>(std::count(order.begin(), order.end(), option));
}

void refuseWhatHelpDoesNotOutrank(const CLI::App& app)
{
    for (const CLI::Option* option : app.get_options()) {
        const std::size_t given = timesGiven(app, option);
        if (option->get_expected_min() > 0 && given > 1) {
            throw CLI::ArgumentMismatch::AtMost(option->get_name(), 1, given);
        }
        if (option->get_expected_min() == 0 && given > 0 && option != app.get_help_ptr()) {
            option->as<bool>();
        }
    }
}

std::string oneLine(const CLI::Error& error)
{
    return visibleText(error.what(), std::numeric_limits<std::size_t>::max());
}

} // namespace shrink2d::cli::cli11
