#include "corekit/gpstime/utc_time.h"

#include <gtest/gtest.h>

#include <string>

#include "corekit/gpstime/leap_seconds.h"

namespace {

// Parse reads what AsText prints, with second 60 only where a second was inserted (2016-12-31).
TEST(UTCTime, ParsesAndPrintsCalendarText) {
  const struct {
    const char* text;
    int decimals;
    const char* printed;
  } good[] = {
      {"1980-01-06", 0, "1980-01-06T00:00:00"},
      {"2016-12-31T23:59:60.5", 3, "2016-12-31T23:59:60.500"},
      {"2005-06-15T12:30:45.123456789", 9, "2005-06-15T12:30:45.123456789"},
      {"2005-06-15T12:30:45.123456789", 3, "2005-06-15T12:30:45.123"},
      {"2116-02-12T06:28:15.000000001", 0, "2116-02-12T06:28:15"},
  };
  TLeapSeconds::UseBuiltIn();
  for (const auto& c : good) {
    TUTCTime time;
    KString reason;
    ASSERT_TRUE(TUTCTime::Parse(c.text, time, reason)) << reason;
    EXPECT_EQ(std::string(time.AsText(c.decimals)), c.printed);
  }
  for (const char* text :
       {"1980-01-05T23:59:59", "2116-02-12T06:28:16", "2015-12-31T23:59:60", "2016-12-31T23:58:60",
        "2005-02-29", "1979-12-31", "2005-06-15T24:00:00", "2005-06-15T12:30:45.",
        "2005-06-15T12:30:45.1234567890", "2005-06-15 12:30:45", "2005-06-15T12:30:45Z", ""}) {
    TUTCTime time;
    KString reason;
    EXPECT_FALSE(TUTCTime::Parse(text, time, reason)) << text;
    EXPECT_EQ(time.IsValid(), 0) << text;
    EXPECT_NE(std::string(reason), "") << text;
    EXPECT_EQ(std::string(reason).find('\n'), std::string::npos) << reason;
  }
}

// Rounding is done on true GPS time: a fraction just under a second before an inserted second
// (1981-07-01, 2006-01-01, 2017-01-01) rounds into 23:59:60, one in 23:59:60 into midnight.
TEST(UTCTime, RoundsIntoTheInsertedSecond) {
  TLeapSeconds::UseBuiltIn();
  const struct {
    ULONG calendar;
    bool leapSecond;
    ULONG nanoseconds, step;
    const char* rounded;  // empty: past the last time
  } cases[] = {
      {46828799, false, 999600000, 1000000, "1981-06-30T23:59:60.000"},
      {820108799, false, 999999960, 100, "2005-12-31T23:59:60.000000000"},
      {1167263999, false, 999500000, 1000000, "2016-12-31T23:59:60.000"},
      {1167263999, false, 999499999, 1000000, "2016-12-31T23:59:59.999"},
      {1167263999, true, 999999960, 100, "2017-01-01T00:00:00.000000000"},
      {1167263999, true, 400000, 1000000, "2016-12-31T23:59:60.000"},
      {1167263998, false, 999999999, 1000000000, "2016-12-31T23:59:59.000"},
      {0xFFFFFFFF, false, 999500000, 1000000, ""},
  };
  for (const auto& c : cases) {
    const TUTCTime rounded =
        TUTCTime(TGPSTime(c.calendar), c.leapSecond, c.nanoseconds).Rounded(c.step);
    EXPECT_EQ(std::string(rounded.AsText(c.step == 100 ? 9 : 3)), c.rounded) << c.calendar;
  }
  EXPECT_EQ(
      std::string(TUTCTime::FromGPS(TTrueGPSTime(1167264016, 999999960)).Rounded(100).AsText(9)),
      "2016-12-31T23:59:60.000000000");
}

}  // namespace
