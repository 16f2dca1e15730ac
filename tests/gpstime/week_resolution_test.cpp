#include <gtest/gtest.h>

#include "corekit/gpstime/gnss_week.h"

namespace {

// Full weeks by hand: 2026-12-07 lies in GPS week 2448 (GST 1424, BDT 1092); the 10-bit rollovers
// start weeks 1024 (1999-08-22), 2048 (2019-04-07) and 3072 (2038-11-21).
TEST(WeekResolution, ResolvesTruncatedWeeksNearTheReference) {
  const struct {
    unsigned int truncated, bits;
    int reference, week;
  } cases[] = {
      {400, 10, 2448, 2448},  {400, 10, 2000, 2448},  {400, 10, 2959, 2448},
      {400, 10, 2961, 3472},  {911, 10, 2448, 2959},  {912, 10, 2448, 1936},
      {1023, 10, 1024, 1023}, {0, 10, 1023, 1024},    {0, 10, 2047, 2048},
      {1023, 10, 2048, 2047}, {0, 10, 3071, 3072},    {1023, 10, 3072, 3071},
      {1000, 10, 5, 1000},    {5, 10, 1000, 1029},    {2448, 13, 2448, 2448},
      {2448, 13, 6500, 2448}, {1424, 12, 1424, 1424}, {1092, 13, 1092, 1092},
      {0, 12, 4095, 4096},    {1024, 10, 2048, -1},   {0, 0, 2048, -1},
      {0, 31, 2048, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TGNSSWeek::Resolve(c.truncated, c.bits, c.reference), c.week)
        << c.truncated << '/' << c.bits << " near " << c.reference;
  }
}

// GPS week 2448 starts at 1480550400 s; a second of week near a week's end or start may belong to
// the next or the previous week.
TEST(WeekResolution, ResolvesSecondsOfWeekWithinHalfAWeek) {
  const struct {
    ULONG secondOfWeek, reference, seconds;
  } cases[] = {
      {300000, 1480850400, 1480850400},
      {10, 1481155190, 1481155210},
      {604790, 1480550405, 1480550390},
      {302400, 1480550400, 1480248000},
      {302399, 1480550400, 1480852799},
      {0, 1481155199, 1481155200},
      {604799, 1481155200, 1481155199},
      {604800, 1480550400, 0},
      {604000, 100, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TGNSSWeek::ResolveSecondOfWeek(c.secondOfWeek, c.reference), c.seconds)
        << c.secondOfWeek << " near " << c.reference;
  }
}

}  // namespace
