#pragma once

#include <compare>

#include "corekit/gpstime/time_constants.h"
#include "corekit/gpstime/time_scale.h"
#include "corekit/platform/interface_types.h"

// An instant on one time scale: seconds from the GPS epoch as that scale counts them (negative
// before it, past 32 bits after 2116) and nanoseconds. The scale is part of the type, so a true
// GPS count cannot be passed where a UTC calendar count is meant; From converts between scales,
// through the leap-second table where Calendar is one of them.
//   TBDTTime::From(TTrueGPSTime(1480636818)).Week() is 1092; TBDTTime::From(TTrueGPSTime(5))
//   .Week() is -1357 (before the BeiDou epoch), and its Count gives false.
template <TTimeScale Scale>
class TScaleTime {
public:
  // Nanoseconds in one second: the bound of Nanoseconds().
  static constexpr ULONG NanosecondsPerSecond = 1000000000;

  // The GPS epoch as the scale reads it.
  constexpr TScaleTime() = default;
  // Seconds and nanoseconds; a billion nanoseconds or more carry into the seconds.
  constexpr explicit TScaleTime(long long seconds, ULONG nanoseconds = 0)
      : m_seconds(seconds + nanoseconds / NanosecondsPerSecond),
        m_nanoseconds(nanoseconds % NanosecondsPerSecond) {}
  // A week in the scale's own numbering (GST from GPS week 1024, BDT from 1356) and a second of
  // it, without wrapping.
  static constexpr TScaleTime FromWeek(int week, ULONG secondOfWeek, ULONG nanoseconds = 0) {
    return TScaleTime(
        (week + static_cast<long long>(TTimeScales::FirstWeek(Scale))) * PerWeek + secondOfWeek,
        nanoseconds);
  }
  // The same instant on this scale from another; *extrapolated as TLeapSeconds says.
  template <TTimeScale Other>
  static TScaleTime From(const TScaleTime<Other>& time, bool* extrapolated = nullptr) {
    if constexpr (Other == Scale) {
      if (extrapolated != nullptr) *extrapolated = false;
      return time;
    } else {
      bool before = false, after = false;
      const long long gps = TTimeScales::GPSSeconds(time.Seconds(), Other, &before);
      const TScaleTime converted(TTimeScales::ScaleSeconds(gps, Scale, &after), time.Nanoseconds());
      if (extrapolated != nullptr) *extrapolated = before || after;
      return converted;
    }
  }

  // Whole seconds from the GPS epoch on this scale (negative before it).
  constexpr long long Seconds() const { return m_seconds; }
  // The fraction of the second, 0 to 999999999 nanoseconds.
  constexpr ULONG Nanoseconds() const { return m_nanoseconds; }
  // The week in the scale's own numbering, negative before its week 0, and the second of it.
  constexpr int Week() const {
    return static_cast<int>(FloorWeeks(m_seconds)) - TTimeScales::FirstWeek(Scale);
  }
  constexpr ULONG SecondOfWeek() const {
    return static_cast<ULONG>(m_seconds - FloorWeeks(m_seconds) * PerWeek);
  }
  // The whole seconds as the ULONG calls count them; false for an instant outside 0 to
  // 4294967295 (before the GPS epoch on this scale, or after 2116).
  constexpr bool Count(ULONG& seconds) const {
    if (m_seconds < 0 || m_seconds > 0xFFFFFFFFLL) return false;
    seconds = static_cast<ULONG>(m_seconds);
    return true;
  }
  // Rounded to the nearest multiple of step nanoseconds (1 to a billion; halves up) on this
  // scale: a carry moves to the next second of this scale, whatever UTC calls it.
  constexpr TScaleTime Rounded(ULONG step) const {
    if (step == 0 || step > NanosecondsPerSecond) return *this;
    return TScaleTime(m_seconds, (m_nanoseconds + step / 2) / step * step);
  }

  // Instants of one scale compare by seconds, then nanoseconds.
  friend constexpr bool operator==(const TScaleTime&, const TScaleTime&) = default;
  // The order of two instants of one scale.
  friend constexpr auto operator<=>(const TScaleTime&, const TScaleTime&) = default;

private:
  static constexpr long long PerWeek = corekit::SecondsPerWeek;
  static constexpr long long FloorWeeks(long long seconds) {
    return seconds >= 0 ? seconds / PerWeek : -((-seconds + PerWeek - 1) / PerWeek);
  }

  long long m_seconds = 0;
  ULONG m_nanoseconds = 0;
};

using TCalendarTime = TScaleTime<TTimeScale::Calendar>;  // TGPSTime's count: UTC without leaps
using TTrueGPSTime = TScaleTime<TTimeScale::GPS>;        // GPS time as receivers give it
using TTAITime = TScaleTime<TTimeScale::TAI>;            // International Atomic Time
using TGSTTime = TScaleTime<TTimeScale::GST>;            // Galileo System Time
using TBDTTime = TScaleTime<TTimeScale::BDT>;            // BeiDou Time
