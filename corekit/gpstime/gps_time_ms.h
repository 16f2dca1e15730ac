#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/platform/interface_types.h"

class TGPSTimeNS;

// A GPS time with a millisecond part: whole seconds as in TGPSTime (0 means no time) and 0 to 999
// milliseconds after every normalising operation. The raw setters store what they are given.
class COREKIT_API TGPSTimeMS {
public:
  // No time: 0 s, 0 ms.
  TGPSTimeMS();
  // The time's seconds, 0 ms.
  TGPSTimeMS(const TGPSTime& time);
  // The same seconds; the nanoseconds truncated to milliseconds (999999999 ns gives 999 ms).
  TGPSTimeMS(const TGPSTimeNS& time);
  // Seconds and milliseconds, stored raw.
  TGPSTimeMS(ULONG seconds, WORD milliseconds);
  // Floating seconds since the epoch, as Set(const double&).
  explicit TGPSTimeMS(const double& seconds);
  // The source moved by a signed number of milliseconds, normalised: TGPSTimeMS({10, 200}, -1500)
  // is 8 s 700 ms.
  TGPSTimeMS(const TGPSTimeMS& source, int deltaMilliseconds);

  // Stores both parts raw.
  void Set(ULONG seconds, WORD milliseconds);
  // Seconds plus a signed millisecond count of any size, normalised: SetMS(100, -1) is 99 s 999 ms.
  void SetMS(ULONG seconds, int milliseconds);
  // Floating seconds since the epoch, rounded to the nearest millisecond (halves up): 10.9996 is
  // 11 s 0 ms. Meant for 0 <= seconds < 2^32; a value outside (or not a number) gives no time.
  void Set(const double& seconds);

  // The whole seconds since the GPS epoch, and the milliseconds.
  ULONG Seconds() const;
  WORD mSecond() const;
  // Seconds modulo 604800.
  unsigned int SecondInGPSWeek() const;
  // Milliseconds since the start of the GPS week: at most 604799999 for a normalised time.
  ULONG mSecondInGPSWeek() const;
  // Seconds plus milliseconds / 1000.
  operator double() const;
  // Julian day of the time shifted by offsetSeconds, with the fraction of a second.
  double JulDay(int offsetSeconds = 0) const;

  // The time as text, as TGPSTime::AsString, except that the time of day is always
  // "hh:mm:ss.fff" (24-hour, whatever the locale); timeFormat is not used.
  KString AsString(int mode = 3, int zone = 0, const char* dateFormat = nullptr,
                   const char* timeFormat = nullptr) const;

  // Adds a signed millisecond count, normalised.
  void Add(int milliseconds);
  // Adds seconds and milliseconds with one carry: normalised when both millisecond parts are
  // below 1000.
  void Add(ULONG seconds, WORD milliseconds);
  // Subtracts seconds and milliseconds with one borrow, under the same condition.
  void Sub(ULONG seconds, WORD milliseconds);
  // Adds or subtracts a signed millisecond count, normalised, as Add.
  TGPSTimeMS& operator+=(int milliseconds);
  TGPSTimeMS& operator-=(int milliseconds);
  // A new time this many milliseconds later or earlier; this one is unchanged.
  TGPSTimeMS operator+(int milliseconds) const;
  TGPSTimeMS operator-(int milliseconds) const;

  // == and != compare both parts; the orderings compare seconds, then milliseconds. Each returns
  // 1 or 0.
  int operator==(const TGPSTimeMS& other) const;
  int operator!=(const TGPSTimeMS& other) const;
  int operator<(const TGPSTimeMS& other) const;
  int operator<=(const TGPSTimeMS& other) const;
  int operator>(const TGPSTimeMS& other) const;
  int operator>=(const TGPSTimeMS& other) const;
  // 1 when from <= *this <= to.
  int Between(const TGPSTimeMS& from, const TGPSTimeMS& to) const;

private:
  // Base seconds plus a signed millisecond total, carried into the seconds.
  void Normalise(ULONG seconds, long long milliseconds);

  TGPSTime m_time;
  WORD m_milliseconds;
};
