#pragma once

// `corekit translate TEXT --to ID [--from ID] [--dict NAME]`: a text translated through the
// dictionaries beside the tool (Translate/<language>/<name>.txt).

#include <memory>

#include "tools/command.h"

namespace corekit::tool {

// Adds the `translate` subcommand to the application.
std::unique_ptr<Command> AddTranslateCommand(CLI::App& app);

}  // namespace corekit::tool
