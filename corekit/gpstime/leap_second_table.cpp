#include "corekit/gpstime/leap_second_table.h"

#include <utility>

namespace corekit::internal {

LeapSecondTable::LeapSecondTable(std::vector<LeapEntry> entries, long long expiry)
    : m_entries(std::move(entries)), m_expiry(expiry), m_utc(), m_gps() {
  std::vector<long long> utc, gps;
  for (const LeapEntry& entry : m_entries) {
    utc.push_back(entry.utcStart);
    gps.push_back(entry.utcStart + entry.offset);
  }
  Fill(m_utc, utc);
  Fill(m_gps, gps);
}

bool LeapSecondTable::ExpiredAtGPS(ULONG seconds) const {
  const int last = m_entries.empty() ? 0 : m_entries.back().offset;
  return static_cast<long long>(seconds) >= m_expiry + last;
}

void LeapSecondTable::Fill(Bucket* buckets, const std::vector<long long>& changes) const {
  std::size_t next = 0;  // the first change after the bucket's start
  int offset = 0;
  for (unsigned int i = 0; i < Buckets; ++i) {
    const long long start = static_cast<long long>(i) << BucketBits;
    const long long end = start + (1LL << BucketBits);
    while (next < changes.size() && changes[next] <= start) offset = m_entries[next++].offset;
    Bucket& bucket = buckets[i];
    bucket.before = static_cast<signed char>(offset);
    bucket.change = static_cast<ULONG>(start);
    if (next < changes.size() && changes[next] < end) {
      bucket.change = static_cast<ULONG>(changes[next]);
      offset = m_entries[next++].offset;
    }
    bucket.after = static_cast<signed char>(offset);
  }
}

}  // namespace corekit::internal
