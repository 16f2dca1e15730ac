#include "corekit/gpstime/chrono_time.h"

#include <gtest/gtest.h>

#include "corekit/gpstime/current_time.h"

namespace {

using namespace std::chrono;

// System-clock instants and the GPS counts they make, read off the calendar independently:
// 1980-01-06 is day 3657 of the Unix count, 2116-02-12 06:28:15 is the last count 2^32 - 1.
struct SysCase {
  sys_seconds time;
  ULONG seconds;  // 0: no time
};

TEST(ChronoTime, SystemSecondsMapOntoTheGPSRange) {
  const sys_seconds epoch = sys_days{1980y / January / 6};
  const sys_seconds last = sys_days{2116y / February / 12} + 6h + 28min + 15s;
  const SysCase cases[] = {
      {epoch, 0},
      {epoch + 1s, 1},
      {epoch - 1s, 0},
      {sys_seconds{}, 0},
      {sys_days{2006y / January / 1}, 820108800},
      {last, 0xFFFFFFFF},
      {last + 1s, 0},
  };
  for (const SysCase& c : cases) {
    const TGPSTime time = GPSTimeFromSys(c.time);
    EXPECT_EQ(time.Seconds(), c.seconds) << c.time.time_since_epoch().count();
    if (c.seconds != 0) {
      EXPECT_EQ(ToSysTime(time), c.time);
    }
  }
  EXPECT_TRUE(GPSTimeFromSys(sys_days{2006y / January / 1}) ==
              TGPSTime(2006, TGPSTime::January, 1, 0, 0, 0));
  EXPECT_EQ(ToSysTime(TGPSTime()), epoch);
}

TEST(ChronoTime, SubSecondPartsRoundTrip) {
  const sys_seconds second = sys_days{1980y / January / 6} + 1s;
  const TGPSTimeMS ms = GPSTimeMSFromSys(second + 999ms);
  EXPECT_EQ(ms.Seconds(), 1u);
  EXPECT_EQ(ms.mSecond(), 999u);
  EXPECT_EQ(ToSysTime(ms), second + 999ms);
  const TGPSTimeNS ns = GPSTimeNSFromSys(second + 999999999ns);
  EXPECT_EQ(ns.Seconds(), 1u);
  EXPECT_EQ(ns.nSecond(), 999999999u);
  EXPECT_EQ(ToSysTime(ns), second + 999999999ns);
  // Inside the epoch's own second, or before it, there is no time: nothing of the fraction stays.
  EXPECT_EQ(GPSTimeMSFromSys(second - 1ms).mSecond(), 0u);
  EXPECT_EQ(GPSTimeNSFromSys(second - 1s - 1ns).nSecond(), 0u);
  // A raw millisecond part past the second carries into the next.
  EXPECT_EQ(ToSysTime(TGPSTimeMS(1, 1500)), second + 1500ms);
}

TEST(ChronoTime, CurrentTimeAgreesWithTheWholeSecondClock) {
  const ULONG before = TCurrentTime().Seconds();
  const TGPSTimeNS ns = CurrentGPSTimeNS();
  const TGPSTimeMS ms = CurrentGPSTimeMS();
  const ULONG after = TCurrentTime().Seconds();
  EXPECT_GE(ns.Seconds(), before);
  EXPECT_LE(ms.Seconds(), after);
  EXPECT_LE(ns.Seconds(), ms.Seconds());
}

}  // namespace
