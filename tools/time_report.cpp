#include "tools/time_report.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <utility>

#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/gpstime/utc_time.h"
#include "tools/report_lines.h"
#include "tools/time_scales_report.h"

namespace corekit::tool {
namespace {

constexpr int WeekRollover = 1024;

const char* const DayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                "Thursday", "Friday", "Saturday"};

const char* Picture(const std::optional<std::string>& picture) {
  return picture ? picture->c_str() : nullptr;
}

// The fraction of a second as the chosen class holds it (".250", ".000000005"), its Julian day
// and its text.
struct SubSecondForms {
  std::string fraction;
  double julianDay = 0;
  std::string text;
};

SubSecondForms FormsAt(const PreciseTime& time, const TextForm& form) {
  const TGPSTimeNS ns(time.time.Seconds(), time.nanoseconds);
  const char* date = Picture(form.dateFormat);
  SubSecondForms forms;
  char digits[16];
  switch (form.precision) {
    case Precision::Seconds:
      forms.julianDay = time.time.JulDay();
      forms.text = time.time.AsString(form.mode, form.zone, date, Picture(form.timeFormat));
      break;
    case Precision::Milliseconds: {
      const TGPSTimeMS ms(ns);
      std::snprintf(digits, sizeof digits, ".%03u", static_cast<unsigned int>(ms.mSecond()));
      forms.fraction = digits;
      forms.julianDay = ms.JulDay();
      forms.text = ms.AsString(form.mode, form.zone, date);
      break;
    }
    case Precision::Nanoseconds:
      std::snprintf(digits, sizeof digits, ".%09u", static_cast<unsigned int>(ns.nSecond()));
      forms.fraction = digits;
      forms.julianDay = ns.JulDay();
      forms.text = ns.AsString(form.mode, form.zone, date);
      break;
  }
  return forms;
}

}  // namespace

std::string CalendarText(const TGPSTime& time) {
  return static_cast<const char*>(TUTCTime::FromCalendar(TCalendarTime(time.Seconds())).AsText());
}

int TrueWeek(const TGPSTime& time) {
  const int week = static_cast<int>(time.GetGPSWeek());
  return TGPSTime(TGPSWeek(week), time.SecondInGPSWeek()) != time ? week - WeekRollover : week;
}

std::string FormatTime(const PreciseTime& precise, const TextForm& form) {
  const TGPSTime& time = precise.time;
  unsigned int year = 0, day = 0;
  TGPSTime::TMonth month = TGPSTime::January;
  TGPSTime::TDayOfWeek dayOfWeek = TGPSTime::Sunday;
  time.GetDate(year, month, day, dayOfWeek);
  // Day of year in the library's numbering: day 1 is the midnight TGPSTime(year, 1) starts.
  const unsigned int dayOfYear = time.GPSDay() - TGPSTime(year, 1).GPSDay() + 1;
  const int week = TrueWeek(time);
  const SubSecondForms sub = FormsAt(precise, form);
  const std::string calendar = CalendarText(time);
  // A point before the decimals whatever the locale, as the tool reads them back.
  char julian[32];
  const std::to_chars_result written =
      std::to_chars(julian, julian + sizeof julian - 1, sub.julianDay, std::chars_format::fixed,
                    form.precision == Precision::Seconds ? 6 : 9);
  *written.ptr = '\0';
  const std::string dos = time.Seconds() <= LastSeconds - UnixSecondsAtGPSEpoch
                              ? std::to_string(time.GetDOSTime())
                              : std::string("beyond 32 bits (after 2106-02-07T06:28:15)");

  std::vector<ReportLine> lines = {
      {"Date and time", calendar + sub.fraction},
      {"Day of week", DayNames[dayOfWeek]},
      {"GPS seconds", std::to_string(time.Seconds()) + sub.fraction},
      {"GPS week", std::to_string(week)},
      {"10-bit week", std::to_string(time.GetGPSWeekSmall())},
      {"Second of week", std::to_string(time.SecondInGPSWeek()) + sub.fraction},
      {"GPS day", std::to_string(time.GPSDay())},
      {"Year, day of year", std::to_string(year) + ", " + std::to_string(dayOfYear)},
      {"DOS time", dos},
      {"Julian day", julian},
  };
  if (precise.fixedRuleWeek != 0) {
    const TGPSTime fixed(TGPSWeek(precise.fixedRuleWeek), time.SecondInGPSWeek());
    lines.push_back({"TGPSWeek rule",
                     "week " + std::to_string(precise.fixedRuleWeek) + ", " + CalendarText(fixed)});
  }
  for (ReportLine& line : ScaleLines(ScaleFormsOf(precise), sub.fraction)) {
    lines.push_back(std::move(line));
  }
  lines.push_back({"Text", sub.text});
  return FormatReport(lines);
}

}  // namespace corekit::tool
