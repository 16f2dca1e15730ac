#pragma once

// The time scales of a time as `time` and `now` show them: GPS - UTC, true GPS, UTC, TAI, Galileo
// and BeiDou weeks; and every form of a time as one JSON object.

#include <optional>
#include <string>
#include <vector>

#include "corekit/gpstime/scale_time.h"
#include "tools/report_lines.h"
#include "tools/time_report.h"

namespace corekit::tool {

// The scales of a time, none wrapped: weeks before a scale's first are negative, and a 32-bit
// count that cannot hold the instant is left empty with the reason beside it.
struct ScaleForms {
  int gpsMinusUtc = 0;
  bool extrapolated = false;  // the instant lies past the leap-second table's expiry
  TTrueGPSTime gps{};
  std::optional<ULONG> gpsSeconds{};  // the 32-bit count of true GPS seconds
  std::string gpsSecondsReason{};
  std::string utc;                   // YYYY-MM-DDThh:mm:ss and the fraction; second 60 if inserted
  std::optional<std::string> tai{};  // the same form on TAI's 32-bit count
  std::string taiReason{};
  TGSTTime gst{};
  TBDTTime bdt{};
};

// The scales of a time; its leapSecond flag names the inserted second after it.
ScaleForms ScaleFormsOf(const PreciseTime& time, Precision precision);

// The report lines of the scales; fraction (".250" or empty) joins the seconds.
std::vector<ReportLine> ScaleLines(const ScaleForms& forms, const std::string& fraction);

// Every form as one JSON object on one line. On TGPSTime's count (named by count_scale): seconds,
// week, week10, sow, date. Then gps_utc, gps_seconds, gps_week, gps_week10, gps_sow, utc, tai,
// gst_week, gst_tow, bdt_week, bdt_sow, leap_expired, leap_expiry, and fixed_rule_week when a
// 10-bit week was resolved. A count that cannot hold the instant is null, with a *_reason key.
// Fractions show the precision's decimals.
std::string FormatTimeJson(const PreciseTime& time, Precision precision);

}  // namespace corekit::tool
