#pragma once

#include "cli/options.h"

#include <string>
#include <vector>

namespace shrink2d::cli {

// parseCommandLine, then, with --conditions, the file's conditions added to the typed ones. A
// file that cannot be read or used, and a condition both typed and in the file, are usage errors
// that name the file; a problem in its content comes without the --help hint. Apart from the
// condition files themselves, so that a front end that reads them does not carry the parser.
ParseResult parseWithConditionFile(const std::vector<std::string>& args, Language language);

} // namespace shrink2d::cli
