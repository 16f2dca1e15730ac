#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/platform/interface_types.h"

// A UTC time that can name an inserted leap second: a TGPSTime count (UTC calendar time) and a
// flag for the second 23:59:60 that follows it. GPS -> UTC -> GPS keeps every second.
class COREKIT_API TUTCTime {
public:
  // No time.
  TUTCTime();
  // The calendar time; with leapSecond, the inserted second after it (calendar is 23:59:59).
  TUTCTime(const TGPSTime& calendar, bool leapSecond = false);

  // The UTC reading of a count of true GPS seconds: an inserted second gives 23:59:59 of its day
  // with the flag set.
  static TUTCTime FromGPS(ULONG gpsSeconds);
  // The count of true GPS seconds; *extrapolated as TLeapSeconds::AtUTC.
  ULONG ToGPS(bool* extrapolated = nullptr) const;
  // GPS - UTC at this time: in the inserted second, the value before it.
  int GPSMinusUTC(bool* extrapolated = nullptr) const;

  // 1 for a time that is not 0 whose flag, when set, names a second the leap-second table inserts.
  int IsValid() const;
  // The calendar time; 1 when the time is the inserted second after it.
  const TGPSTime& Calendar() const;
  int IsLeapSecond() const;
  // "YYYY-MM-DDThh:mm:ss", with second 60 in an inserted second; empty for no time.
  KString AsText() const;

private:
  TGPSTime m_calendar;
  bool m_leapSecond;
};
