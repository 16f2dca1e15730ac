#pragma once

// `corekit dict merge TEMPLATE DICT [--output FILE]`: a dictionary brought up to a new template.

#include <memory>

#include "tools/command.h"

namespace corekit::tool {

// Adds the `merge` subcommand to the `dict` command.
std::unique_ptr<Command> AddDictMergeCommand(CLI::App& dict);

}  // namespace corekit::tool
