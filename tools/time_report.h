#pragma once

// The block of text that `time` and `now` print: a time in every form and as locale text.

#include <string>

#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/time_constants.h"
#include "corekit/gpstime/utc_time.h"
#include "tools/time_text_options.h"

namespace corekit::tool {

// The last second that a TGPSTime holds.
inline constexpr ULONG LastSeconds = 0xFFFFFFFF;

// A time as the tool reads it: whole seconds and a fraction of a second.
struct PreciseTime {
  TGPSTime time{};          // TGPSTime's count; 0 is the GPS epoch
  ULONG nanoseconds = 0;    // 0 to 999999999
  bool leapSecond = false;  // the time is the inserted UTC second 23:59:60 after `time`
  int fixedRuleWeek = 0;    // when a 10-bit week was resolved: the week TGPSWeek makes of it
};

// "YYYY-MM-DDThh:mm:ss" of a time.
std::string CalendarText(const TGPSTime& time);

// The UTC time of a TGPSTime count, 0 being the GPS epoch, and the inserted second after it.
TUTCTime UtcOf(const TGPSTime& count, bool leapSecond, ULONG nanoseconds);

// ".250" or ".250000000" of nanoseconds as the precision shows them; empty for whole seconds.
std::string FractionText(ULONG nanoseconds, Precision precision);

// One "label  value" line for each form of a time, each naming its scale, then its text as the
// form asks. With milliseconds or nanoseconds the fraction joins the times and counts, and the
// Julian day is that class's.
std::string FormatTime(const PreciseTime& time, const TextForm& form);

}  // namespace corekit::tool
