#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gpstime/civil_days.h"
#include "corekit/gpstime/gps_week.h"
#include "corekit/platform/interface_types.h"

// A GPS calendar time: whole seconds since 1980-01-06 00:00:00, without leap seconds (every day has
// 86400 s). The count 0 means "no time"; valid times run to 2116-02-12 06:28:15. In 1980, day and
// month counts start after 6 January: that year has 360 days and its January 25.
// Everything but the text is inline, so that a program's loop over times makes no call into the
// library; the library still exports each member for programs built when they were calls.
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
  COREKIT_EXPORTED_INLINE TGPSTime();
  // The given count of seconds since the GPS epoch, unchanged.
  COREKIT_EXPORTED_INLINE TGPSTime(ULONG seconds);
  // A calendar date and time, as Set.
  COREKIT_EXPORTED_INLINE TGPSTime(unsigned int year, TMonth month, unsigned int day,
                                   unsigned int hour, unsigned int minute, unsigned int second);
  // Midnight starting the given day of the year (1980 counts from 7 January); 0 when out of range.
  COREKIT_EXPORTED_INLINE TGPSTime(unsigned int year, unsigned int dayOfYear);
  // A time of day as seconds from the epoch: hour·3600 + minute·60 + second, unchecked.
  COREKIT_EXPORTED_INLINE TGPSTime(unsigned int hour, unsigned int minute, unsigned int second);
  // The given second of a GPS week, unchecked and wrapping at 32 bits.
  COREKIT_EXPORTED_INLINE TGPSTime(TGPSWeek week, unsigned int secondOfWeek);

  // Sets a calendar date and time; stores 0 for any field out of range, a date before the epoch or
  // a time past the last one.
  COREKIT_EXPORTED_INLINE void Set(unsigned int year, TMonth month, unsigned int day,
                                   unsigned int hour, unsigned int minute, unsigned int second);
  // Sets the time from seconds since 1970-01-01 00:00:00 (wrapping at 32 bits).
  COREKIT_EXPORTED_INLINE void SetDOSTime(ULONG dosTime);

  // 1 when the time is not 0.
  COREKIT_EXPORTED_INLINE int IsValid() const;
  // Seconds since the GPS epoch.
  COREKIT_EXPORTED_INLINE ULONG Seconds() const;
  // Seconds since 1970-01-01 00:00:00, wrapping at 32 bits; the argument is ignored.
  COREKIT_EXPORTED_INLINE ULONG GetDOSTime(ULONG unused = 0) const;

  // Whole days since the GPS epoch.
  COREKIT_EXPORTED_INLINE unsigned int GPSDay() const;
  // The full GPS week.
  COREKIT_EXPORTED_INLINE TGPSWeek GetGPSWeek() const;
  // The GPS week modulo 1024, as broadcast.
  COREKIT_EXPORTED_INLINE int GetGPSWeekSmall() const;
  // Seconds since the start of the GPS week (Sunday 00:00:00).
  COREKIT_EXPORTED_INLINE unsigned int SecondInGPSWeek() const;

  // Time-of-day and calendar fields, each shifted first by offsetMinutes (32-bit wrap-around).
  COREKIT_EXPORTED_INLINE unsigned int Hour(int offsetMinutes = 0) const;
  COREKIT_EXPORTED_INLINE unsigned int Minute(int offsetMinutes = 0) const;
  COREKIT_EXPORTED_INLINE unsigned int Second() const;
  COREKIT_EXPORTED_INLINE unsigned int Year(int offsetMinutes = 0) const;
  COREKIT_EXPORTED_INLINE TMonth Month(int offsetMinutes = 0) const;
  COREKIT_EXPORTED_INLINE unsigned int Day(int offsetMinutes = 0) const;
  COREKIT_EXPORTED_INLINE TDayOfWeek DayOfWeek(int offsetMinutes = 0) const;
  // The Gregorian date and weekday of the time.
  COREKIT_EXPORTED_INLINE void GetDate(unsigned int& year, TMonth& month, unsigned int& day,
                                       TDayOfWeek& dayOfWeek) const;

  // Julian day of the time shifted by offsetSeconds; the epoch is 2444244.5.
  COREKIT_EXPORTED_INLINE double JulDay(int offsetSeconds = 0) const;

  // The time as text in the user's locale: mode 0 or 1 the time, 2 the date, 3 date, space and
  // time, 4 and above date and time with nothing between. zone -720..720 shifts by that many
  // minutes, 800 converts to the machine's local time, other values are ignored. The pictures are
  // Windows date and time pictures ("dd.MM.yyyy", "HH:mm:ss"); null means the locale's default.
  // Empty text for no time.
  KString AsString(int mode = 3, int zone = 0, const char* dateFormat = nullptr,
                   const char* timeFormat = nullptr) const;

  // Comparisons of the second counts; each returns 1 or 0.
  COREKIT_EXPORTED_INLINE int operator==(const TGPSTime& other) const;
  COREKIT_EXPORTED_INLINE int operator!=(const TGPSTime& other) const;
  COREKIT_EXPORTED_INLINE int operator<(const TGPSTime& other) const;
  COREKIT_EXPORTED_INLINE int operator<=(const TGPSTime& other) const;
  COREKIT_EXPORTED_INLINE int operator>(const TGPSTime& other) const;
  COREKIT_EXPORTED_INLINE int operator>=(const TGPSTime& other) const;
  // 1 when from <= *this <= to.
  COREKIT_EXPORTED_INLINE int Between(const TGPSTime& from, const TGPSTime& to) const;

  // Step by one second or by a signed count, wrapping at 32 bits.
  COREKIT_EXPORTED_INLINE void operator++();
  COREKIT_EXPORTED_INLINE void operator--();
  COREKIT_EXPORTED_INLINE void operator+=(LONG seconds);
  COREKIT_EXPORTED_INLINE void operator-=(LONG seconds);

  // Gregorian leap year.
  COREKIT_EXPORTED_INLINE static bool LeapYear(unsigned int year);
  // 360 for 1980, else 365 or 366.
  COREKIT_EXPORTED_INLINE static unsigned int DaysInYear(unsigned int year);
  // 25 for January 1980, 29 for February of a leap year, 0 for a month outside 1..12.
  COREKIT_EXPORTED_INLINE static unsigned char DaysInMonth(unsigned int year, TMonth month);

