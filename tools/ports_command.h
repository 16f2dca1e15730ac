#pragma once

// `corekit ports`: the serial ports of the machine, one a line.

#include <memory>
#include <string>

#include "tools/command.h"

namespace corekit::tool {

// The port names one a line, or a line saying that there are none.
std::string FormatPorts();

// Adds the `ports` subcommand to the application.
std::unique_ptr<Command> AddPortsCommand(CLI::App& app);

}  // namespace corekit::tool
