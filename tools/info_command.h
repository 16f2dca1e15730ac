#pragma once

// `corekit info`: what the library tells an application about itself.

#include <memory>
#include <string>

#include "tools/command.h"

namespace corekit::tool {

// The application's name, folder and per-user folder, and the versions of the program and of the
// corekit library it runs with.
std::string FormatInfo();

// Adds the `info` subcommand to the application.
std::unique_ptr<Command> AddInfoCommand(CLI::App& app);

}  // namespace corekit::tool
