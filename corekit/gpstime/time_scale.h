#pragma once

#include "corekit/export.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/gpstime/leap_seconds.h"
#include "corekit/gpstime/time_constants.h"
#include "corekit/platform/interface_types.h"

// The time scales of satellite receivers. Each is a count of seconds from the GPS epoch
// (1980-01-06 00:00:00) as that scale reads it, wrapping at 32 bits. TScaleTime (scale_time.h)
// holds a count with its scale in its type, without wrapping.
enum class TTimeScale : int {
  Calendar = 0,  // UTC calendar time without leap seconds: TGPSTime's own count
  GPS = 1,       // true GPS time: Calendar + (GPS - UTC)
  TAI = 2,       // GPS + 19 s
  GST = 3,       // Galileo system time: the GPS count; its weeks start at GPS week 1024
  BDT = 4,       // BeiDou time: GPS - 14 s; its weeks start at GPS week 1356 (2006-01-01)
};

// Conversions between the scales, in whole seconds or with the millisecond and nanosecond
// classes (the fraction of a second is the same on every scale). From Calendar an inserted
// second cannot be named: TUTCTime names it; into Calendar it reads as the midnight after it.
class COREKIT_API TTimeScales {
public:
  static constexpr ULONG TaiMinusGps = 19;       // seconds from GPS time to TAI
  static constexpr ULONG GpsMinusBdt = 14;       // seconds from BeiDou time to GPS time
  static constexpr int GalileoFirstWeek = 1024;  // GPS week of GST week 0
  static constexpr int BeiDouFirstWeek = 1356;   // GPS week of BDT week 0

  // The same instant as a count on another scale. Conversions from or to Calendar read the
  // leap-second table; *extrapolated, when given, says the instant lies past its expiry.
  static ULONG Convert(ULONG seconds, TTimeScale from, TTimeScale to,
                       bool* extrapolated = nullptr) {
    bool before = false, after = false;
    const ULONG converted = FromGPS(ToGPS(seconds, from, &before), to, &after);
    if (extrapolated != nullptr) *extrapolated = before || after;
    return converted;
  }
  static TGPSTimeMS Convert(const TGPSTimeMS& time, TTimeScale from, TTimeScale to,
                            bool* extrapolated = nullptr) {
    return {Convert(time.Seconds(), from, to, extrapolated), time.mSecond()};
  }
  static TGPSTimeNS Convert(const TGPSTimeNS& time, TTimeScale from, TTimeScale to,
                            bool* extrapolated = nullptr) {
    return {Convert(time.Seconds(), from, to, extrapolated), time.nSecond()};
  }

  // Convert, or false with `converted` unchanged when the instant lies outside the 32-bit count
  // of the scale it is converted to (BDT before GPS 14 s, TAI or GPS past 2116).
  static bool ConvertChecked(ULONG seconds, TTimeScale from, TTimeScale to, ULONG& converted,
                             bool* extrapolated = nullptr) {
    bool before = false, after = false;
    const long long count = ScaleSeconds(GPSSeconds(seconds, from, &before), to, &after);
    if (extrapolated != nullptr) *extrapolated = before || after;
    if (count < 0 || count > 0xFFFFFFFFLL) return false;
    converted = static_cast<ULONG>(count);
    return true;
  }

  // A count of any size on a scale as true GPS seconds, and back, as TScaleTime converts. Before
  // the GPS epoch GPS - UTC is 0; past the leap-second table's 32-bit count its last value holds.
  static long long GPSSeconds(long long seconds, TTimeScale from, bool* extrapolated = nullptr) {
    if (from != TTimeScale::Calendar)
      return NotExtrapolated(extrapolated, seconds - ScaleMinusGPS(from));
    return seconds + TLeapSeconds::AtUTC(Clamped(seconds), extrapolated);
  }
  static long long ScaleSeconds(long long gpsSeconds, TTimeScale to, bool* extrapolated = nullptr) {
    if (to != TTimeScale::Calendar)
      return NotExtrapolated(extrapolated, gpsSeconds + ScaleMinusGPS(to));
    return gpsSeconds - TLeapSeconds::AtGPS(Clamped(gpsSeconds), extrapolated);
  }

  // The count on a scale as true GPS seconds, and back.
  static ULONG ToGPS(ULONG seconds, TTimeScale from, bool* extrapolated = nullptr) {
    if (extrapolated != nullptr) *extrapolated = false;
    switch (from) {
      case TTimeScale::Calendar:
        return seconds + static_cast<ULONG>(TLeapSeconds::AtUTC(seconds, extrapolated));
      case TTimeScale::TAI:
        return seconds - TaiMinusGps;
      case TTimeScale::BDT:
        return seconds + GpsMinusBdt;
      default:
        return seconds;
    }
  }
  static ULONG FromGPS(ULONG gpsSeconds, TTimeScale to, bool* extrapolated = nullptr) {
    if (extrapolated != nullptr) *extrapolated = false;
    switch (to) {
      case TTimeScale::Calendar:
        return gpsSeconds - static_cast<ULONG>(TLeapSeconds::AtGPS(gpsSeconds, extrapolated));
      case TTimeScale::TAI:
        return gpsSeconds + TaiMinusGps;
      case TTimeScale::BDT:
        return gpsSeconds - GpsMinusBdt;
      default:
        return gpsSeconds;
    }
  }

  // The week of a count in the scale's own numbering: GST and BDT weeks count from their first
  // week (earlier times give negative weeks); the others from the GPS epoch. The count is read as
  // the 32-bit number it is: the BDT instants of the first 14 GPS seconds and the TAI instants of
  // the last 19 have no such count (Convert wraps them, ConvertChecked refuses them); TScaleTime
  // gives their weeks, -1357 and 7101.
  static constexpr int Week(ULONG seconds, TTimeScale scale) {
    return static_cast<int>(seconds / corekit::SecondsPerWeek) - FirstWeek(scale);
  }
  // The second of the week of a count from the GPS epoch on.
  static constexpr ULONG SecondOfWeek(ULONG seconds) { return seconds % corekit::SecondsPerWeek; }
  // The count of a week and second of week in the scale's numbering, wrapping at 32 bits.
  static constexpr ULONG FromWeek(int week, ULONG secondOfWeek, TTimeScale scale) {
    return static_cast<ULONG>(week + FirstWeek(scale)) * corekit::SecondsPerWeek + secondOfWeek;
  }

  // The GPS week of the scale's week 0.
  static constexpr int FirstWeek(TTimeScale scale) {
    return scale == TTimeScale::GST   ? GalileoFirstWeek
           : scale == TTimeScale::BDT ? BeiDouFirstWeek
                                      : 0;
  }
  // The count on the scale minus the GPS count: fixed on every scale but Calendar, given as 0.
  static constexpr long long ScaleMinusGPS(TTimeScale scale) {
    return scale == TTimeScale::TAI   ? TaiMinusGps
           : scale == TTimeScale::BDT ? -static_cast<long long>(GpsMinusBdt)
                                      : 0;
  }

private:
  static long long NotExtrapolated(bool* extrapolated, long long seconds) {
    if (extrapolated != nullptr) *extrapolated = false;
    return seconds;
  }
  static constexpr ULONG Clamped(long long seconds) {
    return seconds < 0 ? 0 : seconds > 0xFFFFFFFFLL ? 0xFFFFFFFF : static_cast<ULONG>(seconds);
  }
};
