#include "tools/time_command.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corekit/gpstime/current_time.h"
#include "corekit/gpstime/gnss_week.h"
#include "corekit/gpstime/leap_seconds.h"
#include "corekit/gpstime/time_constants.h"
#include "corekit/gpstime/time_scale.h"
#include "corekit/gpstime/utc_time.h"
#include "tools/number_text.h"
#include "tools/raw_option.h"
#include "tools/time_scales_report.h"
#include "tools/time_text_options.h"

namespace corekit::tool {
namespace {

constexpr unsigned int FirstYear = 1980;
constexpr unsigned int LastYear = 2116;
constexpr const char* LastTimeText = "2116-02-12T06:28:15";

TimeResult Fail(std::string message) { return {TGPSTime(), 0, std::move(message)}; }

TimeResult Succeed(const TGPSTime& time, ULONG nanoseconds = 0) { return {time, nanoseconds, {}}; }

// Reads an option's unsigned value or says why it is not one.
bool ReadUnsigned(std::string_view option, const std::string& text, std::uint32_t& value,
                  std::string& error) {
  switch (ParseUnsigned32(text, value)) {
    case NumberStatus::Ok:
      return true;
    case NumberStatus::NotANumber:
      error = std::string(option) + ": '" + text + "' is not an unsigned whole number";
      return false;
    case NumberStatus::OutOfRange:
      break;
  }
  error = std::string(option) + ": " + text + " is out of range (at most 4294967295)";
  return false;
}

// Reads an option's seconds with an optional fraction, or says why they are none.
bool ReadSeconds(std::string_view option, const std::string& text, std::uint32_t& seconds,
                 std::uint32_t& nanoseconds, std::string& error) {
  switch (ParseSecondsAndFraction(text, seconds, nanoseconds)) {
    case NumberStatus::Ok:
      return true;
    case NumberStatus::NotANumber:
      error = std::string(option) + ": '" + text +
              "' is not a number of seconds (digits, with up to nine decimals)";
      return false;
    case NumberStatus::OutOfRange:
      break;
  }
  error = std::string(option) + ": " + text + " is out of range (at most 4294967295)";
  return false;
}

// A date, or a date and time, read as UTC; the inserted second 23:59:60 only with utc.
TimeResult FromCalendar(const std::string& text, bool utc) {
  TUTCTime read;
  KString reason;
  if (!TUTCTime::Parse(text.c_str(), read, reason)) return Fail(static_cast<const char*>(reason));
  if (read.IsLeapSecond() && !utc) return Fail(text + " is not a time of day");
  if (!read.Calendar().IsValid()) return Fail(text + " is not after the GPS epoch");
  TimeResult result = Succeed(read.Calendar(), read.Nanoseconds());
  result.leapSecond = read.IsLeapSecond() != 0;
  return result;
}

TimeResult FromSeconds(const std::string& text) {
  std::uint32_t seconds = 0, nanoseconds = 0;
  std::string error;
  if (!ReadSeconds("--seconds", text, seconds, nanoseconds, error)) return Fail(error);
  if (seconds == 0) {
    return Fail("--seconds: " + text + " is no time: its whole seconds are 0, the GPS epoch");
  }
  return Succeed(TGPSTime(static_cast<ULONG>(seconds)), nanoseconds);
}

TimeResult FromWeek(const TimeInputs& in) {
  if (!in.week || !in.secondOfWeek) {
    return Fail(in.week ? "--week needs --sow" : "--sow needs --week");
  }
  std::uint32_t week = 0, sow = 0, nanoseconds = 0;
  std::string error;
  if (!ReadUnsigned("--week", *in.week, week, error) ||
      !ReadSeconds("--sow", *in.secondOfWeek, sow, nanoseconds, error)) {
    return Fail(error);
  }
  if (sow >= SecondsPerWeek) {
    return Fail("--sow: " + *in.secondOfWeek + " is out of range (0 to 604799)");
  }
  if (week > LastSeconds / SecondsPerWeek) {
    return Fail("--week: " + *in.week + " is past the last GPS week 7101");
  }
  // A 10-bit week is resolved near the reference, on the scale the week is read on.
  int resolved = static_cast<int>(week);
  if (week < 1024) {
    TGPSTime reference = TCurrentTime();
    if (in.reference) {
      const TimeResult read = FromCalendar(*in.reference, false);
      if (!read.error.empty()) return Fail("--ref: " + read.error);
      reference = read.time;
    }
    ULONG referenceSeconds = reference.Seconds();
    if (in.gps) referenceSeconds = TTimeScales::ToGPS(referenceSeconds, TTimeScale::Calendar);
    resolved = TGNSSWeek::Resolve(week, TGNSSWeek::GPSLegacyBits,
                                  TTimeScales::Week(referenceSeconds, TTimeScale::GPS));
  }
  // The resolved week is the full one: TGPSWeek would move an early week past 1999 again.
  const std::uint64_t total = static_cast<std::uint64_t>(resolved) * SecondsPerWeek + sow;
  if (total > LastSeconds) {
    return Fail("week " + std::to_string(resolved) + " second " + std::to_string(sow) +
                " is past the last GPS time " + LastTimeText);
  }
  TimeResult result = Succeed(TGPSTime(static_cast<ULONG>(total)), nanoseconds);
  if (week < 1024) result.fixedRuleWeek = static_cast<int>(TGPSWeek(static_cast<int>(week)));
  return result;
}

TimeResult FromYearDay(const TimeInputs& in) {
  if (!in.year || !in.dayOfYear) {
    return Fail(in.year ? "--year needs --doy" : "--doy needs --year");
  }
  std::uint32_t year = 0, doy = 0;
  std::string error;
  if (!ReadUnsigned("--year", *in.year, year, error) ||
      !ReadUnsigned("--doy", *in.dayOfYear, doy, error)) {
    return Fail(error);
  }
  if (year < FirstYear || year > LastYear) {
    return Fail("--year: " + *in.year + " is out of range (1980 to 2116)");
  }
  const unsigned int days = TGPSTime::DaysInYear(year);
  if (doy < 1 || doy > days) {
    return Fail("--doy: " + *in.dayOfYear + " is not a day of " + *in.year + " (1 to " +
                std::to_string(days) + (year == FirstYear ? ", counted from 7 January)" : ")"));
  }
  const TGPSTime time(year, doy);
  if (!time.IsValid()) {
    return Fail(*in.year + " day " + *in.dayOfYear + " is past the last GPS time " + LastTimeText);
  }
  return Succeed(time);
}

TimeResult FromDOS(const std::string& text) {
  std::uint32_t dos = 0;
  std::string error;
  if (!ReadUnsigned("--dos", text, dos, error)) return Fail(error);
  if (dos <= UnixSecondsAtGPSEpoch) {
    return Fail("--dos: " + text + " is not after the GPS epoch (315964800)");
  }
  TGPSTime time;
  time.SetDOSTime(dos);
  return Succeed(time);
}

TimeResult FromJulian(const std::string& text) {
  double julian = 0;
  const NumberStatus status = ParseDecimal(text, julian);
  if (status == NumberStatus::NotANumber) {
    return Fail("--julian: '" + text + "' is not a decimal number without sign");
  }
  // The library's Julian day is linear in the seconds, so its value at the epoch gives the inverse.
  const double seconds = status == NumberStatus::Ok
                             ? (julian - TGPSTime().JulDay()) * static_cast<double>(SecondsPerDay)
                             : HUGE_VAL;
  if (!(seconds >= 0.5)) {
    return Fail("--julian: " + text +
                " does not round to a second after the GPS epoch (2444244.5)");
  }
  if (!(seconds < static_cast<double>(LastSeconds) + 0.5)) {
    return Fail("--julian: " + text + " is past the last GPS time " + LastTimeText);
  }
  return Succeed(TGPSTime(static_cast<ULONG>(std::llround(seconds))));
}

class TimeCommand final : public Command {
public:
  explicit TimeCommand(CLI::App& app)
      : m_app(
            app.add_subcommand("time", "Convert a GPS time between its forms and print them all")),
        m_text(*m_app) {
    m_app->footer(
        "Give exactly one form. Times are GPS time without leap seconds (UTC calendar time), from "
        "1980-01-06T00:00:01 to 2116-02-12T06:28:15; --gps reads true GPS time instead. A fraction "
        "of a second (a date and time, --seconds, --sow) needs "
        "--ms or --ns, and rounds to the nearest millisecond or 100 ns as those classes do.");
    Add(m_calendar,
        m_app->add_option(
            "datetime", m_calendar.text,
            "Calendar date YYYY-MM-DD or date and time YYYY-MM-DDThh:mm:ss[.fffffffff]"),
        "DATE");
    Add(m_seconds, m_app->add_option("--seconds", m_seconds.text, "Seconds since the GPS epoch"),
        "N");
    Add(m_week,
        m_app->add_option(
            "--week", m_week.text,
            "GPS week (with --sow); a week below 1024 is 10-bit, resolved near --ref"),
        "W");
    Add(m_sow, m_app->add_option("--sow", m_sow.text, "Second of the GPS week (with --week)"), "S");
    Add(m_year, m_app->add_option("--year", m_year.text, "Year (with --doy)"), "Y");
    Add(m_doy,
        m_app->add_option("--doy", m_doy.text,
                          "Day of year (with --year); 1980 counts from 7 January as day 1"),
        "D");
    Add(m_dos,
        m_app->add_option("--dos", m_dos.text, "DOS time: seconds since 1970-01-01T00:00:00"), "N");
    Add(m_julian,
        m_app->add_option("--julian", m_julian.text, "Julian day, rounded to the nearest second"),
        "J");
    Add(m_reference,
        m_app->add_option("--ref", m_reference.text,
                          "Date a week below 1024 is resolved near (default: now)"),
        "DATE");
    m_utc.option = m_app->add_flag("--utc")->description(
        "Read the time as UTC; a date may name an inserted second 23:59:60");
    m_gps.option = m_app->add_flag("--gps")->description("Read the time as true GPS time");
    Add(m_leapFile,
        m_app->add_option(
            "--leap-file", m_leapFile.text,
            "Leap seconds from a leap-seconds.list file instead of the built-in table"),
        "FILE");
    m_json.option = m_app->add_flag("--json")->description("Print every form as one JSON object");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    TimeInputs inputs;
    inputs.calendar = m_calendar.Value();
    inputs.seconds = m_seconds.Value();
    inputs.week = m_week.Value();
    inputs.secondOfWeek = m_sow.Value();
    inputs.year = m_year.Value();
    inputs.dayOfYear = m_doy.Value();
    inputs.dos = m_dos.Value();
    inputs.julian = m_julian.Value();
    inputs.reference = m_reference.Value();
    inputs.utc = m_utc.Given();
    inputs.gps = m_gps.Given();
    if (const std::optional<std::string> file = m_leapFile.Value()) {
      KString reason;
      if (!TLeapSeconds::LoadFile(file->c_str(), reason)) {
        err << "corekit: time: --leap-file: " << static_cast<const char*>(reason) << '\n';
        return ExitUsage;
      }
    }
    TimeResult result = ResolveTime(inputs);
    TextForm form;
    if (result.error.empty()) ResolveTextForm(m_text.Inputs(), form, result.error);
    if (result.error.empty() && result.nanoseconds != 0 && form.precision == Precision::Seconds) {
      result.error = "a fraction of a second needs --ms or --ns";
    }
    if (result.error.empty()) result = RoundedTo(form.precision, result);
    if (!result.error.empty()) {
      err << "corekit: time: " << result.error << '\n';
      return ExitUsage;
    }
    const PreciseTime time{result.time, result.nanoseconds, result.leapSecond,
                           result.fixedRuleWeek};
    out << (m_json.Given() ? FormatTimeJson(time) : FormatTime(time, form));
    return ExitOk;
  }

private:
  static void Add(RawOption& field, CLI::Option* option, const char* typeName) {
    field.option = option->type_name(typeName);
  }