private:
  ULONG m_seconds;
};

static_assert(sizeof(TGPSTime::TMonth) == 4 && sizeof(TGPSTime::TDayOfWeek) == 4);

// Defined before their first use in the members below: a Windows program that uses them after
// their first mention would take them from the DLL.
inline bool TGPSTime::LeapYear(unsigned int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

inline unsigned int TGPSTime::DaysInYear(unsigned int year) {
  if (year == corekit::internal::FirstYear) {
    return 360;
  }
  return LeapYear(year) ? 366 : 365;
}

inline unsigned char TGPSTime::DaysInMonth(unsigned int year, TMonth month) {
  const int monthNumber = static_cast<int>(month);
  if (monthNumber < 1 || monthNumber > 12) {
    return 0;
  }
  if (year == corekit::internal::FirstYear && monthNumber == January) {
    return 25;
  }
  if (monthNumber == February && LeapYear(year)) {
    return 29;
  }
  return corekit::internal::MonthDays[monthNumber];
}

// 1 to 5 January 1980 lie before the epoch and give no time, like impossible dates.
inline void TGPSTime::Set(unsigned int year, TMonth month, unsigned int day, unsigned int hour,
                          unsigned int minute, unsigned int second) {
  m_seconds = corekit::internal::SecondsOfDate(year, static_cast<unsigned int>(month), day, hour,
                                               minute, second);
}

inline TGPSTime::TGPSTime() : m_seconds(0) {}

inline TGPSTime::TGPSTime(ULONG seconds) : m_seconds(seconds) {}

inline TGPSTime::TGPSTime(unsigned int year, TMonth month, unsigned int day, unsigned int hour,
                          unsigned int minute, unsigned int second)
    : m_seconds(0) {
  Set(year, month, day, hour, minute, second);
}

inline TGPSTime::TGPSTime(unsigned int year, unsigned int dayOfYear) : m_seconds(0) {
  namespace ci = corekit::internal;
  if (year < ci::FirstYear || year > ci::LastYear || dayOfYear == 0 ||
      dayOfYear > DaysInYear(year)) {
    return;
  }
  // Days of the years before: 1980 counts only its 360 days after 6 January, so 1 January of any
  // later year is its civil day count from the epoch, less one.
  const unsigned int daysBefore =
      year == ci::FirstYear ? 0 : ci::DaysFromCivil(year, 1, 1) - ci::EpochCivilDays - 1;
  const unsigned long long seconds =
      static_cast<unsigned long long>(daysBefore + dayOfYear) * ci::SecondsPerDay;
  if (seconds <= 0xFFFFFFFFull) {
    m_seconds = static_cast<ULONG>(seconds);
  }
}

inline TGPSTime::TGPSTime(unsigned int hour, unsigned int minute, unsigned int second)
    : m_seconds(hour * corekit::SecondsPerHour + minute * corekit::SecondsPerMinute + second) {}

inline TGPSTime::TGPSTime(TGPSWeek week, unsigned int secondOfWeek)
    : m_seconds(static_cast<ULONG>(static_cast<int>(week)) * corekit::SecondsPerWeek +
                secondOfWeek) {}

inline void TGPSTime::SetDOSTime(ULONG dosTime) {
  m_seconds = dosTime - corekit::UnixSecondsAtGPSEpoch;
}

inline int TGPSTime::IsValid() const { return m_seconds != 0 ? 1 : 0; }

inline ULONG TGPSTime::Seconds() const { return m_seconds; }

inline ULONG TGPSTime::GetDOSTime(ULONG /*unused*/) const {
  return m_seconds + corekit::UnixSecondsAtGPSEpoch;
}

inline unsigned int TGPSTime::GPSDay() const { return m_seconds / corekit::SecondsPerDay; }

inline TGPSWeek TGPSTime::GetGPSWeek() const {
  return TGPSWeek(static_cast<int>(m_seconds / corekit::SecondsPerWeek));
}

inline int TGPSTime::GetGPSWeekSmall() const {
  return static_cast<int>(m_seconds / corekit::SecondsPerWeek) % corekit::internal::WeekRollover;
}

inline unsigned int TGPSTime::SecondInGPSWeek() const {
  return m_seconds % corekit::SecondsPerWeek;
}

inline unsigned int TGPSTime::Hour(int offsetMinutes) const {
  return corekit::internal::ShiftedByMinutes(m_seconds, offsetMinutes) % corekit::SecondsPerDay /
         corekit::SecondsPerHour;
}

inline unsigned int TGPSTime::Minute(int offsetMinutes) const {
  return corekit::internal::ShiftedByMinutes(m_seconds, offsetMinutes) % corekit::SecondsPerHour /
         corekit::SecondsPerMinute;
}

inline unsigned int TGPSTime::Second() const { return m_seconds % corekit::SecondsPerMinute; }

inline unsigned int TGPSTime::Year(int offsetMinutes) const {
  return corekit::internal::ShiftedDate(m_seconds, offsetMinutes).year;
}

inline TGPSTime::TMonth TGPSTime::Month(int offsetMinutes) const {
  return static_cast<TMonth>(corekit::internal::ShiftedDate(m_seconds, offsetMinutes).month);
}

inline unsigned int TGPSTime::Day(int offsetMinutes) const {
  return corekit::internal::ShiftedDate(m_seconds, offsetMinutes).day;
}

// The epoch is a Sunday.
inline TGPSTime::TDayOfWeek TGPSTime::DayOfWeek(int offsetMinutes) const {
  return static_cast<TDayOfWeek>(corekit::internal::ShiftedByMinutes(m_seconds, offsetMinutes) /
                                 corekit::SecondsPerDay % 7);
}

inline void TGPSTime::GetDate(unsigned int& year, TMonth& month, unsigned int& day,
                              TDayOfWeek& dayOfWeek) const {
  const corekit::internal::TCivilDate date = corekit::internal::DateOfGpsDay(GPSDay());
  year = date.year;
  month = static_cast<TMonth>(date.month);
  day = date.day;
  dayOfWeek = DayOfWeek();
}

inline double TGPSTime::JulDay(int offsetSeconds) const {
  return corekit::internal::JulianDay(static_cast<double>(m_seconds), offsetSeconds);
}

inline int TGPSTime::operator==(const TGPSTime& other) const {
  return m_seconds == other.m_seconds;
}
inline int TGPSTime::operator!=(const TGPSTime& other) const {
  return m_seconds != other.m_seconds;
}
inline int TGPSTime::operator<(const TGPSTime& other) const { return m_seconds < other.m_seconds; }
inline int TGPSTime::operator<=(const TGPSTime& other) const {
  return m_seconds <= other.m_seconds;
}
inline int TGPSTime::operator>(const TGPSTime& other) const { return m_seconds > other.m_seconds; }
inline int TGPSTime::operator>=(const TGPSTime& other) const {
  return m_seconds >= other.m_seconds;
}

inline int TGPSTime::Between(const TGPSTime& from, const TGPSTime& to) const {
  return from.m_seconds <= m_seconds && m_seconds <= to.m_seconds;
}

inline void TGPSTime::operator++() { ++m_seconds; }
inline void TGPSTime::operator--() { --m_seconds; }
inline void TGPSTime::operator+=(LONG seconds) { m_seconds += static_cast<ULONG>(seconds); }
inline void TGPSTime::operator-=(LONG seconds) { m_seconds -= static_cast<ULONG>(seconds); }
