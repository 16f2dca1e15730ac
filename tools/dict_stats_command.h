#pragma once

// `corekit dict stats DICT [--template T] [--min PERCENT]`: how much of a dictionary is
// translated.

#include <memory>

#include "tools/command.h"

namespace corekit::tool {

// Adds the `stats` subcommand to the `dict` command.
std::unique_ptr<Command> AddDictStatsCommand(CLI::App& dict);

}  // namespace corekit::tool
