#include "corekit/gpstime/gps_time.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "corekit/gpstime/gps_week.h"

namespace {

using T = TGPSTime;

// Loop forms of the calendar rules, kept deliberately naive; the class computes the same results
// in constant time.
bool RefLeap(unsigned y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
unsigned RefDaysInYear(unsigned y) { return y == 1980 ? 360 : RefLeap(y) ? 366 : 365; }
unsigned RefDaysInMonth(unsigned y, int m) {
  static const unsigned char table[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12) return 0;
  if (y == 1980 && m == 1) return 25;
  return table[m] + (m == 2 && RefLeap(y) ? 1 : 0);
}
std::int64_t RefDaysBefore(unsigned year) {
  std::int64_t days = 0;
  for (unsigned y = 1980; y < year; ++y) days += RefDaysInYear(y);
  return days;
}
ULONG Fit(std::int64_t seconds) {
  return seconds < 0 || seconds > 0xFFFFFFFFll ? 0 : ULONG(seconds);
}

ULONG RefSet(unsigned y, int m, unsigned d, unsigned hh, unsigned mm, unsigned ss) {
  const unsigned allowance = y == 1980 && m == 1 ? 6 : 0;
  if (y < 1980 || y > 2116 || m < 1 || m > 12 || d < 1 || d > 31 ||
      d > RefDaysInMonth(y, m) + allowance || hh > 23 || mm > 59 || ss > 59)
    return 0;
  std::int64_t days = RefDaysBefore(y) + d - allowance;
  for (int i = 1; i < m; ++i) days += RefDaysInMonth(y, i);
  return days < 0 ? 0 : Fit(days * 86400 + hh * 3600 + mm * 60 + ss);
}

ULONG RefYearDay(unsigned y, unsigned doy) {
  if (y < 1980 || y > 2116 || doy == 0 || doy > RefDaysInYear(y)) return 0;
  return Fit((RefDaysBefore(y) + doy) * 86400);
}

struct Date {
  unsigned year;
  int month;
  unsigned day;
  int dayOfWeek;
  bool operator==(const Date&) const = default;
};

Date GetDate(const T& t) {
  unsigned year, day;
  T::TMonth month;
  T::TDayOfWeek dayOfWeek;
  t.GetDate(year, month, day, dayOfWeek);
  return {year, month, day, dayOfWeek};
}

// Set is checked against the loop form below, so a date that sets back to its seconds is right.
TEST(GpsTimeCalendar, SecondsToDateSetsBackForEveryDay) {
  for (std::uint64_t day = 0; day <= 0xFFFFFFFFull / 86400; ++day) {
    for (std::uint64_t s :
         {day * 86400, std::min<std::uint64_t>(day * 86400 + 86399, 0xFFFFFFFF)}) {
      const T t{ULONG(s)};
      const Date date = GetDate(t);
      ASSERT_EQ(
          T(date.year, T::TMonth(date.month), date.day, t.Hour(), t.Minute(), t.Second()).Seconds(),
          s);
      ASSERT_EQ(date.dayOfWeek, int(day % 7)) << s;
      ASSERT_EQ(Date({t.Year(), t.Month(), t.Day(), t.DayOfWeek()}), date) << s;
    }
  }
}

TEST(GpsTimeCalendar, DateToSecondsMatchesLoopForEveryInput) {
  // The last rows are fields out of range: no time.
  const unsigned times[][3] = {{0, 0, 0},    {0, 0, 1},  {6, 28, 15}, {6, 28, 16},
                               {23, 59, 59}, {24, 0, 0}, {0, 60, 0},  {0, 0, 60}};
  for (unsigned y = 1978; y <= 2118; ++y)
    for (int m = -1; m <= 13; ++m)
      for (unsigned d = 0; d <= 32; ++d)
        for (const auto& hms : times) {
          T t(ULONG(12345));
          t.Set(y, T::TMonth(m), d, hms[0], hms[1], hms[2]);
          const ULONG expected = RefSet(y, m, d, hms[0], hms[1], hms[2]);
          ASSERT_EQ(t.Seconds(), expected) << y << '-' << m << '-' << d << ' ' << hms[0];
          ASSERT_EQ(T(y, T::TMonth(m), d, hms[0], hms[1], hms[2]).Seconds(), expected);
        }
}

TEST(GpsTimeCalendar, StaticsAndYearDaysFollowEpochYearConvention) {
  for (unsigned y = 1900; y <= 2200; ++y) {
    ASSERT_EQ(T::LeapYear(y), RefLeap(y)) << y;
    ASSERT_EQ(T::DaysInYear(y), RefDaysInYear(y)) << y;
    for (int m = -1; m <= 13; ++m) ASSERT_EQ(T::DaysInMonth(y, T::TMonth(m)), RefDaysInMonth(y, m));
    for (unsigned doy = 0; doy <= 367; ++doy) {
      ASSERT_EQ(T(y, doy).Seconds(), RefYearDay(y, doy)) << y << '/' << doy;
    }
  }
}

// Known results, which also anchor the loop forms above.
TEST(GpsTimeQuery, FieldsOfKnownTimes) {
  struct Case {
    ULONG s;
    Date date;
    unsigned hh, mm, ss, day;
    int week, small;
    unsigned sow;
    ULONG dos;
  };
  const Case cases[] = {
      {0, {1980, 1, 6, 0}, 0, 0, 0, 0, 1024, 0, 0, 315964800},
      {31190399, {1980, 12, 31, 3}, 23, 59, 59, 360, 1075, 51, 345599, 347155199},
      {619315200, {1999, 8, 22, 0}, 0, 0, 0, 7168, 1024, 0, 0, 935280000},
      {802873845, {2005, 6, 15, 3}, 12, 30, 45, 9292, 1327, 303, 304245, 1118838645},
      {0xFFFFFFFF, {2116, 2, 12, 3}, 6, 28, 15, 49710, 7101, 957, 282495, 315964799},
  };
  for (const Case& c : cases) {
    const T t(c.s);
    EXPECT_EQ(GetDate(t), c.date) << c.s;
    EXPECT_EQ(T(c.date.year, T::TMonth(c.date.month), c.date.day, c.hh, c.mm, c.ss).Seconds(), c.s);
    EXPECT_EQ(t.Hour(), c.hh);
    EXPECT_EQ(t.Minute(), c.mm);
    EXPECT_EQ(t.Second(), c.ss);
    EXPECT_EQ(t.GPSDay(), c.day);
    EXPECT_EQ(int(t.GetGPSWeek()), c.week);
    EXPECT_EQ(t.GetGPSWeekSmall(), c.small);
    EXPECT_EQ(t.SecondInGPSWeek(), c.sow);
    EXPECT_EQ(t.GetDOSTime(), c.dos);
    EXPECT_EQ(t.GetDOSTime(77), c.dos);
  }
  EXPECT_DOUBLE_EQ(T().JulDay(), 2444244.5);
  EXPECT_DOUBLE_EQ(T().JulDay(43200), 2444245.0);
  EXPECT_NEAR(T(ULONG(802873845)).JulDay(), 2453537.0213541667, 1e-9);
  EXPECT_NEAR(T(ULONG(0xFFFFFFFF)).JulDay(-1), 2444244.5 + 4294967294.0 / 86400, 1e-9);
}

TEST(GpsTimeQuery, OffsetsShiftFieldsAcrossBoundaries) {
  struct Case {
    ULONG s;
    int offset;
    unsigned hh, mm;
    Date date;
  };
  const ULONG june15 = 802828800;  // 2005-06-15 00:00:00, a Wednesday
  const Case cases[] = {
      {june15 + 23 * 3600 + 1800, 60, 0, 30, {2005, 6, 16, 4}},
      {june15 + 1800, -60, 23, 30, {2005, 6, 14, 2}},
      {june15 + 199 * 86400 + 23 * 3600, 60, 0, 0, {2006, 1, 1, 0}},
      {100, -10, 6, 19, {2116, 2, 12, 3}},  // wraps below zero to the end of the range
  };
  for (const Case& c : cases) {
    const T t(c.s);
    EXPECT_EQ(t.Hour(c.offset), c.hh) << c.s << ' ' << c.offset;
    EXPECT_EQ(t.Minute(c.offset), c.mm) << c.s << ' ' << c.offset;
    EXPECT_EQ(Date({t.Year(c.offset), t.Month(c.offset), t.Day(c.offset), t.DayOfWeek(c.offset)}),
              c.date)
        << c.s << ' ' << c.offset;
  }
}

TEST(GpsTimeConstruct, OtherForms) {
  EXPECT_EQ(T().Seconds(), 0u);
  EXPECT_EQ(T(25, 61, 61).Seconds(), 93721u);
  EXPECT_EQ(T(TGPSWeek(100), 5).Seconds(), 1124u * 604800 + 5);
  EXPECT_EQ(T(TGPSWeek(7102), 0).Seconds(), 322304u);  // wraps at 32 bits
  const std::pair<ULONG, ULONG> dosTimes[] = {
      {315964800, 0}, {1118838645, 802873845}, {0, 3979002496}};
  for (const auto& [dos, expected] : dosTimes) {
    T t(ULONG(5));
    t.SetDOSTime(dos);
    EXPECT_EQ(t.Seconds(), expected) << dos;
  }
}

TEST(GpsTimeCompare, UnsignedOrder) {
  const T t[] = {T(ULONG(0)), T(ULONG(1)), T(ULONG(0x7FFFFFFF)), T(ULONG(0x80000000)),
                 T(ULONG(0xFFFFFFFF))};
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) {
      const int expected[] = {i == j, i != j, i<j, i <= j, i> j, i >= j, i <= 3 && 3 <= j};
      const int got[] = {t[i] == t[j], t[i] != t[j], t[i]<t[j], t[i] <= t[j], t[i]> t[j],
                         t[i] >= t[j], t[3].Between(t[i], t[j])};
      for (int k = 0; k < 7; ++k) EXPECT_EQ(got[k], expected[k]) << i << ' ' << j << ' ' << k;
    }
  }
}

TEST(GpsTimeArithmetic, WrapsAt32Bits) {
  T t(ULONG(0xFFFFFFFF));
  ++t;
  EXPECT_EQ(t.Seconds(), 0u);
  --t;
  EXPECT_EQ(t.Seconds(), 0xFFFFFFFFu);
  t += -2;
  EXPECT_EQ(t.Seconds(), 0xFFFFFFFDu);
  t -= -2147483647 - 1;
  EXPECT_EQ(t.Seconds(), 0x7FFFFFFDu);
}

TEST(GpsWeek, ResolvesTenBitWeeksBelow416) {
  struct Case {
    int in, out;
  };
  const Case cases[] = {{0, 1024},    {415, 1439}, {416, 416},
                        {1023, 1023}, {-1, -1},    {INT_MIN, INT_MIN}};
  for (const Case& c : cases) EXPECT_EQ(int(TGPSWeek(c.in)), c.out) << c.in;
}

}  // namespace
