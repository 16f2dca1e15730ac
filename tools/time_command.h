#pragma once

// `corekit time`: reads a time in one of several forms and prints it in all of them.

#include <memory>
#include <optional>
#include <string>

#include "corekit/gpstime/gps_time.h"
#include "tools/command.h"
#include "tools/time_report.h"
#include "tools/time_text_options.h"

namespace corekit::tool {

// The texts given for each input form; an empty optional was not given.
struct TimeInputs {
  std::optional<std::string> calendar{};  // YYYY-MM-DD or YYYY-MM-DDThh:mm:ss[.fffffffff]
  std::optional<std::string> seconds{};   // with up to nine decimals
  std::optional<std::string> week{};
  std::optional<std::string> secondOfWeek{};  // with up to nine decimals
  std::optional<std::string> system{};        // of the week: gps, gal or bds
  std::optional<std::string> bits{};          // of the week: 10, 12, 13 or full
  std::optional<std::string> year{};
  std::optional<std::string> dayOfYear{};
  std::optional<std::string> dos{};
  std::optional<std::string> julian{};
  // The UTC date a truncated week is resolved near (YYYY-MM-DD[Thh:mm:ss]); none: now.
  std::optional<std::string> reference{};
  bool utc = false;    // the time given is UTC (a date's default); numbers TGPSTime's count
  bool gps = false;    // the time given is true GPS time (the default of seconds and weeks)
  bool count = false;  // the time given is TGPSTime's count, UTC without leap seconds
};

// A time with the fraction of a second the input gave, or the one-line reason there is none.
struct TimeResult {
  TGPSTime time;  // TGPSTime's count; 0 is the GPS epoch here
  ULONG nanoseconds = 0;
  std::string error;        // empty when time is valid
  bool leapSecond = false;  // the inserted second 23:59:60 after time
  int fixedRuleWeek = 0;    // a 10-bit week as TGPSWeek reads it, when one was resolved
  std::string note;         // an option given but not used, for standard error
};

// Checks that exactly one form was given and converts it to UTC. A date is UTC, --seconds and a
// week true GPS time; utc, gps and count choose the scale instead. A Julian day is rounded to the
// nearest second. A truncated week resolves to the week nearest the reference.
TimeResult ResolveTime(const TimeInputs& inputs);

// The fraction of a second as the class of the precision holds it: TGPSTimeMS rounds to the
// nearest millisecond and TGPSTimeNS to the nearest 100 ns, halves up, a whole second carrying
// into the seconds. The rule applies to the decimals as given, so 45.9999 s with milliseconds is
// 46.000 s. Whole seconds stay as they are. A carry past the last GPS second is refused.
TimeResult RoundedTo(Precision precision, const TimeResult& time);

// Adds the `time` subcommand to the application.
std::unique_ptr<Command> AddTimeCommand(CLI::App& app);

}  // namespace corekit::tool
