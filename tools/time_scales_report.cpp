#include "tools/time_scales_report.h"

#include <cstdio>

#include "corekit/gpstime/leap_seconds.h"
#include "corekit/gpstime/scale_time.h"
#include "corekit/gpstime/time_scale.h"
#include "corekit/gpstime/utc_time.h"
#include "tools/json_text.h"

namespace corekit::tool {
namespace {

using Scale = TTimeScale;

std::string Number(long long value) { return std::to_string(value); }

}  // namespace

ScaleForms ScaleFormsOf(const PreciseTime& precise) {
  ScaleForms forms;
  const TUTCTime utc(precise.time, precise.leapSecond);
  forms.gpsMinusUtc = utc.GPSMinusUTC(&forms.extrapolated);
  forms.gpsSeconds = utc.ToGPS();
  forms.gpsWeek = TTimeScales::Week(forms.gpsSeconds, Scale::GPS);
  forms.gpsSecondOfWeek = TTimeScales::SecondOfWeek(forms.gpsSeconds);
  forms.utc = static_cast<const char*>(utc.AsText());
  forms.tai = CalendarText(TGPSTime(TTimeScales::FromGPS(forms.gpsSeconds, Scale::TAI)));
  const ULONG gst = TTimeScales::FromGPS(forms.gpsSeconds, Scale::GST);
  forms.gstWeek = TTimeScales::Week(gst, Scale::GST);
  forms.gstTimeOfWeek = TTimeScales::SecondOfWeek(gst);
  // Before the BeiDou epoch the week is negative and the second of week counts from its start.
  const TBDTTime bdt = TBDTTime::From(TTrueGPSTime(forms.gpsSeconds));
  forms.bdtWeek = bdt.Week();
  forms.bdtSecondOfWeek = bdt.SecondOfWeek();
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
      {"True GPS seconds", Number(forms.gpsSeconds) + fraction},
      {"True GPS week/SOW",
       Number(forms.gpsWeek) + ", " + Number(forms.gpsSecondOfWeek) + fraction},
      {"UTC", forms.utc + fraction},
      {"TAI", forms.tai + fraction},
      {"GST week/TOW", Number(forms.gstWeek) + ", " + Number(forms.gstTimeOfWeek) + fraction},
      {"BDT week/SOW", Number(forms.bdtWeek) + ", " + Number(forms.bdtSecondOfWeek) + fraction},
  };
}

std::string FormatTimeJson(const PreciseTime& precise) {
  const TGPSTime& time = precise.time;
  const ScaleForms forms = ScaleFormsOf(precise);
  std::string fraction;
  if (precise.nanoseconds != 0) {
    char digits[16];
    std::snprintf(digits, sizeof digits, ".%09u", static_cast<unsigned int>(precise.nanoseconds));
    fraction = digits;
  }
  std::string json =
      "{\"seconds\": " + Number(time.Seconds()) + fraction +
      ", \"week\": " + Number(TrueWeek(time)) + ", \"week10\": " + Number(time.GetGPSWeekSmall()) +
      ", \"sow\": " + Number(time.SecondInGPSWeek()) + fraction +
      ", \"date\": " + JsonString(CalendarText(time) + fraction) +
      ", \"gps_utc\": " + Number(forms.gpsMinusUtc) +
      ", \"gps_seconds\": " + Number(forms.gpsSeconds) + fraction +
      ", \"gps_week\": " + Number(forms.gpsWeek) +
      ", \"gps_sow\": " + Number(forms.gpsSecondOfWeek) + fraction +
      ", \"utc\": " + JsonString(forms.utc + fraction) +
      ", \"tai\": " + JsonString(forms.tai + fraction) +
      ", \"gst_week\": " + Number(forms.gstWeek) + ", \"gst_tow\": " + Number(forms.gstTimeOfWeek) +
      fraction + ", \"bdt_week\": " + Number(forms.bdtWeek) +
      ", \"bdt_sow\": " + Number(forms.bdtSecondOfWeek) + fraction +
      ", \"leap_expired\": " + (forms.extrapolated ? "true" : "false") +
      ", \"leap_expiry\": " + JsonString(CalendarText(TLeapSeconds::Expiry()));
  if (precise.fixedRuleWeek != 0) json += ", \"fixed_rule_week\": " + Number(precise.fixedRuleWeek);
  return json + "}\n";
}

}  // namespace corekit::tool
