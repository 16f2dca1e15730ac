#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/scale_time.h"
#include "corekit/platform/interface_types.h"

// A UTC time that can name an inserted leap second: a TGPSTime count (UTC calendar time), a flag
// for the second 23:59:60 that follows it, and nanoseconds. GPS -> UTC -> GPS keeps every second.
// The GPS epoch, whose TGPSTime count is 0, is a time here too.
class COREKIT_API TUTCTime {
public:
  // No time.
  TUTCTime();
  // The calendar time; with leapSecond, the inserted second after it (calendar is 23:59:59). A
  // calendar of 0 is no time (TGPSTime's rule); FromGPS and Parse name the epoch.
  TUTCTime(const TGPSTime& calendar, bool leapSecond = false, ULONG nanoseconds = 0);

  // The UTC reading of a count of true GPS seconds: an inserted second gives 23:59:59 of its day
  // with the flag set.
  static TUTCTime FromGPS(ULONG gpsSeconds);
  // The same with nanoseconds; no time outside TGPSTime's range (1980-01-06 to 2116-02-12).
  static TUTCTime FromGPS(const TTrueGPSTime& gps);
  // A count of UTC calendar seconds (TGPSTime's, without leap seconds); no time outside the
  // 32-bit counts. FromCalendar(TCalendarTime(0)) is the GPS epoch.
  static TUTCTime FromCalendar(const TCalendarTime& calendar);
  // "YYYY-MM-DD" or "YYYY-MM-DDThh:mm:ss" with up to nine decimals, second 60 only where the
  // leap-second table inserts one and 23:59:59 refused where it removes one; false with a
  // one-line reason for anything else or a time outside 1980-01-06 to 2116-02-12T06:28:15.
  static bool Parse(const char* text, TUTCTime& time, KString& reason);

  // The count of true GPS seconds; *extrapolated as TLeapSeconds::AtUTC.
  ULONG ToGPS(bool* extrapolated = nullptr) const;
  // The same with the nanoseconds, without wrapping.
  TTrueGPSTime ToTrueGPS(bool* extrapolated = nullptr) const;
  // GPS - UTC at this time: in the inserted second, the value before it.
  int GPSMinusUTC(bool* extrapolated = nullptr) const;
  // Rounded to a multiple of step nanoseconds on true GPS time, then named again: 23:59:59.9996
  // before an inserted second rounds to 23:59:60.000. No time when that passes the last time.
  TUTCTime Rounded(ULONG step) const;

  // 1 for a time whose flag, when set, names a second the leap-second table inserts, and whose
  // calendar is no second the table removes.
  int IsValid() const;
  // The calendar time; 1 when the time is the inserted second after it.
  const TGPSTime& Calendar() const;
  int IsLeapSecond() const;
  ULONG Nanoseconds() const;
  // "YYYY-MM-DDThh:mm:ss", with second 60 in an inserted second; empty for no time.
  KString AsText() const;
  // The same with 0, 3 or 9 decimals of the nanoseconds, cut (Rounded rounds first).
  KString AsText(int decimals) const;

private:
  TUTCTime(ULONG calendar, bool leapSecond, ULONG nanoseconds, bool isTime);

  TGPSTime m_calendar;
  ULONG m_nanoseconds;
  bool m_leapSecond;
  bool m_isTime;
};
