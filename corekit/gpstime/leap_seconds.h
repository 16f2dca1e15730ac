#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/platform/interface_types.h"

// GPS - UTC, the leap seconds between true GPS time and UTC, from a process-wide table: built in
// (IERS list to 2017-01-01, expiring 2026-06-28) or loaded from a leap-seconds.list file. Threads
// may read it while one replaces it.
class COREKIT_API TLeapSeconds {
public:
  // GPS - UTC at a UTC instant on TGPSTime's count: 0 before 1981-07-01, 18 from 2017-01-01.
  // *extrapolated, when given, is true at or past the table's expiry, where the last value is
  // assumed to hold.
  static int AtUTC(const TGPSTime& utc, bool* extrapolated = nullptr);
  // The same for a count of seconds on TGPSTime's scale.
  static int AtUTC(ULONG utcSeconds, bool* extrapolated = nullptr);
  // GPS - UTC at a count of true GPS seconds; in an inserted second, the value before it.
  static int AtGPS(ULONG gpsSeconds, bool* extrapolated = nullptr);
  // 1 when the table inserts a second 23:59:60 just before this UTC midnight.
  static int InsertedBefore(const TGPSTime& midnight);
  // The expiry of the table in use, UTC on TGPSTime's count (0 if before the GPS epoch).
  static TGPSTime Expiry();

  // Replaces the table with a file in the IANA leap-seconds.list format (NTP times, "#@" expiry,
  // "#$" update and "#h" hash lines; the hash is checked). A file that cannot be read or is
  // malformed changes nothing and gives false and a one-line reason.
  static bool LoadFile(const char* path, KString& reason);
  // The same for the list's text in memory.
  static bool LoadText(const char* text, ULONG length, KString& reason);
  // Returns to the built-in table.
  static void UseBuiltIn();
};
