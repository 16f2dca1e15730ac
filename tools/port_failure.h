#pragma once

// How the serial-port commands report a port that failed them.

#include <ostream>
#include <string>

#include "corekit/platform/interface_types.h"

namespace corekit::tool {

// Writes "corekit: <command>: <port>: <the library's text of the code>" and returns the exit code:
// ExitUsage for a port that does not exist, ExitFailure for any other failure.
int ReportPortFailure(std::ostream& err, const char* command, const std::string& port, LONG code);

// The text of a probe's or a port's result: the library's text, or for the probe's own results
// what they mean ("nothing came from the port", "no receiver protocol at any rate").
std::string PortResultText(LONG code);

}  // namespace corekit::tool
