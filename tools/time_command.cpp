#include "tools/time_command.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corekit/gpstime/time_constants.h"
#include "corekit/gpstime/utc_time.h"
#include "tools/number_text.h"
#include "tools/raw_option.h"
#include "tools/time_scales_report.h"
#include "tools/time_text_options.h"
#include "tools/week_input.h"

namespace corekit::tool {
namespace {

constexpr unsigned int FirstYear = 1980;
constexpr unsigned int LastYear = 2116;
constexpr const char* LastTimeText = "2116-02-12T06:28:15";

TimeResult Fail(std::string message) {
  TimeResult result;
  result.error = std::move(message);
  return result;
}

TimeResult Succeed(const TGPSTime& time, ULONG nanoseconds = 0) {
  TimeResult result;
  result.time = time;
  result.nanoseconds = nanoseconds;
  return result;
}

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

// The whole seconds and fraction an input gives, on true GPS time or TGPSTime's count.
struct ReadTime {
  long long seconds = 0;
  ULONG nanoseconds = 0;
  bool trueGPS = false;
  bool leapSecond = false;  // the inserted UTC second after the count
};

// The UTC name of a time read, or why it has none.
TimeResult Named(const ReadTime& read) {
  if (read.trueGPS) {
    const TUTCTime utc = TUTCTime::FromGPS(TTrueGPSTime(read.seconds, read.nanoseconds));
    if (!utc.IsValid()) {
      return Fail("true GPS second " + std::to_string(read.seconds) +
                  " lies outside the UTC times 1980-01-06T00:00:00 to " + LastTimeText);
    }
    TimeResult result = Succeed(utc.Calendar(), utc.Nanoseconds());
    result.leapSecond = utc.IsLeapSecond() != 0;
    return result;
  }
  if (read.seconds < 0 || read.seconds > static_cast<long long>(LastSeconds)) {
    return Fail("TGPSTime count " + std::to_string(read.seconds) +
                " is outside its range 0 to 4294967295 (" + LastTimeText + ")");
  }
  TimeResult result = Succeed(TGPSTime(static_cast<ULONG>(read.seconds)), read.nanoseconds);
  result.leapSecond = read.leapSecond;
  return result;
}

// A date, or a date and time: UTC, which may name an inserted second 23:59:60; with gps the
// calendar of true GPS time, with count that of TGPSTime's count, neither of which has one.
TimeResult FromCalendar(const std::string& text, const TimeInputs& in) {
  TUTCTime read;
  KString reason;
  if (!TUTCTime::Parse(text.c_str(), read, reason)) return Fail(static_cast<const char*>(reason));
  if (read.IsLeapSecond() && (in.gps || in.count)) {
    return Fail(text + (in.gps ? ": true GPS time" : ": TGPSTime's count") +
                " has no second 60 (only UTC inserts one)");
  }
  return Named({read.Calendar().Seconds(), read.Nanoseconds(), in.gps, read.IsLeapSecond() != 0});
}

TimeResult FromSeconds(const std::string& text, bool trueGPS) {
  std::uint32_t seconds = 0, nanoseconds = 0;
  std::string error;
  if (!ReadSeconds("--seconds", text, seconds, nanoseconds, error)) return Fail(error);
  return Named({seconds, nanoseconds, trueGPS});
}

TimeResult FromWeek(const TimeInputs& in, bool trueGPS) {
  if (!in.week || !in.secondOfWeek) {
    return Fail(in.week ? "--week needs --sow" : "--sow needs --week");
  }
  const WeekResult week =
      ResolveWeek({*in.week, *in.secondOfWeek, in.system, in.bits, in.reference, !trueGPS});
  if (!week.error.empty()) return Fail(week.error);
  TimeResult result = Named({week.seconds, week.nanoseconds, trueGPS});
  result.fixedRuleWeek = week.fixedRuleWeek;
  if (in.reference && !week.referenceUsed) {
    result.note = "--ref is ignored: week " + *in.week + " is a full week";
  }
  return result;
}

TimeResult FromYearDay(const TimeInputs& in, bool trueGPS) {
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
  return Named({time.Seconds(), 0, trueGPS});
}

TimeResult FromDOS(const std::string& text, bool trueGPS) {
  std::uint32_t dos = 0;
  std::string error;
  if (!ReadUnsigned("--dos", text, dos, error)) return Fail(error);
  if (dos < UnixSecondsAtGPSEpoch) {
    return Fail("--dos: " + text + " is before the GPS epoch (315964800)");
  }
  return Named({dos - UnixSecondsAtGPSEpoch, 0, trueGPS});
}

TimeResult FromJulian(const std::string& text, bool trueGPS) {
  double julian = 0;
  const NumberStatus status = ParseDecimal(text, julian);
  if (status == NumberStatus::NotANumber) {
    return Fail("--julian: '" + text + "' is not a decimal number without sign");
  }
  // The library's Julian day is linear in the seconds, so its value at the epoch gives the inverse.
  const double seconds = status == NumberStatus::Ok
                             ? (julian - TGPSTime().JulDay()) * static_cast<double>(SecondsPerDay)
                             : HUGE_VAL;
  if (!(seconds > -0.5)) {
    return Fail("--julian: " + text + " does not round to the GPS epoch (2444244.5) or later");
  }
  if (!(seconds < static_cast<double>(LastSeconds) + 0.5)) {
    return Fail("--julian: " + text + " is past the last GPS time " + LastTimeText);
  }
  return Named({std::llround(seconds), 0, trueGPS});
}

class TimeCommand final : public Command {
public:
  explicit TimeCommand(CLI::App& app)
      : m_app(
            app.add_subcommand("time", "Convert a GPS time between its forms and print them all")),
        m_text(*m_app) {
    m_app->footer(
        "Give exactly one form. A date is UTC and may name an inserted second 23:59:60; --seconds "
        "and --week/--sow are true GPS time, as receivers give them; --year/--doy, --dos and "
        "--julian are UTC. --gps reads any form as true GPS time, --count as TGPSTime's count (UTC "
        "without leap seconds). Times run from 1980-01-06T00:00:00 to 2116-02-12T06:28:15 UTC. A "
        "fraction of a second (a date and time, --seconds, --sow) needs --ms or --ns, and rounds "
        "to the nearest millisecond or 100 ns on true GPS time.");
    Add(m_calendar,
        m_app->add_option("datetime", m_calendar.text,
                          "UTC date YYYY-MM-DD or date and time YYYY-MM-DDThh:mm:ss[.fffffffff]"),
        "DATE");
    Add(m_seconds,
        m_app->add_option("--seconds", m_seconds.text, "True GPS seconds since the GPS epoch"),
        "N");
    Add(m_week,
        m_app->add_option(
            "--week", m_week.text,
            "Week of --system (with --sow); a GPS week below 1024 is 10-bit, resolved near --ref"),
        "W");
    Add(m_sow, m_app->add_option("--sow", m_sow.text, "Second of the week (with --week)"), "S");
    Add(m_system,
        m_app->add_option("--system", m_system.text,
                          "System of --week and --sow: gps (default), gal (GST) or bds (BDT)"),
        "gps|gal|bds");
    Add(m_bits,
        m_app->add_option(
            "--bits", m_bits.text,
            "Width of --week as broadcast: 10, 12 or 13 bits resolve near --ref; full "
            "is the whole week (default: 10 for a GPS week below 1024, else full)"),
        "10|12|13|full");
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
                          "UTC date a truncated week is resolved near (default: now)"),
        "DATE");
    m_utc.option = m_app->add_flag("--utc")->description(
        "Read the time as UTC (a date's default); numbers as TGPSTime's count");
    m_gps.option = m_app->add_flag("--gps")->description(
        "Read the time as true GPS time (the default of --seconds and --week)");
    m_count.option = m_app->add_flag("--count")->description(
        "Read the time as TGPSTime's count: UTC without leap seconds");
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
    inputs.count = m_count.Given();
    inputs.system = m_system.Value();
    inputs.bits = m_bits.Value();
    std::string error;
    if (!m_text.LoadLeapFile(error)) {
      err << "corekit: time: " << error << '\n';
      return ExitUsage;
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
    if (!result.note.empty()) err << "corekit: time: " << result.note << '\n';
    const PreciseTime time{result.time, result.nanoseconds, result.leapSecond,
                           result.fixedRuleWeek};
    out << (m_json.Given() ? FormatTimeJson(time, form.precision) : FormatTime(time, form));
    return ExitOk;
  }

private:
  static void Add(RawOption& field, CLI::Option* option, const char* typeName) {
    field.option = option->type_name(typeName);
  }

