#include "corekit/gpstime/gps_week.h"

#include <gtest/gtest.h>

#include <climits>

#include "corekit/gpstime/gps_time.h"

namespace {

TEST(GpsWeek, ResolvesTenBitWeeksBelow416) {
  struct Case {
    int in, out;
  };
  const Case cases[] = {{0, 1024},          {100, 1124},       {415, 1439},  {416, 416},
                        {1023, 1023},       {1024, 1024},      {1500, 1500}, {-1, -1},
                        {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}};
  for (const Case& c : cases) EXPECT_EQ(int(TGPSWeek(c.in)), c.out) << c.in;
}

TEST(GpsWeek, TimeReportsFullAndSmallWeek) {
  struct Case {
    ULONG seconds;
    int full, small;
  };
  const Case cases[] = {{100 * 604800 + 7, 1124, 100},
                        {416 * 604800, 416, 416},
                        {1500 * 604800 + 604799, 1500, 476},
                        {2048 * 604800, 2048, 0}};
  for (const Case& c : cases) {
    const TGPSTime t(c.seconds);
    EXPECT_EQ(int(t.GetGPSWeek()), c.full) << c.seconds;
    EXPECT_EQ(t.GetGPSWeekSmall(), c.small) << c.seconds;
  }
}

}  // namespace
