// The leap-second list reader: any bytes give a table whose entries rise by at least 28 days and
// step by one second, expiring after the last, or a refusal with a one-line reason.

#include "corekit/gpstime/leap_seconds_list.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/expect.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace ci = corekit::internal;
  std::vector<ci::LeapEntry> entries;
  long long expiry = 0;
  std::string reason;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!ci::ParseLeapSecondsList(text, entries, expiry, reason)) {
    EXPECT(!reason.empty() && reason.find('\n') == std::string::npos);
    return 0;
  }
  EXPECT(!entries.empty() && expiry > entries.back().utcStart);
  for (std::size_t i = 1; i < entries.size(); ++i) {
    EXPECT(entries[i].utcStart >= entries[i - 1].utcStart + 28 * 86400);
    const int step = entries[i].offset - entries[i - 1].offset;
    EXPECT(step == 1 || step == -1);
  }
  // The table built from it answers within the entries' offsets.
  const ci::LeapSecondTable table(entries, expiry);
  EXPECT(table.AtCalendar(0xFFFFFFFF) >= -128 && table.AtGPS(1) <= 127);
  return 0;
}
