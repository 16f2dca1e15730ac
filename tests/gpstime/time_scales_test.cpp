#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "corekit/gpstime/time_scale.h"
#include "corekit/gpstime/utc_time.h"

namespace {

using S = TTimeScale;

// Instants by hand, from GNU date and the published offsets (GPS - UTC, TAI = GPS + 19 s,
// BDT = GPS - 14 s): 2026-12-07T00:00:00 UTC (GPS week 2448 day 1), the starts of BDT
// (2006-01-01T00:00:00 UTC) and GST (GPS 1999-08-22T00:00:00, UTC 23:59:47 the day before).
TEST(TimeScales, ConvertsBetweenEveryScale) {
  const struct {
    ULONG calendar, gps, tai, bdt;
    int gpsWeek, gstWeek, bdtWeek;
    ULONG gpsSow, bdtSow;
  } cases[] = {
      {1480636800, 1480636818, 1480636837, 1480636804, 2448, 1424, 1092, 86418, 86404},
      {820108800, 820108814, 820108833, 820108800, 1356, 332, 0, 14, 0},
      {619315187, 619315200, 619315219, 619315186, 1024, 0, -333, 0, 604786},
      {100, 100, 119, 86, 0, -1024, -1356, 100, 86},
  };
  for (const auto& c : cases) {
    const ULONG counts[] = {c.calendar, c.gps, c.tai, c.gps, c.bdt};
    for (int from = 0; from < 5; ++from) {
      for (int to = 0; to < 5; ++to) {
        EXPECT_EQ(TTimeScales::Convert(counts[from], S(from), S(to)), counts[to])
            << c.calendar << ": " << from << " to " << to;
      }
    }
    EXPECT_EQ(TTimeScales::Week(c.gps, S::GPS), c.gpsWeek);
    EXPECT_EQ(TTimeScales::Week(c.gps, S::GST), c.gstWeek);
    EXPECT_EQ(TTimeScales::Week(c.bdt, S::BDT), c.bdtWeek);
    EXPECT_EQ(TTimeScales::SecondOfWeek(c.gps), c.gpsSow);
    EXPECT_EQ(TTimeScales::SecondOfWeek(c.bdt), c.bdtSow);
    EXPECT_EQ(TTimeScales::FromWeek(c.gstWeek, c.gpsSow, S::GST), c.gps);
    EXPECT_EQ(TTimeScales::FromWeek(c.bdtWeek, c.bdtSow, S::BDT), c.bdt);
  }
}

TEST(TimeScales, KeepsTheFractionAndSaysWhenItExtrapolates) {
  TLeapSeconds::UseBuiltIn();  // not a later system list
  bool extrapolated = false;
  const TGPSTimeNS ns =
      TTimeScales::Convert(TGPSTimeNS(1480636800, 123456789), S::Calendar, S::BDT, &extrapolated);
  EXPECT_EQ(ns.Seconds(), 1480636804u);
  EXPECT_EQ(ns.nSecond(), 123456789u);
  EXPECT_TRUE(extrapolated);
  const TGPSTimeMS ms =
      TTimeScales::Convert(TGPSTimeMS(1167264017, 999), S::GPS, S::Calendar, &extrapolated);
  EXPECT_EQ(ms.Seconds(), 1167264000u);
  EXPECT_EQ(ms.mSecond(), 999u);
  EXPECT_FALSE(extrapolated);
  TTimeScales::Convert(1480636818, S::TAI, S::BDT, &extrapolated);
  EXPECT_FALSE(extrapolated);
}

// Instants before a scale's epoch give negative weeks, and instants a 32-bit count cannot hold
// are refused rather than wrapped: GPS 5 s is BDT -9 s (week -1357, second 604791); the last GPS
// second is TAI 2^32 + 18; UTC 2116-02-12T06:28:15 is GPS 2^32 + 17.
TEST(TimeScales, NegativeWeeksAndCountsOutOfRange) {
  ULONG count = 7;
  EXPECT_FALSE(TTimeScales::ConvertChecked(5, S::GPS, S::BDT, count) ||
               TTimeScales::ConvertChecked(0xFFFFFFFF, S::GPS, S::TAI, count) ||
               TTimeScales::ConvertChecked(0xFFFFFFFF, S::Calendar, S::GPS, count) || count != 7);
  EXPECT_TRUE(TTimeScales::ConvertChecked(14, S::GPS, S::BDT, count) && count == 0);

  const TBDTTime bdt = TBDTTime::From(TTrueGPSTime(5, 250));
  EXPECT_EQ(bdt, TBDTTime(-9, 250));
  EXPECT_EQ(bdt.Week(), -1357);
  EXPECT_EQ(bdt.SecondOfWeek(), 604791u);
  EXPECT_FALSE(bdt.Count(count));
  EXPECT_EQ(TBDTTime::FromWeek(-1357, 604791, 250), bdt);
  EXPECT_EQ(TTrueGPSTime::From(TCalendarTime(0xFFFFFFFF)).Seconds(), 0x100000011LL);
  EXPECT_EQ(TTAITime::From(TTrueGPSTime(0xFFFFFFFF)).Week(), 7101);
  EXPECT_EQ(TGSTTime::From(TBDTTime::FromWeek(1092, 86404)).Week(), 1424);
  // The first second of each scale is a time with its text.
  EXPECT_EQ(std::string(TUTCTime::FromGPS(0).AsText()), "1980-01-06T00:00:00");
  EXPECT_EQ(std::string(TUTCTime::FromGPS(TTrueGPSTime::From(TGSTTime::FromWeek(0, 0))).AsText()),
            "1999-08-21T23:59:47");
  EXPECT_EQ(std::string(TUTCTime::FromGPS(TTrueGPSTime::From(TBDTTime::FromWeek(0, 0))).AsText()),
            "2006-01-01T00:00:00");
}

// Parse reads what AsText prints, with second 60 only where a second was inserted (2016-12-31);
// the decimals printed are those the expected text shows.
TEST(UTCTime, ParsesAndPrintsCalendarText) {
  TLeapSeconds::UseBuiltIn();
  const std::pair<const char*, std::string> good[] = {
      {"1980-01-06", "1980-01-06T00:00:00"},
      {"2016-12-31T23:59:60.5", "2016-12-31T23:59:60.500"},
      {"2005-06-15T12:30:45.123456789", "2005-06-15T12:30:45.123456789"},
      {"2005-06-15T12:30:45.123456789", "2005-06-15T12:30:45.123"},
      {"2116-02-12T06:28:15.000000001", "2116-02-12T06:28:15"},
  };
  for (const auto& [text, printed] : good) {
    TUTCTime time;
    KString reason;
    ASSERT_TRUE(TUTCTime::Parse(text, time, reason)) << reason;
    const int decimals = printed.size() > 19 ? static_cast<int>(printed.size()) - 20 : 0;
    EXPECT_EQ(std::string(time.AsText(decimals)), printed);
  }
  for (const char* text :
       {"1980-01-05T23:59:59", "2116-02-12T06:28:16", "2015-12-31T23:59:60", "2016-12-31T23:58:60",
        "2005-02-29", "1979-12-31", "2005-13-01", "2005-06-15T24:00:00", "2005-06-15T12:30:45.",
        "2005-06-15T12:30:45.1234567890", "2005-06-15 12:30:45", "2005-06-15T12:30:45Z",
        "2005-6-15", "2005-06-15T12:30", "2005-06-15.5", "2005-06-15T12:30:45,5", ""}) {
    TUTCTime time;
    KString reason;
    const bool read = TUTCTime::Parse(text, time, reason);
    const std::string why(reason);
    EXPECT_TRUE(!read && !time.IsValid() && !why.empty() && why.find('\n') == why.npos) << text;
  }
}

// Rounding is done on true GPS time: a fraction just under a second before an inserted second
// (1981-07-01, 2006-01-01, 2017-01-01) rounds into 23:59:60, one in 23:59:60 into midnight;
// past the last time there is no time.
TEST(UTCTime, RoundsIntoTheInsertedSecond) {
  TLeapSeconds::UseBuiltIn();
  const auto rounded = [](ULONG calendar, bool leapSecond, ULONG nanoseconds, ULONG step) {
    const TUTCTime time(TGPSTime(calendar), leapSecond, nanoseconds);
    return std::string(time.Rounded(step).AsText(step == 100 ? 9 : 3));
  };
  EXPECT_EQ(rounded(46828799, false, 999600000, 1000000), "1981-06-30T23:59:60.000");
  EXPECT_EQ(rounded(820108799, false, 999999960, 100), "2005-12-31T23:59:60.000000000");
  EXPECT_EQ(rounded(1167263999, false, 999500000, 1000000), "2016-12-31T23:59:60.000");
  EXPECT_EQ(rounded(1167263999, false, 999499999, 1000000), "2016-12-31T23:59:59.999");
  EXPECT_EQ(rounded(1167263999, true, 999999960, 100), "2017-01-01T00:00:00.000000000");
  EXPECT_EQ(rounded(1167263999, true, 400000, 1000000), "2016-12-31T23:59:60.000");
  EXPECT_EQ(rounded(1167263998, false, 999999999, 1000000000), "2016-12-31T23:59:59.000");
  EXPECT_EQ(rounded(0xFFFFFFFF, false, 999500000, 1000000), "");
  EXPECT_EQ(
      std::string(TUTCTime::FromGPS(TTrueGPSTime(1167264016, 999999960)).Rounded(100).AsText(9)),
      "2016-12-31T23:59:60.000000000");
}

}  // namespace
