#pragma once

// A table of GPS - UTC with the date it expires, looked up in constant time. Internal: the exported
// face is TLeapSeconds.

#include <vector>

#include "corekit/platform/types.h"

namespace corekit::internal {

// From the UTC instant utcStart on (seconds since the GPS epoch on TGPSTime's count; earlier
// instants are negative), GPS - UTC is offset seconds.
struct LeapEntry {
  long long utcStart;
  int offset;
};

class LeapSecondTable {
public:
  // Entries in time order, at least 2^21 s (24 days) apart, offsets within -128..127; expiry on
  // the same count as utcStart. GPS - UTC is 0 before the first entry.
  LeapSecondTable(std::vector<LeapEntry> entries, long long expiry);

  // GPS - UTC at a UTC instant on TGPSTime's count.
  int AtCalendar(ULONG seconds) const { return m_utc[seconds >> BucketBits].At(seconds); }
  // GPS - UTC at a true GPS count. In an inserted second it is still the old value.
  int AtGPS(ULONG seconds) const { return m_gps[seconds >> BucketBits].At(seconds); }
  // Whether the instant lies at or past the expiry, where the answers are extrapolated.
  bool ExpiredAtCalendar(ULONG seconds) const {
    return static_cast<long long>(seconds) >= m_expiry;
  }
  bool ExpiredAtGPS(ULONG seconds) const;

  const std::vector<LeapEntry>& Entries() const { return m_entries; }
  long long Expiry() const { return m_expiry; }

private:
  // Buckets of 2^21 s: the entries' spacing leaves at most one change in each.
  static constexpr int BucketBits = 21;
  static constexpr unsigned int Buckets = 1u << (32 - BucketBits);
  struct Bucket {
    ULONG change;  // the count from which `after` holds; `before` holds below it
    signed char before;
    signed char after;
    int At(ULONG seconds) const { return seconds >= change ? after : before; }
  };
  // The buckets for changes at the given instants (utcStart, or the same moved to GPS time).
  void Fill(Bucket* buckets, const std::vector<long long>& changes) const;

  std::vector<LeapEntry> m_entries;
  long long m_expiry;
  Bucket m_utc[Buckets];
  Bucket m_gps[Buckets];
};

}  // namespace corekit::internal
