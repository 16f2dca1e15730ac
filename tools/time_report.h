#pragma once

// The block of text that `time` and `now` print: a time in every form and as locale text.

#include <string>

#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/time_constants.h"
#include "tools/time_text_options.h"

namespace corekit::tool {

// The last second that a TGPSTime holds.
inline constexpr ULONG LastSeconds = 0xFFFFFFFF;

// A time as the tool reads it: whole seconds and a fraction of a second.
struct PreciseTime {
  TGPSTime time{};
  ULONG nanoseconds = 0;    // 0 to 999999999
  bool leapSecond = false;  // the time is the inserted UTC second 23:59:60 after `time`
  int fixedRuleWeek = 0;    // when a 10-bit week was resolved: the week TGPSWeek makes of it
};

// "YYYY-MM-DDThh:mm:ss" of a time.
std::string CalendarText(const TGPSTime& time);

// The GPS week of a time; TGPSWeek takes weeks below 416 as after the 1999 rollover, which a
// time that early is not.
int TrueWeek(const TGPSTime& time);

// One "label  value" line for each form of a valid time, then its text as the form asks. With
// milliseconds or nanoseconds the fraction, as that class holds it, joins the date and time, the
// GPS seconds, the second of week and the Julian day. The time scales follow.
std::string FormatTime(const PreciseTime& time, const TextForm& form);

}  // namespace corekit::tool