  CLI::App* m_app;
  TimeTextOptions m_text;
  RawOption m_calendar, m_seconds, m_week, m_sow, m_year, m_doy, m_dos, m_julian, m_reference;
  RawOption m_utc, m_gps, m_leapFile, m_json;
};

}  // namespace

TimeResult ResolveTime(const TimeInputs& in) {
  std::vector<std::string> given;
  if (in.calendar) given.emplace_back("a date");
  if (in.seconds) given.emplace_back("--seconds");
  if (in.week || in.secondOfWeek) given.emplace_back("--week/--sow");
  if (in.year || in.dayOfYear) given.emplace_back("--year/--doy");
  if (in.dos) given.emplace_back("--dos");
  if (in.julian) given.emplace_back("--julian");
  if (given.empty()) {
    return Fail("give a date, --seconds, --week and --sow, --year and --doy, --dos or --julian");
  }
  if (given.size() > 1) {
    return Fail("give only one form of time, not both " + given[0] + " and " + given[1]);
  }
  if (in.utc && in.gps) return Fail("give --utc or --gps, not both");
  TimeResult result;
  if (in.calendar) {
    result = FromCalendar(*in.calendar, in.utc);
  } else if (in.seconds) {
    result = FromSeconds(*in.seconds);
  } else if (in.week || in.secondOfWeek) {
    result = FromWeek(in);
  } else if (in.year || in.dayOfYear) {
    result = FromYearDay(in);
  } else if (in.dos) {
    result = FromDOS(*in.dos);
  } else {
    result = FromJulian(*in.julian);
  }
  if (result.error.empty() && in.gps) {
    if (result.leapSecond) return Fail("a true GPS time has no second 60");
    const TUTCTime utc = TUTCTime::FromGPS(result.time.Seconds());
    result.time = utc.Calendar();
    result.leapSecond = utc.IsLeapSecond() != 0;
    if (!result.time.IsValid()) return Fail("the GPS time lies before the first UTC second");
  }
  if (result.error.empty() && !result.time.IsValid()) {
    return Fail("the result is not a valid time");
  }
  return result;
}

TimeResult RoundedTo(Precision precision, const TimeResult& time) {
  if (precision == Precision::Seconds || !time.error.empty()) return time;
  // Rounded on true GPS time and named in UTC again, so that a carry reaches an inserted second.
  const TUTCTime rounded = TUTCTime(time.time, time.leapSecond, time.nanoseconds)
                               .Rounded(precision == Precision::Milliseconds ? 1000000 : 100);
  if (!rounded.Calendar().IsValid()) {
    return Fail("the fraction of a second rounds past the last GPS time " +
                std::string(LastTimeText));
  }
  TimeResult result = time;
  result.time = rounded.Calendar();
  result.nanoseconds = rounded.Nanoseconds();
  result.leapSecond = rounded.IsLeapSecond() != 0;
  return result;
}

std::unique_ptr<Command> AddTimeCommand(CLI::App& app) {
  return std::make_unique<TimeCommand>(app);
}

}  // namespace corekit::tool
