#pragma once

// `corekit dict extract|merge|stats|check`: the translator's tools for dictionary files.

#include <memory>
#include <vector>

#include "tools/command.h"

namespace corekit::tool {

// Adds the `dict` command with its subcommands to the application, and their commands to commands.
void AddDictCommands(CLI::App& app, std::vector<std::unique_ptr<Command>>& commands);

}  // namespace corekit::tool
