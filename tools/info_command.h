#pragma once

// `corekit info [MODULE...]`: what the library tells an application about itself, and the version
// numbers of modules.

#include <memory>
#include <string>
#include <vector>

#include "tools/command.h"

namespace corekit::tool {

// The application's name, folder, per-user folder and version, then the version of each module
// file; false with a one-line reason in error when a module cannot be loaded.
bool FormatInfo(const std::vector<std::string>& modules, std::string& report, std::string& error);

// Adds the `info` subcommand to the application.
std::unique_ptr<Command> AddInfoCommand(CLI::App& app);

}  // namespace corekit::tool
