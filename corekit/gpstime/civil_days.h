#pragma once

// Constants and constant-time civil-date arithmetic behind TGPSTime. Internal: not exported and not
// included by public headers.

#include "corekit/platform/types.h"

namespace corekit::internal {

inline constexpr ULONG SecondsPerDay = 86400;
inline constexpr ULONG SecondsPerHour = 3600;
inline constexpr ULONG SecondsPerMinute = 60;
inline constexpr ULONG SecondsPerWeek = 604800;
// Seconds from 1970-01-01 00:00:00 to the GPS epoch, 1980-01-06 00:00:00.
inline constexpr ULONG DOSTimeAtEpoch = 315964800;
inline constexpr int WeekRollover = 1024;
// Weeks below this are taken as counted after the first rollover.
inline constexpr int LowestUnrolledWeek = 416;
inline constexpr unsigned int FirstYear = 1980;
inline constexpr unsigned int LastYear = 2116;
// Days of each month in a common year, indexed by month number; entry 0 is unused.
inline constexpr unsigned char MonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days from 1970-01-01 to the given Gregorian date, for years 1 and later (months 1..12, days from
// 1). Counts years from March so that the leap day ends the year.
constexpr unsigned int DaysFromCivil(unsigned int year, unsigned int month, unsigned int day) {
  const unsigned int y = month <= 2 ? year - 1 : year;
  const unsigned int era = y / 400;
  const unsigned int yearOfEra = y - era * 400;
  const unsigned int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct TCivilDate {
  unsigned int year;
  unsigned int month;
  unsigned int day;
};

// Inverse of DaysFromCivil for any count of days from 1970-01-01 that fits unsigned int.
constexpr TCivilDate CivilFromDays(unsigned int days) {
  const unsigned long long z = static_cast<unsigned long long>(days) + 719468;
  const unsigned long long era = z / 146097;
  const unsigned long long dayOfEra = z - era * 146097;
  const unsigned long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned long long dayOfYear =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned long long monthFromMarch = (5 * dayOfYear + 2) / 153;
  const unsigned int day =
      static_cast<unsigned int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  const unsigned int month =
      static_cast<unsigned int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  const unsigned int year = static_cast<unsigned int>(yearOfEra + era * 400) + (month <= 2 ? 1 : 0);
  return {year, month, day};
}

// Julian day of a count of seconds since the GPS epoch, shifted by offsetSeconds; the epoch
// instant is 2444244.5.
constexpr double JulianDay(double seconds, int offsetSeconds) {
  return (seconds + static_cast<double>(offsetSeconds) - 43200.0) / 86400.0 + 2444245.0;
}

// Floating seconds since the epoch split into the whole seconds, truncated, and the fraction
// (0 <= fraction < 1). False for a value that no 32-bit count holds: negative, 2^32 or more, or not
// a number.
constexpr bool SplitSeconds(double seconds, ULONG& whole, double& fraction) {
  if (!(seconds >= 0.0 && seconds < 4294967296.0)) return false;
  whole = static_cast<ULONG>(seconds);
  fraction = seconds - static_cast<double>(whole);
  return true;
}

// Days from 1970-01-01 to the GPS epoch.
inline constexpr unsigned int EpochCivilDays = DaysFromCivil(1980, 1, 6);
static_assert(EpochCivilDays * SecondsPerDay == DOSTimeAtEpoch);

}  // namespace corekit::internal
