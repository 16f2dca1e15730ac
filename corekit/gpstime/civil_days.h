#pragma once

// Constants and constant-time civil-date arithmetic behind TGPSTime's inline conversions. Installed
// because gps_time.h includes it; its names are no part of the interface and may change.

#include "corekit/gpstime/time_constants.h"
#include "corekit/platform/interface_types.h"

namespace corekit::internal {

using corekit::SecondsPerDay;
using corekit::SecondsPerHour;
using corekit::SecondsPerMinute;
using corekit::SecondsPerWeek;
using corekit::UnixSecondsAtGPSEpoch;
inline constexpr int WeekRollover = 1024;
// Weeks below this are taken as counted after the first rollover.
inline constexpr int LowestUnrolledWeek = 416;
inline constexpr unsigned int FirstYear = 1980;
inline constexpr unsigned int LastYear = 2116;
// Days of each month in a common year, indexed by month number; entry 0 is unused.
inline constexpr unsigned char MonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days from 1970-01-01 to the given Gregorian date, for years 1 to 2,000,000 (months 1..12, days
// from 1). Years are counted from March, so that the leap day ends the year; the month and year
// terms are single multiplications and shifts (the Euclidean affine forms of Neri and Schneider),
// which are cheaper than the divisions of the textbook forms.
constexpr unsigned int DaysFromCivil(unsigned int year, unsigned int month, unsigned int day) {
  const bool earlyMonth = month < 3;
  const unsigned int marchYear = year - (earlyMonth ? 1 : 0);
  const unsigned int marchMonth = earlyMonth ? month + 12 : month;  // 3..14
  const unsigned int century = marchYear / 100;
  const unsigned int yearDays = 1461 * marchYear / 4 - century + century / 4;
  const unsigned int monthDays = (979 * marchMonth - 2919) / 32;
  return yearDays + monthDays + day - 1 - 719468;
}

struct TCivilDate {
  unsigned int year;
  unsigned int month;
  unsigned int day;
};

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
static_assert(EpochCivilDays * SecondsPerDay == UnixSecondsAtGPSEpoch);

// Calendar tables of the years a GPS time can fall in (1980 to 2116), built at compile time: the
// conversions between a date and a day count are then a few table reads.
// The years of the tables, with the year after the last.
inline constexpr unsigned int TableYears = LastYear - FirstYear + 2;

// Days from 1980-01-01 to 1 January of each year from FirstYear.
inline constexpr auto YearStarts = [] {
  struct Table {
    unsigned int days[TableYears];
  } table{};
  for (unsigned int i = 0; i < TableYears; ++i)
    table.days[i] = DaysFromCivil(FirstYear + i, 1, 1) - DaysFromCivil(FirstYear, 1, 1);
  return table;
}();

// Days of the year before each month (index 1..12; 13 is the year's length), common and leap years.
inline constexpr unsigned short MonthStarts[2][14] = {
    {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};

// 1 for a leap year of the table, else 0; index from FirstYear.
constexpr unsigned int TableLeap(unsigned int index) {
  return YearStarts.days[index + 1] - YearStarts.days[index] == 366 ? 1 : 0;
}

// Per year of the table: the days from 1980-01-01 to its 1 January in the low 16 bits, 1 for a
// leap year in bit 16. Per month of a common and a leap year: the days of the year before it in
// the low 16 bits, its length above them. A date is then checked and counted with two reads.
inline constexpr auto YearInfo = [] {
  struct Table {
    unsigned int info[TableYears - 1];
  } table{};
  for (unsigned int i = 0; i + 1 < TableYears; ++i)
    table.info[i] = YearStarts.days[i] | TableLeap(i) << 16;
  return table;
}();
inline constexpr auto MonthInfo = [] {
  struct Table {
    unsigned int info[2][13];
  } table{};
  for (unsigned int leap = 0; leap < 2; ++leap) {
    for (unsigned int month = 1; month <= 12; ++month) {
      const unsigned int start = MonthStarts[leap][month];
      table.info[leap][month] = start | (MonthStarts[leap][month + 1] - start) << 16;
    }
  }
  return table;
}();
static_assert(YearStarts.days[TableYears - 1] < 0x10000);

// The dates of four years that start with a leap year, per day from the first (0..1460): the year
// of the four in bits 9-10, the month in bits 5-8, the day in bits 0-4.
inline constexpr auto CycleDates = [] {
  struct Table {
    unsigned short date[1461];
  } table{};
  unsigned int index = 0;
  for (unsigned int year = 0; year < 4; ++year) {
    const unsigned int leap = year == 0 ? 1 : 0;
    for (unsigned int month = 1; month <= 12; ++month) {
      const unsigned int length = MonthInfo.info[leap][month] >> 16;
      for (unsigned int day = 1; day <= length; ++day)
        table.date[index++] = static_cast<unsigned short>(year << 9 | month << 5 | day);
    }
  }
  return table;
}();

// The date of a day counted from the GPS epoch (up to the last day a 32-bit count reaches): the
// four-year cycle of 1980 holds to 2116 but for 2100, no leap year, so from its 1 March on the
// count steps over the 29 February the cycle gives it. No branch and one table read.
constexpr TCivilDate DateOfGpsDay(unsigned int gpsDay) {
  constexpr unsigned int firstDay = DaysFromCivil(FirstYear, 1, 1);
  constexpr unsigned int march2100 = DaysFromCivil(2100, 3, 1) - firstDay;
  unsigned int days = gpsDay + (EpochCivilDays - firstDay);
  days += days >= march2100 ? 1 : 0;
  const unsigned int date = CycleDates.date[days % 1461];
  return {FirstYear + days / 1461 * 4 + (date >> 9), date >> 5 & 15, date & 31};
}

// Seconds from the GPS epoch to a date and time of day; 0 for any field out of range, an impossible
// date, a date before the epoch (1 to 5 January 1980 too) or a time past the last 32-bit count.
// Two table reads check and count the date; a date before the epoch gives a negative count
// (the time of day is less than one day), so one comparison ends both ranges.
constexpr ULONG SecondsOfDate(unsigned int year, unsigned int month, unsigned int day,
                              unsigned int hour, unsigned int minute, unsigned int second) {
  if (year - FirstYear > LastYear - FirstYear || month - 1 > 11 || day == 0 || hour > 23 ||
      minute > 59 || second > 59)
    return 0;
  const unsigned int yearInfo = YearInfo.info[year - FirstYear];
  const unsigned int monthInfo = MonthInfo.info[yearInfo >> 16][month];
  if (day > monthInfo >> 16) return 0;
  constexpr long long epoch = EpochCivilDays - DaysFromCivil(FirstYear, 1, 1);
  const long long days = (yearInfo & 0xFFFF) + (monthInfo & 0xFFFF) + day - 1 - epoch;
  const long long seconds =
      days * SecondsPerDay + hour * SecondsPerHour + minute * SecondsPerMinute + second;
  return seconds >= 0 && seconds <= 0xFFFFFFFFll ? static_cast<ULONG>(seconds) : 0;
}

// Days from the GPS epoch to a date of the table's years; false for a date outside them, an
// impossible date, or a date before the epoch.
constexpr bool GpsDayOfDate(unsigned int year, unsigned int month, unsigned int day,
                            unsigned int& gpsDay) {
  if (year - FirstYear > LastYear - FirstYear || month - 1 > 11 || day == 0) return false;
  const unsigned int yearInfo = YearInfo.info[year - FirstYear];
  const unsigned int monthInfo = MonthInfo.info[yearInfo >> 16][month];
  if (day > monthInfo >> 16) return false;
  const unsigned int days = (yearInfo & 0xFFFF) + (monthInfo & 0xFFFF) + day - 1;
  constexpr unsigned int epoch = EpochCivilDays - DaysFromCivil(FirstYear, 1, 1);
  if (days < epoch) return false;
  gpsDay = days - epoch;
  return true;
}

// The count shifted by a signed number of minutes, modulo 2^32.
constexpr ULONG ShiftedByMinutes(ULONG seconds, int offsetMinutes) {
  return seconds + static_cast<ULONG>(offsetMinutes) * SecondsPerMinute;
}

// The date of a count of seconds shifted by a signed number of minutes.
constexpr TCivilDate ShiftedDate(ULONG seconds, int offsetMinutes) {
  return DateOfGpsDay(ShiftedByMinutes(seconds, offsetMinutes) / SecondsPerDay);
}

}  // namespace corekit::internal
