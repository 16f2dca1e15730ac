#pragma once

// `corekit now`: the current GPS time in every form of `corekit time`.

#include <memory>

#include "tools/command.h"
#include "tools/time_report.h"
#include "tools/time_text_options.h"

namespace corekit::tool {

// The current time: TCurrentTime's whole seconds, or for milliseconds and nanoseconds the system
// clock read to the nanosecond. No time (0) when the clock lies outside the GPS range.
PreciseTime CurrentTime(Precision precision);

// Adds the `now` subcommand to the application.
std::unique_ptr<Command> AddNowCommand(CLI::App& app);

}  // namespace corekit::tool
