#pragma once

#include <chrono>
#include <cstdint>

#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/gpstime/time_constants.h"

// Bridges between the GPS time classes and <chrono>'s system-clock times. Both count UTC seconds
// without leap seconds, so a conversion only moves the epoch. A system time whose whole second lies
// outside 1980-01-06 00:00:01 to 2116-02-12 06:28:15 gives no time; no time converts to the GPS
// epoch, 1980-01-06 00:00:00.

namespace corekit::chrono_detail {
inline constexpr std::int64_t EpochSeconds = UnixSecondsAtGPSEpoch;
// The whole GPS seconds of a system time, or 0 when no TGPSTime holds them.
template <class Duration>
constexpr ULONG WholeSeconds(std::chrono::sys_time<Duration> time) {
  const std::int64_t seconds =
      std::chrono::floor<std::chrono::seconds>(time).time_since_epoch().count() - EpochSeconds;
  return seconds >= 1 && seconds <= 0xFFFFFFFF ? static_cast<ULONG>(seconds) : 0;
}
template <class Duration>
constexpr std::int64_t Fraction(std::chrono::sys_time<Duration> time) {
  return (time - std::chrono::floor<std::chrono::seconds>(time)).count();
}
}  // namespace corekit::chrono_detail

// GPSTimeFromSys(sys_days{2006y / 1 / 1}) is TGPSTime(2006, January, 1, 0, 0, 0).
inline TGPSTime GPSTimeFromSys(std::chrono::sys_seconds time) {
  return TGPSTime(corekit::chrono_detail::WholeSeconds(time));
}
// Milliseconds and nanoseconds are kept; a finer time must be rounded first (std::chrono::floor).
inline TGPSTimeMS GPSTimeMSFromSys(std::chrono::sys_time<std::chrono::milliseconds> time) {
  const ULONG seconds = corekit::chrono_detail::WholeSeconds(time);
  return seconds == 0 ? TGPSTimeMS()
                      : TGPSTimeMS(seconds, static_cast<WORD>(corekit::chrono_detail::Fraction(time)));
}
inline TGPSTimeNS GPSTimeNSFromSys(std::chrono::sys_time<std::chrono::nanoseconds> time) {
  const ULONG seconds = corekit::chrono_detail::WholeSeconds(time);
  return seconds == 0
             ? TGPSTimeNS()
             : TGPSTimeNS(seconds, static_cast<ULONG>(corekit::chrono_detail::Fraction(time)));
}

// The system-clock time of a GPS time: ToSysTime(TGPSTime(86400)) is 1980-01-07 00:00:00.
inline std::chrono::sys_seconds ToSysTime(const TGPSTime& time) {
  return std::chrono::sys_seconds(
      std::chrono::seconds(corekit::chrono_detail::EpochSeconds + time.Seconds()));
}
// A millisecond or nanosecond part past the second's end (a raw setter's value) carries over.
inline std::chrono::sys_time<std::chrono::milliseconds> ToSysTime(const TGPSTimeMS& time) {
  return ToSysTime(TGPSTime(time.Seconds())) + std::chrono::milliseconds(time.mSecond());
}
inline std::chrono::sys_time<std::chrono::nanoseconds> ToSysTime(const TGPSTimeNS& time) {
  return ToSysTime(TGPSTime(time.Seconds())) + std::chrono::nanoseconds(time.nSecond());
}

// The current time from the system clock, to the millisecond and to the clock's full resolution
// (truncated to nanoseconds); no time outside the years a GPS time holds.
inline TGPSTimeMS CurrentGPSTimeMS() {
  return GPSTimeMSFromSys(
      std::chrono::floor<std::chrono::milliseconds>(std::chrono::system_clock::now()));
}
inline TGPSTimeNS CurrentGPSTimeNS() {
  return GPSTimeNSFromSys(
      std::chrono::floor<std::chrono::nanoseconds>(std::chrono::system_clock::now()));
}
