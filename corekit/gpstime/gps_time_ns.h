#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/platform/interface_types.h"

// A GPS time with a nanosecond part: whole seconds as in TGPSTime (0 means no time) and 0 to
// 999999999 nanoseconds after every normalising operation. The raw setters store what they are
// given.
class COREKIT_API TGPSTimeNS {
public:
  // No time: 0 s, 0 ns.
  TGPSTimeNS();
  // The time's seconds, 0 ns.
  TGPSTimeNS(const TGPSTime& time);
  // The same seconds; the milliseconds as nanoseconds.
  TGPSTimeNS(const TGPSTimeMS& time);
  // Seconds and nanoseconds, stored raw.
  TGPSTimeNS(ULONG seconds, ULONG nanoseconds);
  // Floating seconds since the epoch, as Set(const double&).
  explicit TGPSTimeNS(const double& seconds);

  // Stores both parts raw.
  void Set(ULONG seconds, ULONG nanoseconds);
  // Floating seconds since the epoch, rounded to the nearest 100 ns (halves up): 1.23456789 is
  // 1 s 234567900 ns. Meant for 0 <= seconds < 2^32; a value outside (or not a number) gives no
  // time.
  void Set(const double& seconds);

  // The whole seconds since the GPS epoch, and the nanoseconds.
  ULONG Seconds() const;
  ULONG nSecond() const;
  // The nanoseconds truncated to milliseconds.
  WORD mSecond() const;
  // Seconds plus nanoseconds / 10^9.
  operator double() const;
  // Julian day of the time shifted by offsetSeconds, with the fraction of a second.
  double JulDay(int offsetSeconds = 0) const;

  // The time as text, as TGPSTime::AsString, except that the time of day is always
  // "hh:mm:ss.fffffffff" (24-hour, whatever the locale); timeFormat is not used.
  KString AsString(int mode = 3, int zone = 0, const char* dateFormat = nullptr,
                   const char* timeFormat = nullptr) const;

  // Adds the other time's floating seconds to this one's in place (rounded to 100 ns) and returns
  // this object: unlike the usual +, the left operand changes.
  TGPSTimeNS& operator+(const TGPSTimeNS& other);

  // Comparisons of seconds, then nanoseconds; each returns 1 or 0.
  int operator==(const TGPSTimeNS& other) const;
  int operator!=(const TGPSTimeNS& other) const;
  int operator<(const TGPSTimeNS& other) const;
  int operator<=(const TGPSTimeNS& other) const;
  int operator>(const TGPSTimeNS& other) const;
  int operator>=(const TGPSTimeNS& other) const;

private:
  TGPSTime m_time;
  ULONG m_nanoseconds;
};
