#pragma once

// `corekit dict check DICT [--encoding ENC]`: the faults that translators make, each with its line.

#include <memory>

#include "tools/command.h"

namespace corekit::tool {

// Adds the `check` subcommand to the `dict` command.
std::unique_ptr<Command> AddDictCheckCommand(CLI::App& dict);

}  // namespace corekit::tool
