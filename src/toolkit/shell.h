#pragma once

#include <QWidget>

#include <string_view>

namespace shrink2d::toolkit {

// Show command that asks for the target to be shown normally.
inline constexpr int kShowNormal = 5;

// The shell operation the program uses: perform a verb ("open") on a file or web address on
// behalf of an owner window. Nothing is read back but whether the request was handed over.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool Execute(WId owner, std::string_view verb, std::string_view file,
                         std::string_view parameters, std::string_view directory,
                         int showCommand) = 0;
};

// Opens web addresses in the default browser through the system's shell (platform.h). Never
// builds a command line; verbs other than "open", addresses that do not parse and addresses
// other than http and https are refused.
class DesktopShell : public Shell {
public:
    bool Execute(WId owner, std::string_view verb, std::string_view file,
                 std::string_view parameters, std::string_view directory, int showCommand) override;
};

} // namespace shrink2d::toolkit
