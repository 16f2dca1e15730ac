#include "tools/time_scales_report.h"

#include "corekit/gpstime/leap_seconds.h"
#include "corekit/gpstime/time_scale.h"
#include "tools/json_text.h"

namespace corekit::tool {
namespace {

constexpr int LegacyWeeks = 1024;

std::string Number(long long value) { return std::to_string(value); }

int Decimals(Precision precision) {
  return precision == Precision::Milliseconds ? 3 : precision == Precision::Nanoseconds ? 9 : 0;
}

// A count that may be absent: its value and fraction, or "none: " and the reason.
std::string CountText(const std::optional<ULONG>& count, const std::string& fraction,
                      const std::string& reason) {
  return count ? Number(*count) + fraction : "none: " + reason;
}

// A week before the scale's first is counted back from it, which the text says.
std::string WeekText(int week, ULONG secondOfWeek, const std::string& fraction) {
  return Number(week) + ", " + Number(secondOfWeek) + fraction +
         (week < 0 ? " (before the scale's week 0)" : "");
}

}  // namespace

ScaleForms ScaleFormsOf(const PreciseTime& precise, Precision precision) {
  ScaleForms forms;
  const TUTCTime utc = UtcOf(precise.time, precise.leapSecond, precise.nanoseconds);
  forms.gpsMinusUtc = utc.GPSMinusUTC(&forms.extrapolated);
  forms.gps = utc.ToTrueGPS();
  ULONG count = 0;
  if (forms.gps.Count(count)) {
    forms.gpsSeconds = count;
  } else {
    forms.gpsSecondsReason = "past the 32-bit count of true GPS seconds";
  }
  forms.utc = static_cast<const char*>(utc.AsText(Decimals(precision)));
  const TTAITime tai = TTAITime::From(forms.gps);
  if (tai.Count(count)) {
    forms.tai = CalendarText(TGPSTime(count)) + FractionText(precise.nanoseconds, precision);
  } else {
    forms.taiReason = "past the 32-bit count of TAI seconds";
  }
  forms.gst = TGSTTime::From(forms.gps);
  forms.bdt = TBDTTime::From(forms.gps);
  return forms;
}

std::vector<ReportLine> ScaleLines(const ScaleForms& forms, const std::string& fraction) {
  std::string leap = Number(forms.gpsMinusUtc) + " s";
  if (forms.extrapolated) {
    leap += ", extrapolated past the table's expiry " +
            CalendarText(TLeapSeconds::Expiry()).substr(0, 10);
  }
  return {
      {"GPS - UTC", leap},
      {"GPS seconds", CountText(forms.gpsSeconds, fraction, forms.gpsSecondsReason)},
      {"GPS week/SOW", WeekText(forms.gps.Week(), forms.gps.SecondOfWeek(), fraction)},
      {"GPS 10-bit week", Number(forms.gps.Week() % LegacyWeeks)},
      {"TAI", forms.tai ? *forms.tai : "none: " + forms.taiReason},
      {"GST week/TOW", WeekText(forms.gst.Week(), forms.gst.SecondOfWeek(), fraction)},
      {"BDT week/SOW", WeekText(forms.bdt.Week(), forms.bdt.SecondOfWeek(), fraction)},
  };
}

std::string FormatTimeJson(const PreciseTime& precise, Precision precision) {
  const TGPSTime& time = precise.time;
  const ScaleForms forms = ScaleFormsOf(precise, precision);
  const std::string fraction = FractionText(precise.nanoseconds, precision);
  const ULONG week = time.Seconds() / SecondsPerWeek;
  std::string json =
      "{\"count_scale\": \"TGPSTime count: UTC without leap seconds\"" +
      std::string(", \"seconds\": ") + Number(time.Seconds()) + fraction +
      ", \"week\": " + Number(week) + ", \"week10\": " + Number(week % LegacyWeeks) +
      ", \"sow\": " + Number(time.Seconds() % SecondsPerWeek) + fraction +
      ", \"date\": " + JsonString(CalendarText(time) + fraction) +
      ", \"gps_utc\": " + Number(forms.gpsMinusUtc) + ", \"gps_seconds\": " +
      (forms.gpsSeconds ? Number(*forms.gpsSeconds) + fraction
                        : "null, \"gps_seconds_reason\": " + JsonString(forms.gpsSecondsReason)) +
      ", \"gps_week\": " + Number(forms.gps.Week()) +
      ", \"gps_week10\": " + Number(forms.gps.Week() % LegacyWeeks) +
      ", \"gps_sow\": " + Number(forms.gps.SecondOfWeek()) + fraction +
      ", \"utc\": " + JsonString(forms.utc) + ", \"tai\": " +
      (forms.tai ? JsonString(*forms.tai)
                 : "null, \"tai_reason\": " + JsonString(forms.taiReason)) +
      ", \"gst_week\": " + Number(forms.gst.Week()) +
      ", \"gst_tow\": " + Number(forms.gst.SecondOfWeek()) + fraction +
      ", \"bdt_week\": " + Number(forms.bdt.Week()) +
      ", \"bdt_sow\": " + Number(forms.bdt.SecondOfWeek()) + fraction +
      ", \"leap_expired\": " + (forms.extrapolated ? "true" : "false") +
      ", \"leap_expiry\": " + JsonString(CalendarText(TLeapSeconds::Expiry()));
  if (precise.fixedRuleWeek != 0) json += ", \"fixed_rule_week\": " + Number(precise.fixedRuleWeek);
  return json + "}\n";
}

}  // namespace corekit::tool