  CLI::App* m_app;
  TimeTextOptions m_text;
  RawOption m_calendar, m_seconds, m_week, m_sow, m_system, m_bits, m_year, m_doy, m_dos, m_julian;
  RawOption m_reference, m_utc, m_gps, m_count, m_json;
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
  if (in.utc + in.gps + in.count > 1) return Fail("give one of --utc, --gps and --count");
  if ((in.system || in.bits) && !in.week) return Fail("--system and --bits go with --week");
  // Numbers are true GPS time, as receivers give them, unless --utc or --count says otherwise.
  const bool numbersTrueGPS = !in.utc && !in.count;
  TimeResult result;
  if (in.calendar) {
    result = FromCalendar(*in.calendar, in);
  } else if (in.seconds) {
    result = FromSeconds(*in.seconds, numbersTrueGPS);
  } else if (in.week || in.secondOfWeek) {
    result = FromWeek(in, numbersTrueGPS);
  } else if (in.year || in.dayOfYear) {
    result = FromYearDay(in, in.gps);
  } else if (in.dos) {
    result = FromDOS(*in.dos, in.gps);
  } else {
    result = FromJulian(*in.julian, in.gps);
  }
  if (in.reference && !in.week && result.error.empty()) {
    result.note = "--ref is ignored: it resolves a truncated --week";
  }
  return result;
}

TimeResult RoundedTo(Precision precision, const TimeResult& time) {
  if (precision == Precision::Seconds || !time.error.empty()) return time;
  // Rounded on true GPS time and named in UTC again, so that a carry reaches an inserted second.
  const TUTCTime rounded = UtcOf(time.time, time.leapSecond, time.nanoseconds)
                               .Rounded(precision == Precision::Milliseconds ? 1000000 : 100);
  if (!rounded.IsValid()) {
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
