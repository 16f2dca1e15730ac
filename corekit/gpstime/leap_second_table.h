#pragma once

// A table of GPS - UTC with the date it expires, looked up in constant time. Internal: the exported
// face is TLeapSeconds.

#include <cstddef>
#include <vector>

#include "corekit/platform/types.h"

namespace corekit::internal {

// From the UTC instant utcStart on (seconds since the GPS epoch on TGPSTime's count; earlier
// instants are negative), GPS - UTC is offset seconds.
struct LeapEntry {
  long long utcStart;
  int offset;
  friend bool operator==(const LeapEntry&, const LeapEntry&) = default;
};

class LeapSecondTable {
public:
  // Entries in time order, at most MaxEntries, offsets within -128..127; expiry on the same
  // count as utcStart. GPS - UTC is 0 before the first entry.
  LeapSecondTable(std::vector<LeapEntry> entries, long long expiry);

  static constexpr std::size_t MaxEntries = 250;

  // GPS - UTC at a UTC instant on TGPSTime's count.
  int AtCalendar(ULONG seconds) const { return m_utc.At(seconds); }
  // GPS - UTC at a true GPS count. In an inserted second it is still the old value.
  int AtGPS(ULONG seconds) const { return m_gps.At(seconds); }
  // Whether the instant lies at or past the expiry, where the answers are extrapolated.
  bool ExpiredAtCalendar(ULONG seconds) const {
    return static_cast<long long>(seconds) >= m_expiry;
  }
  bool ExpiredAtGPS(ULONG seconds) const;

  const std::vector<LeapEntry>& Entries() const { return m_entries; }
  long long Expiry() const { return m_expiry; }

private:
  // The changes on one scale, by buckets of 2^24 s (194 days): each holds GPS - UTC at its start
  // and, for the one change it may hold, the instant and the value after it; a bucket with more
  // changes (a loaded list may have them) steps over them in the list.
  class Index {
  public:
    Index(const std::vector<long long>& changes, const std::vector<LeapEntry>& entries);
    int At(ULONG seconds) const {
      const Bucket& bucket = m_buckets[seconds >> BucketBits];
      if (bucket.several) [[unlikely]]
        return Walk(seconds, bucket.passed);
      return seconds >= bucket.change ? bucket.after : bucket.before;
    }

  private:
    static constexpr int BucketBits = 24;
    struct Bucket {
      ULONG change;
      signed char before;
      signed char after;
      unsigned char passed;  // changes at or before the bucket's start
      bool several;
    };
    int Walk(ULONG seconds, unsigned int passed) const;

    Bucket m_buckets[1u << (32 - BucketBits)];
    unsigned long long m_change[MaxEntries + 1];  // clamped to 0..2^32; then 2^32, never reached
    signed char m_offset[MaxEntries + 1];         // GPS - UTC after so many changes
  };

  std::vector<LeapEntry> m_entries;
  long long m_expiry;
  Index m_utc;
  Index m_gps;
};

}  // namespace corekit::internal
