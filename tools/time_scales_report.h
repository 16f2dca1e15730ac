#pragma once

// The time scales of a time as `time` and `now` show them: GPS - UTC, true GPS, UTC, TAI, Galileo
// and BeiDou weeks; and every form of a time as one JSON object.

#include <string>
#include <vector>

#include "tools/report_lines.h"
#include "tools/time_report.h"

namespace corekit::tool {

struct ScaleForms {
  int gpsMinusUtc = 0;
  bool extrapolated = false;  // the instant lies past the leap-second table's expiry
  ULONG gpsSeconds = 0;       // true GPS time
  int gpsWeek = 0;
  ULONG gpsSecondOfWeek = 0;
  std::string utc;  // YYYY-MM-DDThh:mm:ss, second 60 in an inserted second
  std::string tai;  // the same form on TAI
  int gstWeek = 0;
  ULONG gstTimeOfWeek = 0;
  int bdtWeek = 0;
  ULONG bdtSecondOfWeek = 0;
};

// The scales of a valid time; its leapSecond flag names the inserted second after it.
ScaleForms ScaleFormsOf(const PreciseTime& time);

// The report lines of the scales; fraction (".250" or empty) joins the seconds.
std::vector<ReportLine> ScaleLines(const ScaleForms& forms, const std::string& fraction);

// Every form as one JSON object on one line: seconds, week, week10, sow, date, gps_utc,
// gps_seconds, utc, tai, gst_week, gst_tow, bdt_week, bdt_sow, leap_expired, leap_expiry, and
// fixed_rule_week when a 10-bit week was resolved against a reference.
std::string FormatTimeJson(const PreciseTime& time);

}  // namespace corekit::tool
