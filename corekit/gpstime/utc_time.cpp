#include "corekit/gpstime/utc_time.h"

#include <cstdio>

#include "corekit/gpstime/leap_seconds.h"

TUTCTime::TUTCTime() : m_calendar(), m_leapSecond(false) {}

TUTCTime::TUTCTime(const TGPSTime& calendar, bool leapSecond)
    : m_calendar(calendar), m_leapSecond(leapSecond) {}

TUTCTime TUTCTime::FromGPS(ULONG gpsSeconds) {
  const int offset = TLeapSeconds::AtGPS(gpsSeconds);
  const ULONG calendar = gpsSeconds - static_cast<ULONG>(offset);
  // The second before a change of GPS - UTC by +1 is the inserted one.
  if (TLeapSeconds::AtGPS(gpsSeconds + 1) == offset + 1) return {TGPSTime(calendar - 1), true};
  return TUTCTime(TGPSTime(calendar));
}

ULONG TUTCTime::ToGPS(bool* extrapolated) const {
  return m_calendar.Seconds() + (m_leapSecond ? 1u : 0u) +
         static_cast<ULONG>(GPSMinusUTC(extrapolated));
}

int TUTCTime::GPSMinusUTC(bool* extrapolated) const {
  return TLeapSeconds::AtUTC(m_calendar, extrapolated);
}

int TUTCTime::IsValid() const {
  if (!m_calendar.IsValid()) return 0;
  return !m_leapSecond || TLeapSeconds::InsertedBefore(TGPSTime(m_calendar.Seconds() + 1)) ? 1 : 0;
}

const TGPSTime& TUTCTime::Calendar() const { return m_calendar; }

int TUTCTime::IsLeapSecond() const { return m_leapSecond ? 1 : 0; }

KString TUTCTime::AsText() const {
  if (!m_calendar.IsValid()) return KString();
  unsigned int year = 0, day = 0;
  TGPSTime::TMonth month = TGPSTime::January;
  TGPSTime::TDayOfWeek dayOfWeek = TGPSTime::Sunday;
  m_calendar.GetDate(year, month, day, dayOfWeek);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", year,
                static_cast<unsigned int>(month), day, m_calendar.Hour(), m_calendar.Minute(),
                m_leapSecond ? 60u : m_calendar.Second());
  return KString(text);
}
