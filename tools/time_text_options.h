#pragma once

// The options that choose how `time` and `now` show a time as text: the time class that prints it
// and the arguments of its AsString.

#include <optional>
#include <string>

#include "tools/raw_option.h"

namespace CLI {
class App;
}

namespace corekit::tool {

// Which time class prints the text: TGPSTime, TGPSTimeMS or TGPSTimeNS.
enum class Precision { Seconds, Milliseconds, Nanoseconds };

// The text of a time, as AsString makes it.
struct TextForm {
  Precision precision = Precision::Seconds;
  int mode = 3;  // the date, a space and the time
  int zone = 0;  // -720..720 minutes, or 800 for local time
  std::optional<std::string> dateFormat{};
  std::optional<std::string> timeFormat{};
};

// The options as given on the command line; empty optionals were not given.
struct TextInputs {
  std::optional<std::string> mode{};
  std::optional<std::string> zone{};
  std::optional<std::string> dateFormat{};
  std::optional<std::string> timeFormat{};
  bool milliseconds = false;
  bool nanoseconds = false;
};

// Checks the options and gives the form, or a one-line reason in error.
bool ResolveTextForm(const TextInputs& inputs, TextForm& form, std::string& error);

// Registers --mode, --zone, --date-format, --time-format, --ms, --ns and --leap-file on a
// subcommand.
class TimeTextOptions {
public:
  explicit TimeTextOptions(CLI::App& command);
  // What the parsed command line gave.
  TextInputs Inputs() const;
  // Loads the leap seconds of --leap-file, when given; false with a one-line reason.
  bool LoadLeapFile(std::string& error) const;

private:
  RawOption m_mode, m_zone, m_dateFormat, m_timeFormat, m_milliseconds, m_nanoseconds;
  RawOption m_leapFile;
};

}  // namespace corekit::tool
