#include "corekit/gpstime/leap_second_table.h"

#include <algorithm>
#include <utility>

namespace corekit::internal {
namespace {

std::vector<long long> Changes(const std::vector<LeapEntry>& entries, bool gps) {
  std::vector<long long> changes;
  for (const LeapEntry& entry : entries) {
    changes.push_back(entry.utcStart + (gps ? entry.offset : 0));
  }
  return changes;
}

}  // namespace

LeapSecondTable::LeapSecondTable(std::vector<LeapEntry> entries, long long expiry)
    : m_entries(std::move(entries)),
      m_expiry(expiry),
      m_utc(Changes(m_entries, false), m_entries),
      m_gps(Changes(m_entries, true), m_entries) {}

bool LeapSecondTable::ExpiredAtGPS(ULONG seconds) const {
  const int last = m_entries.empty() ? 0 : m_entries.back().offset;
  return static_cast<long long>(seconds) >= m_expiry + last;
}

LeapSecondTable::Index::Index(const std::vector<long long>& changes,
                              const std::vector<LeapEntry>& entries)
    : m_buckets(), m_change(), m_offset() {
  constexpr long long End = 1LL << 32;
  const std::size_t count = std::min(changes.size(), MaxEntries);
  for (std::size_t i = 0; i < count; ++i) {
    m_change[i] = static_cast<unsigned long long>(std::clamp(changes[i], 0LL, End));
    m_offset[i + 1] = static_cast<signed char>(entries[i].offset);
  }
  for (std::size_t i = count; i <= MaxEntries; ++i) m_change[i] = End;
  std::size_t passed = 0;
  for (unsigned int i = 0; i < sizeof m_buckets / sizeof m_buckets[0]; ++i) {
    const unsigned long long start = static_cast<unsigned long long>(i) << BucketBits;
    const unsigned long long end = start + (1ULL << BucketBits);
    while (passed < count && m_change[passed] <= start) ++passed;
    std::size_t inside = passed;
    while (inside < count && m_change[inside] < end) ++inside;
    Bucket& bucket = m_buckets[i];
    bucket.passed = static_cast<unsigned char>(passed);
    bucket.several = inside - passed > 1;
    bucket.before = m_offset[passed];
    bucket.after = m_offset[inside];
    bucket.change = static_cast<ULONG>(inside > passed ? m_change[passed] : start);
  }
}

int LeapSecondTable::Index::Walk(ULONG seconds, unsigned int passed) const {
  while (seconds >= m_change[passed]) ++passed;
  return m_offset[passed];
}

}  // namespace corekit::internal
