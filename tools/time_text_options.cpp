#include "tools/time_text_options.h"

#include <CLI/CLI.hpp>
#include <cstdint>

#include "corekit/gpstime/leap_seconds.h"
#include "tools/number_text.h"

namespace corekit::tool {
namespace {

constexpr int LastMode = 4;
constexpr int LargestZoneOffset = 720;
constexpr int LocalTimeZone = 800;

}  // namespace

bool ResolveTextForm(const TextInputs& in, TextForm& form, std::string& error) {
  TextForm result;
  std::int32_t value = 0;
  if (in.mode) {
    if (ParseSigned32(*in.mode, value) != NumberStatus::Ok || value < 0 || value > LastMode) {
      error = "--mode: '" + *in.mode +
              "' is not 0 to 4 (1 the time, 2 the date, 3 both with a space, 4 both without)";
      return false;
    }
    result.mode = value;
  }
  if (in.zone) {
    if (*in.zone == "local") {
      value = LocalTimeZone;
    } else if (ParseSigned32(*in.zone, value) != NumberStatus::Ok ||
               ((value < -LargestZoneOffset || value > LargestZoneOffset) &&
                value != LocalTimeZone)) {
      error = "--zone: '" + *in.zone + "' is not minutes from -720 to 720, or local (800)";
      return false;
    }
    result.zone = value;
  }
  if (in.milliseconds && in.nanoseconds) {
    error = "give --ms or --ns, not both";
    return false;
  }
  result.precision = in.milliseconds  ? Precision::Milliseconds
                     : in.nanoseconds ? Precision::Nanoseconds
                                      : Precision::Seconds;
  if (in.timeFormat && result.precision != Precision::Seconds) {
    error = "--time-format does not apply with --ms or --ns: their time of day is always hh:mm:ss";
    return false;
  }
  result.dateFormat = in.dateFormat;
  result.timeFormat = in.timeFormat;
  form = result;
  return true;
}

TimeTextOptions::TimeTextOptions(CLI::App& command) {
  m_mode.option = command
                      .add_option("--mode", m_mode.text,
                                  "Text: 1 the time, 2 the date, 3 date and time (default), 4 "
                                  "date and time without a space")
                      ->type_name("M");
  m_zone.option =
      command
          .add_option("--zone", m_zone.text,
                      "Text: minutes east of UTC (-720 to 720), or local for the local time")
          ->type_name("Z");
  m_dateFormat.option =
      command
          .add_option("--date-format", m_dateFormat.text,
                      "Text: date picture such as yyyy-MM-dd or 'dddd, d. MMMM yyyy' (default: "
                      "the locale's)")
          ->type_name("PICTURE");
  m_timeFormat.option =
      command
          .add_option("--time-format", m_timeFormat.text,
                      "Text: time picture such as HH:mm:ss or 'h:mm tt' (default: the locale's)")
          ->type_name("PICTURE");
  m_milliseconds.option = command.add_flag("--ms")->description("Show the time with milliseconds");
  m_nanoseconds.option = command.add_flag("--ns")->description("Show the time with nanoseconds");
  m_leapFile.option =
      command
          .add_option("--leap-file", m_leapFile.text,
                      "Leap seconds from a leap-seconds.list file instead of the built-in table")
          ->type_name("FILE");
}

bool TimeTextOptions::LoadLeapFile(std::string& error) const {
  const std::optional<std::string> file = m_leapFile.Value();
  KString reason;
  if (!file || TLeapSeconds::LoadFile(file->c_str(), reason)) return true;
  error = "--leap-file: " + std::string(static_cast<const char*>(reason));
  return false;
}

TextInputs TimeTextOptions::Inputs() const {
  TextInputs inputs;
  inputs.mode = m_mode.Value();
  inputs.zone = m_zone.Value();
  inputs.dateFormat = m_dateFormat.Value();
  inputs.timeFormat = m_timeFormat.Value();
  inputs.milliseconds = m_milliseconds.Given();
  inputs.nanoseconds = m_nanoseconds.Given();
  return inputs;
}

}  // namespace corekit::tool
