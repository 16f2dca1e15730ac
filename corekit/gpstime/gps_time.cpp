#include "corekit/gpstime/gps_time.h"

#include "corekit/gpstime/civil_days.h"

namespace ci = corekit::internal;

namespace {

constexpr unsigned long long MaxSeconds = 0xFFFFFFFFull;

// The count shifted by a signed number of minutes, modulo 2^32.
ULONG ShiftedByMinutes(ULONG seconds, int offsetMinutes) {
  return seconds + static_cast<ULONG>(offsetMinutes) * ci::SecondsPerMinute;
}

struct CalendarDate {
  unsigned int year = 0;
  TGPSTime::TMonth month = TGPSTime::January;
  unsigned int day = 0;
  TGPSTime::TDayOfWeek dayOfWeek = TGPSTime::Sunday;
};

// The calendar date of the count shifted by a number of minutes.
CalendarDate ShiftedDate(ULONG seconds, int offsetMinutes) {
  CalendarDate date;
  TGPSTime(ShiftedByMinutes(seconds, offsetMinutes))
      .GetDate(date.year, date.month, date.day, date.dayOfWeek);
  return date;
}

}  // namespace

TGPSTime::TGPSTime() : m_seconds(0) {}

TGPSTime::TGPSTime(ULONG seconds) : m_seconds(seconds) {}

TGPSTime::TGPSTime(unsigned int year, TMonth month, unsigned int day, unsigned int hour,
                   unsigned int minute, unsigned int second)
    : m_seconds(0) {
  Set(year, month, day, hour, minute, second);
}

TGPSTime::TGPSTime(unsigned int year, unsigned int dayOfYear) : m_seconds(0) {
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
  if (seconds <= MaxSeconds) {
    m_seconds = static_cast<ULONG>(seconds);
  }
}

TGPSTime::TGPSTime(unsigned int hour, unsigned int minute, unsigned int second)
    : m_seconds(hour * ci::SecondsPerHour + minute * ci::SecondsPerMinute + second) {}

TGPSTime::TGPSTime(TGPSWeek week, unsigned int secondOfWeek)
    : m_seconds(static_cast<ULONG>(static_cast<int>(week)) * ci::SecondsPerWeek + secondOfWeek) {}

void TGPSTime::Set(unsigned int year, TMonth month, unsigned int day, unsigned int hour,
                   unsigned int minute, unsigned int second) {
  // 1 to 5 January 1980 lie before the epoch and give no time, like impossible dates.
  unsigned int gpsDay = 0;
  m_seconds = 0;
  if (!ci::GpsDayOfDate(year, static_cast<unsigned int>(month), day, gpsDay) || hour > 23 ||
      minute > 59 || second > 59) {
    return;
  }
  const unsigned long long seconds = static_cast<unsigned long long>(gpsDay) * ci::SecondsPerDay +
                                     hour * ci::SecondsPerHour + minute * ci::SecondsPerMinute +
                                     second;
  if (seconds <= MaxSeconds) {
    m_seconds = static_cast<ULONG>(seconds);
  }
}

void TGPSTime::SetDOSTime(ULONG dosTime) { m_seconds = dosTime - ci::UnixSecondsAtGPSEpoch; }

int TGPSTime::IsValid() const { return m_seconds != 0 ? 1 : 0; }

ULONG TGPSTime::Seconds() const { return m_seconds; }

ULONG TGPSTime::GetDOSTime(ULONG /*unused*/) const { return m_seconds + ci::UnixSecondsAtGPSEpoch; }

unsigned int TGPSTime::GPSDay() const { return m_seconds / ci::SecondsPerDay; }

TGPSWeek TGPSTime::GetGPSWeek() const {
  return TGPSWeek(static_cast<int>(m_seconds / ci::SecondsPerWeek));
}

int TGPSTime::GetGPSWeekSmall() const {
  return static_cast<int>(m_seconds / ci::SecondsPerWeek) % ci::WeekRollover;
}

unsigned int TGPSTime::SecondInGPSWeek() const { return m_seconds % ci::SecondsPerWeek; }

unsigned int TGPSTime::Hour(int offsetMinutes) const {
  return ShiftedByMinutes(m_seconds, offsetMinutes) % ci::SecondsPerDay / ci::SecondsPerHour;
}

unsigned int TGPSTime::Minute(int offsetMinutes) const {
  return ShiftedByMinutes(m_seconds, offsetMinutes) % ci::SecondsPerDay % ci::SecondsPerHour /
         ci::SecondsPerMinute;
}

unsigned int TGPSTime::Second() const { return m_seconds % ci::SecondsPerMinute; }

unsigned int TGPSTime::Year(int offsetMinutes) const {
  return ShiftedDate(m_seconds, offsetMinutes).year;
}

TGPSTime::TMonth TGPSTime::Month(int offsetMinutes) const {
  return ShiftedDate(m_seconds, offsetMinutes).month;
}

unsigned int TGPSTime::Day(int offsetMinutes) const {
  return ShiftedDate(m_seconds, offsetMinutes).day;
}

TGPSTime::TDayOfWeek TGPSTime::DayOfWeek(int offsetMinutes) const {
  return ShiftedDate(m_seconds, offsetMinutes).dayOfWeek;
}

void TGPSTime::GetDate(unsigned int& year, TMonth& month, unsigned int& day,
                       TDayOfWeek& dayOfWeek) const {
  const unsigned int gpsDay = GPSDay();
  const ci::TCivilDate date = ci::DateOfGpsDay(gpsDay);
  year = date.year;
  month = static_cast<TMonth>(date.month);
  day = date.day;
  dayOfWeek = static_cast<TDayOfWeek>(gpsDay % 7);  // the epoch is a Sunday
}

double TGPSTime::JulDay(int offsetSeconds) const {
  return ci::JulianDay(static_cast<double>(m_seconds), offsetSeconds);
}

int TGPSTime::operator==(const TGPSTime& other) const { return m_seconds == other.m_seconds; }
int TGPSTime::operator!=(const TGPSTime& other) const { return m_seconds != other.m_seconds; }
int TGPSTime::operator<(const TGPSTime& other) const { return m_seconds < other.m_seconds; }
int TGPSTime::operator<=(const TGPSTime& other) const { return m_seconds <= other.m_seconds; }
int TGPSTime::operator>(const TGPSTime& other) const { return m_seconds > other.m_seconds; }
int TGPSTime::operator>=(const TGPSTime& other) const { return m_seconds >= other.m_seconds; }

int TGPSTime::Between(const TGPSTime& from, const TGPSTime& to) const {
  return from.m_seconds <= m_seconds && m_seconds <= to.m_seconds;
}

void TGPSTime::operator++() { ++m_seconds; }
void TGPSTime::operator--() { --m_seconds; }
void TGPSTime::operator+=(LONG seconds) { m_seconds += static_cast<ULONG>(seconds); }
void TGPSTime::operator-=(LONG seconds) { m_seconds -= static_cast<ULONG>(seconds); }

bool TGPSTime::LeapYear(unsigned int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned int TGPSTime::DaysInYear(unsigned int year) {
  if (year == ci::FirstYear) {
    return 360;
  }
  return LeapYear(year) ? 366 : 365;
}

unsigned char TGPSTime::DaysInMonth(unsigned int year, TMonth month) {
  const int monthNumber = static_cast<int>(month);
  if (monthNumber < 1 || monthNumber > 12) {
    return 0;
  }
  if (year == ci::FirstYear && monthNumber == January) {
    return 25;
  }
  if (monthNumber == February && LeapYear(year)) {
    return 29;
  }
  return ci::MonthDays[monthNumber];
}
