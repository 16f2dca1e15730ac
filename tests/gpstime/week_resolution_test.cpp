#include <gtest/gtest.h>

#include "corekit/gpstime/gnss_week.h"

namespace {

// Full weeks by hand: 2026-12-07 lies in GPS week 2448; the 10-bit rollover of 2019-04-07 starts
// week 2048. The others (1024, 3072) take the same steps.
TEST(WeekResolution, ResolvesTruncatedWeeksNearTheReference) {
  const struct {
    unsigned int truncated, bits;
    int reference, week;
  } cases[] = {
      {400, 10, 2448, 2448}, {400, 10, 2000, 2448}, {400, 10, 2959, 2448},  {400, 10, 2961, 3472},
      {911, 10, 2448, 2959}, {912, 10, 2448, 1936}, {0, 10, 2047, 2048},    {1023, 10, 2048, 2047},
      {1000, 10, 5, 1000},   {5, 10, 1000, 1029},   {2448, 13, 2448, 2448}, {2448, 13, 6500, 2448},
      {0, 12, 4095, 4096},   {1024, 10, 2048, -1},  {0, 0, 2048, -1},       {0, 31, 2048, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TGNSSWeek::Resolve(c.truncated, c.bits, c.reference), c.week)
        << c.truncated << '/' << c.bits << " near " << c.reference;
  }
}

// GPS week 2448 starts at 1480550400 s; a second of week near a week's end or start may belong to
// the next or the previous week (the rows at the very end and start of the week show both); at
// exactly half a week either way the earlier one.
TEST(WeekResolution, ResolvesSecondsOfWeekWithinHalfAWeek) {
  const struct {
    ULONG secondOfWeek, reference, seconds;
  } cases[] = {
      {300000, 1480850400, 1480850400}, {302400, 1480550400, 1480248000},
      {0, 1480852800, 1480550400},      {302399, 1480550400, 1480852799},
      {0, 1481155199, 1481155200},      {604799, 1481155200, 1481155199},
      {604800, 1480550400, 0},          {604000, 100, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TGNSSWeek::ResolveSecondOfWeek(c.secondOfWeek, c.reference), c.seconds)
        << c.secondOfWeek << " near " << c.reference;
  }
}

}  // namespace
