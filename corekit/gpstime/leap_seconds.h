#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/platform/interface_types.h"

// GPS - UTC, the leap seconds between true GPS time and UTC, from a process-wide table: built in
// (IERS list to 2017-01-01, expiring 2026-06-28) or loaded from a leap-seconds.list file. Threads
// may read it while one replaces it. At its first use the process takes the file named by the
// environment variable COREKIT_LEAP_SECONDS, else (POSIX) the system's list, $TZDIR or
// /usr/share/zoneinfo/leap-seconds.list, when that expires later than the built-in table. A list
// may remove a second (a negative leap second): UTC then skips 23:59:59 of that day. Calls from
// destructors at the end of the process read the built-in table.
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
  // 1 when the table removes the second 23:59:59 just before this UTC midnight.
  static int RemovedBefore(const TGPSTime& midnight);
  // The expiry of the table in use, UTC on TGPSTime's count (0 if before the GPS epoch).
  static TGPSTime Expiry();

  // Replaces the table with a file in the IANA leap-seconds.list format (NTP times, "#@" expiry,
  // "#$" update and "#h" hash lines; the hash is checked). A file that cannot be read or is
  // malformed changes nothing and gives false and a one-line reason that begins with the path.
  // Reloading keeps memory bounded: a list equal to one held is not stored again, and only the
  // last few lists loaded are kept.
  static bool LoadFile(const char* path, KString& reason);
  // The same for the list's text in memory.
  static bool LoadText(const char* text, ULONG length, KString& reason);
  // Returns to the built-in table.
  static void UseBuiltIn();
  // Where the table in use came from: "built-in" (with the reason when a file named by
  // COREKIT_LEAP_SECONDS was refused), a file's path, or "text".
  static KString Source();
};
