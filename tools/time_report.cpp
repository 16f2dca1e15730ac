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

const char* const DayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                "Thursday", "Friday", "Saturday"};

const char* Picture(const std::optional<std::string>& picture) {
  return picture ? picture->c_str() : nullptr;
}

// The Julian day and text of a time as the chosen class gives them.
struct SubSecondForms {
  double julianDay = 0;
  std::string text;
};

SubSecondForms FormsAt(const PreciseTime& time, const TextForm& form) {
  const TGPSTimeNS ns(time.time.Seconds(), time.nanoseconds);
  const char* date = Picture(form.dateFormat);
  SubSecondForms forms;
  switch (form.precision) {
    case Precision::Seconds:
      forms.julianDay = time.time.JulDay();
      forms.text = time.time.AsString(form.mode, form.zone, date, Picture(form.timeFormat));
      break;
    case Precision::Milliseconds: {
      const TGPSTimeMS ms(ns);
      forms.julianDay = ms.JulDay();
      forms.text = ms.AsString(form.mode, form.zone, date);
      break;
    }
    case Precision::Nanoseconds:
      forms.julianDay = ns.JulDay();
      forms.text = ns.AsString(form.mode, form.zone, date);
      break;
  }
  // TGPSTime's count 0, the GPS epoch, is no time to the text classes.
  if (time.time.Seconds() == 0) forms.text = "none: TGPSTime's count 0 has no text";
  return forms;
}

}  // namespace

std::string CalendarText(const TGPSTime& time) {
  return static_cast<const char*>(TUTCTime::FromCalendar(TCalendarTime(time.Seconds())).AsText());
}

TUTCTime UtcOf(const TGPSTime& count, bool leapSecond, ULONG nanoseconds) {
  if (leapSecond) return TUTCTime(count, true, nanoseconds);
  return TUTCTime::FromCalendar(TCalendarTime(count.Seconds(), nanoseconds));
}

std::string FractionText(ULONG nanoseconds, Precision precision) {
  if (precision == Precision::Seconds) return {};
  char digits[16];
  if (precision == Precision::Milliseconds) {
    std::snprintf(digits, sizeof digits, ".%03u", static_cast<unsigned int>(nanoseconds / 1000000));
  } else {
    std::snprintf(digits, sizeof digits, ".%09u", static_cast<unsigned int>(nanoseconds));
  }
  return digits;
}

std::string FormatTime(const PreciseTime& precise, const TextForm& form) {
  const TGPSTime& time = precise.time;
  unsigned int year = 0, day = 0;
  TGPSTime::TMonth month = TGPSTime::January;
  TGPSTime::TDayOfWeek dayOfWeek = TGPSTime::Sunday;
  time.GetDate(year, month, day, dayOfWeek);
  // Day of year in the library's numbering: day 1 is the midnight TGPSTime(year, 1) starts.
  const unsigned int dayOfYear = time.GPSDay() - TGPSTime(year, 1).GPSDay() + 1;
  const SubSecondForms sub = FormsAt(precise, form);
  const std::string fraction = FractionText(precise.nanoseconds, form.precision);
  // A point before the decimals whatever the locale, as the tool reads them back.
  char julian[32];
  const std::to_chars_result written =
      std::to_chars(julian, julian + sizeof julian - 1, sub.julianDay, std::chars_format::fixed,
                    form.precision == Precision::Seconds ? 6 : 9);
  *written.ptr = '\0';
  const std::string dos = time.Seconds() <= LastSeconds - UnixSecondsAtGPSEpoch
                              ? std::to_string(time.GetDOSTime())
                              : std::string("none: past 32 bits (after 2106-02-07T06:28:15)");

  const ScaleForms scales = ScaleFormsOf(precise, form.precision);
  std::vector<ReportLine> lines = {
      {"UTC", scales.utc},
      {"UTC day of week", DayNames[dayOfWeek]},
      {"UTC year, day", std::to_string(year) + ", " + std::to_string(dayOfYear)},
      {"UTC Julian day", julian},
      {"UTC DOS time", dos},
      {"TGPSTime count", std::to_string(time.Seconds()) + fraction},
  };
  for (ReportLine& line : ScaleLines(scales, fraction)) lines.push_back(std::move(line));
  if (precise.fixedRuleWeek != 0) {
    const TTrueGPSTime fixed =
        TTrueGPSTime::FromWeek(precise.fixedRuleWeek, scales.gps.SecondOfWeek());
    lines.push_back(
        {"TGPSWeek rule", "GPS week " + std::to_string(precise.fixedRuleWeek) + ", UTC " +
                              static_cast<const char*>(TUTCTime::FromGPS(fixed).AsText())});
  }
  lines.push_back({"Text", sub.text});
  return FormatReport(lines);
}

}  // namespace corekit::tool
