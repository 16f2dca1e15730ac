#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gpstime/gps_week.h"
#include "corekit/platform/interface_types.h"

// A GPS calendar time: whole seconds since 1980-01-06 00:00:00, without leap seconds (every day has
// 86400 s). The count 0 means "no time"; valid times run to 2116-02-12 06:28:15. In 1980, day and
// month counts start after 6 January: that year has 360 days and its January 25.
class COREKIT_API TGPSTime {
public:
  // The months, January = 1.
  enum TMonth : int {
    January = 1,
    February,
    March,
    April,
    May,
    June,
    July,
    August,
    September,
    October,
    November,
    December
  };

  // The days of the week, Sunday = 0.
  enum TDayOfWeek : int { Sunday = 0, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

  // No time (0).
  TGPSTime();
  // The given count of seconds since the GPS epoch, unchanged.
  TGPSTime(ULONG seconds);
  // A calendar date and time, as Set.
  TGPSTime(unsigned int year, TMonth month, unsigned int day, unsigned int hour,
           unsigned int minute, unsigned int second);
  // Midnight starting the given day of the year (1980 counts from 7 January); 0 when out of range.
  TGPSTime(unsigned int year, unsigned int dayOfYear);
  // A time of day as seconds from the epoch: hour·3600 + minute·60 + second, unchecked.
  TGPSTime(unsigned int hour, unsigned int minute, unsigned int second);
  // The given second of a GPS week, unchecked and wrapping at 32 bits.
  TGPSTime(TGPSWeek week, unsigned int secondOfWeek);

  // Sets a calendar date and time; stores 0 for any field out of range, a date before the epoch or
  // a time past the last one.
  void Set(unsigned int year, TMonth month, unsigned int day, unsigned int hour,
           unsigned int minute, unsigned int second);
  // Sets the time from seconds since 1970-01-01 00:00:00 (wrapping at 32 bits).
  void SetDOSTime(ULONG dosTime);

  // 1 when the time is not 0.
  int IsValid() const;
  // Seconds since the GPS epoch.
  ULONG Seconds() const;
  // Seconds since 1970-01-01 00:00:00, wrapping at 32 bits; the argument is ignored.
  ULONG GetDOSTime(ULONG unused = 0) const;

  // Whole days since the GPS epoch.
  unsigned int GPSDay() const;
  // The full GPS week.
  TGPSWeek GetGPSWeek() const;
  // The GPS week modulo 1024, as broadcast.
  int GetGPSWeekSmall() const;
  // Seconds since the start of the GPS week (Sunday 00:00:00).
  unsigned int SecondInGPSWeek() const;

  // Time-of-day and calendar fields, each shifted first by offsetMinutes (32-bit wrap-around).
  unsigned int Hour(int offsetMinutes = 0) const;
  unsigned int Minute(int offsetMinutes = 0) const;
  unsigned int Second() const;
  unsigned int Year(int offsetMinutes = 0) const;
  TMonth Month(int offsetMinutes = 0) const;
  unsigned int Day(int offsetMinutes = 0) const;
  TDayOfWeek DayOfWeek(int offsetMinutes = 0) const;
  // The Gregorian date and weekday of the time.
  void GetDate(unsigned int& year, TMonth& month, unsigned int& day, TDayOfWeek& dayOfWeek) const;

  // Julian day of the time shifted by offsetSeconds; the epoch is 2444244.5.
  double JulDay(int offsetSeconds = 0) const;

  // The time as text in the user's locale: mode 0 or 1 the time, 2 the date, 3 date, space and
  // time, 4 and above date and time with nothing between. zone -720..720 shifts by that many
  // minutes, 800 converts to the machine's local time, other values are ignored. The pictures are
  // Windows date and time pictures ("dd.MM.yyyy", "HH:mm:ss"); null means the locale's default.
  // Empty text for no time.
  KString AsString(int mode = 3, int zone = 0, const char* dateFormat = nullptr,
                   const char* timeFormat = nullptr) const;

  // Comparisons of the second counts; each returns 1 or 0.
  int operator==(const TGPSTime& other) const;
  int operator!=(const TGPSTime& other) const;
  int operator<(const TGPSTime& other) const;
  int operator<=(const TGPSTime& other) const;
  int operator>(const TGPSTime& other) const;
  int operator>=(const TGPSTime& other) const;
  // 1 when from <= *this <= to.
  int Between(const TGPSTime& from, const TGPSTime& to) const;

  // Step by one second or by a signed count, wrapping at 32 bits.
  void operator++();
  void operator--();
  void operator+=(LONG seconds);
  void operator-=(LONG seconds);

  // Gregorian leap year.
  static bool LeapYear(unsigned int year);
  // 360 for 1980, else 365 or 366.
  static unsigned int DaysInYear(unsigned int year);
  // 25 for January 1980, 29 for February of a leap year, 0 for a month outside 1..12.
  static unsigned char DaysInMonth(unsigned int year, TMonth month);

private:
  ULONG m_seconds;
};

static_assert(sizeof(TGPSTime::TMonth) == 4 && sizeof(TGPSTime::TDayOfWeek) == 4);
