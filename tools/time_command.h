#pragma once

// `corekit time`: reads a time in one of several forms and prints it in all of them.

#include <memory>
#include <optional>
#include <string>

#include "corekit/gpstime/gps_time.h"
#include "tools/command.h"

namespace corekit::tool {

// The texts given for each input form; an empty optional was not given.
struct TimeInputs {
  std::optional<std::string> calendar{};  // YYYY-MM-DD or YYYY-MM-DDThh:mm:ss
  std::optional<std::string> seconds{};
  std::optional<std::string> week{};
  std::optional<std::string> secondOfWeek{};
  std::optional<std::string> year{};
  std::optional<std::string> dayOfYear{};
  std::optional<std::string> dos{};
  std::optional<std::string> julian{};
};

// A valid time, or the one-line reason there is none.
struct TimeResult {
  TGPSTime time;
  std::string error;  // empty when time is valid
};

// Checks that exactly one form was given and converts it; never yields an invalid time.
TimeResult ResolveTime(const TimeInputs& inputs);

// The aligned block of every form of a valid time, one "label  value" line each.
std::string FormatTime(const TGPSTime& time);

// Adds the `time` subcommand to the application.
std::unique_ptr<Command> AddTimeCommand(CLI::App& app);

}  // namespace corekit::tool
