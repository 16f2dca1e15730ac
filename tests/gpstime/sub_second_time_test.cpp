#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/gpstime/gps_time_ns.h"

namespace {

struct Ms {
  ULONG seconds;
  unsigned milliseconds;
};

struct Ns {
  ULONG seconds;
  ULONG nanoseconds;
};

void ExpectTime(const TGPSTimeMS& time, Ms expected, const char* what) {
  EXPECT_EQ(time.Seconds(), expected.seconds) << what;
  EXPECT_EQ(time.mSecond(), expected.milliseconds) << what;
}

void ExpectTime(const TGPSTimeNS& time, Ns expected, const char* what) {
  EXPECT_EQ(time.Seconds(), expected.seconds) << what;
  EXPECT_EQ(time.nSecond(), expected.nanoseconds) << what;
}

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

// Halves round up; a fraction that rounds to a whole second carries into the seconds.
TEST(SubSecondTimes, FromFloatingSecondsRoundToTheNearestMillisecondOr100Nanoseconds) {
  const struct {
    double seconds;
    Ms ms;
    Ns ns;
  } cases[] = {
      {10.25, {10, 250}, {10, 250000000}},
      {10.9996, {11, 0}, {10, 999600000}},
      {0.0005, {0, 1}, {0, 500000}},
      {0.0004999, {0, 0}, {0, 499900}},
      {1.23456789, {1, 235}, {1, 234567900}},
      {5.99999996, {6, 0}, {6, 0}},
      {5.99999994, {6, 0}, {5, 999999900}},
      {0.00000005, {0, 0}, {0, 100}},
      {4294967295.25, {4294967295, 250}, {4294967295, 250000000}},
      {4294967295.9996, {0, 0}, {4294967295, 999599900}},  // the carry wraps at 32 bits
      {-0.5, {0, 0}, {0, 0}},                              // outside the domain: no time
      {4294967296.0, {0, 0}, {0, 0}},
      {NotANumber, {0, 0}, {0, 0}},
  };
  for (const auto& c : cases) {
    TGPSTimeMS ms(7, 7);
    ms.Set(c.seconds);
    ExpectTime(ms, c.ms, "Set");
    ExpectTime(TGPSTimeMS(c.seconds), c.ms, "constructor");
    TGPSTimeNS ns(7, 7);
    ns.Set(c.seconds);
    ExpectTime(ns, c.ns, "Set");
    ExpectTime(TGPSTimeNS(c.seconds), c.ns, "constructor");
  }
}

TEST(TGPSTimeMS, SignedMillisecondsCarryTowardMinusInfinity) {
  const struct {
    ULONG seconds;
    int milliseconds;
    Ms expected;
  } cases[] = {
      {100, 1500, {101, 500}},
      {100, -1000, {99, 0}},
      {100, -1, {99, 999}},
      {100, -1001, {98, 999}},
      {100, 999, {100, 999}},
      {0, -1, {4294967295, 999}},  // 32-bit wrap-around
      {4294967295, 1000, {0, 0}},
      {100, INT_MAX, {2147583, 647}},
      {100, INT_MIN, {4292819912, 352}},
  };
  for (const auto& c : cases) {
    TGPSTimeMS time;
    time.SetMS(c.seconds, c.milliseconds);
    ExpectTime(time, c.expected, "SetMS");
    ExpectTime(TGPSTimeMS(TGPSTimeMS(c.seconds, 0), c.milliseconds), c.expected, "copy and delta");
    TGPSTimeMS added(c.seconds, 0);
    added.Add(c.milliseconds);
    ExpectTime(added, c.expected, "Add");
  }
}

TEST(TGPSTimeMS, AddAndSubCarryOrBorrowOnce) {
  enum Op { Add, Sub };
  const struct {
    Ms start;
    Op op;
    Ms amount;
    Ms expected;
  } cases[] = {
      {{10, 999}, Add, {0, 1}, {11, 0}},
      {{10, 500}, Add, {2, 500}, {13, 0}},
      {{4294967295, 999}, Add, {0, 1}, {0, 0}},
      {{10, 1500}, Add, {0, 0}, {10, 1500}},  // no milliseconds: the raw part stays
      {{10, 1500}, Add, {0, 1}, {11, 501}},   // one carry only
      {{10, 0}, Sub, {0, 1}, {9, 999}},
      {{10, 500}, Sub, {3, 500}, {7, 0}},
      {{10, 500}, Sub, {3, 501}, {6, 999}},
      {{10, 1500}, Sub, {0, 0}, {10, 1500}},
      {{0, 0}, Sub, {0, 1}, {4294967295, 999}},
  };
  for (const auto& c : cases) {
    TGPSTimeMS time(c.start.seconds, static_cast<WORD>(c.start.milliseconds));
    if (c.op == Add) {
      time.Add(c.amount.seconds, static_cast<WORD>(c.amount.milliseconds));
    } else {
      time.Sub(c.amount.seconds, static_cast<WORD>(c.amount.milliseconds));
    }
    ExpectTime(time, c.expected, c.op == Add ? "Add" : "Sub");
  }
}

TEST(TGPSTimeMS, OperatorsAddSignedMilliseconds) {
  const TGPSTimeMS start(10, 200);
  ExpectTime(start - 1500, {8, 700}, "-");
  ExpectTime(start + 1800, {12, 0}, "+");
  ExpectTime(start + -201, {9, 999}, "+ negative");
  ExpectTime(start - INT_MIN, {2147493, 848}, "- INT_MIN");

  TGPSTimeMS time = start;
  ExpectTime(time -= 1500, {8, 700}, "-=");
  ExpectTime(time += 1300, {10, 0}, "+=");
  // Raw milliseconds are normalised by the signed arithmetic.
  TGPSTimeMS raw(10, 65535);
  ExpectTime(raw += 1, {75, 536}, "+= on a raw part");
}

TEST(SubSecondTimes, ConvertIntoEachOther) {
  ExpectTime(TGPSTimeMS(TGPSTimeNS(5, 999999999)), {5, 999}, "ns to ms truncates");
  ExpectTime(TGPSTimeMS(TGPSTime(802873845)), {802873845, 0}, "from TGPSTime");
  ExpectTime(TGPSTimeNS(TGPSTimeMS(5, 250)), {5, 250000000}, "ms to ns");
  EXPECT_EQ(TGPSTimeNS(5, 4000000000u).mSecond(), 4000);  // a raw part, as stored
}

TEST(SubSecondTimes, ReportWeekSecondsAndFloatingValues) {
  const ULONG lastOfWeek = 1327 * 604800u + 604799;
  const TGPSTimeMS last(lastOfWeek, 999);
  EXPECT_EQ(last.SecondInGPSWeek(), 604799u);
  EXPECT_EQ(last.mSecondInGPSWeek(), 604799999u);
  EXPECT_EQ(TGPSTimeMS(lastOfWeek + 1, 1).mSecondInGPSWeek(), 1u);

  EXPECT_EQ(static_cast<double>(TGPSTimeMS(10, 250)), 10.25);
  EXPECT_EQ(static_cast<double>(TGPSTimeNS(1, 500000000)), 1.5);
  EXPECT_DOUBLE_EQ(static_cast<double>(TGPSTimeNS(802873845, 5)), 802873845.000000005);

  // Julian days: noon of the epoch day is 2444245.0; fractions of a second count.
  EXPECT_DOUBLE_EQ(TGPSTimeMS(43200, 500).JulDay(), 2444245.0 + 0.5 / 86400);
  EXPECT_DOUBLE_EQ(TGPSTimeNS(43200, 250000000).JulDay(3600), 2444245.0 + 3600.25 / 86400);
}

TEST(SubSecondTimes, CompareSecondsThenTheSubSecondPart) {
  const TGPSTimeMS ms[] = {{5, 0}, {5, 999}, {6, 0}, {6, 1}, {4294967295, 0}};
  const TGPSTimeNS ns[] = {{5, 0}, {5, 999999999}, {6, 0}, {6, 1}, {4294967295, 0}};
  const auto check = [](const auto& t, const char* what) {
    for (int i = 0; i < 5; ++i) {
      for (int j = 0; j < 5; ++j) {
        const int expected[] = {i == j, i != j, i<j, i <= j, i> j, i >= j};
        const int got[] = {t[i] == t[j], t[i] != t[j], t[i]<t[j], t[i] <= t[j], t[i]> t[j],
                           t[i] >= t[j]};
        for (int k = 0; k < 6; ++k) EXPECT_EQ(got[k], expected[k]) << what << i << j << k;
      }
    }
  };
  check(ms, "ms ");
  check(ns, "ns ");
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) EXPECT_EQ(ms[2].Between(ms[i], ms[j]), i <= 2 && 2 <= j) << i << j;
  }
}

TEST(TGPSTimeNS, PlusAddsInPlace) {
  TGPSTimeNS left(10, 600000000);
  const TGPSTimeNS right(1, 500000000);
  TGPSTimeNS& result = left + right;
  EXPECT_EQ(&result, &left);
  ExpectTime(left, {12, 100000000}, "left operand");
  ExpectTime(right, {1, 500000000}, "right operand");
}

}  // namespace
