#include "corekit/gpstime/utc_time.h"

#include "corekit/gpstime/leap_seconds.h"

namespace {

constexpr long long LastCount = 0xFFFFFFFFLL;

}  // namespace

TUTCTime::TUTCTime() : TUTCTime(0, false, 0, false) {}

TUTCTime::TUTCTime(const TGPSTime& calendar, bool leapSecond, ULONG nanoseconds)
    : TUTCTime(calendar.Seconds(), leapSecond, nanoseconds, calendar.IsValid() != 0) {}

TUTCTime::TUTCTime(ULONG calendar, bool leapSecond, ULONG nanoseconds, bool isTime)
    : m_calendar(calendar),
      m_nanoseconds(isTime ? nanoseconds % TTrueGPSTime::NanosecondsPerSecond : 0),
      m_leapSecond(isTime && leapSecond),
      m_isTime(isTime) {}

TUTCTime TUTCTime::FromGPS(ULONG gpsSeconds) { return FromGPS(TTrueGPSTime(gpsSeconds)); }

TUTCTime TUTCTime::FromGPS(const TTrueGPSTime& gps) {
  const long long seconds = gps.Seconds();
  if (seconds < 0) return TUTCTime();
  // Past the 32-bit GPS count the table's last value holds and no second is inserted.
  const ULONG looked = seconds > LastCount ? 0xFFFFFFFF : static_cast<ULONG>(seconds);
  const int offset = TLeapSeconds::AtGPS(looked);
  // The second before a change of GPS - UTC by +1 is the inserted one.
  const bool inserted = seconds < LastCount && TLeapSeconds::AtGPS(looked + 1) == offset + 1;
  const long long calendar = seconds - offset - (inserted ? 1 : 0);
  if (calendar < 0 || calendar > LastCount) return TUTCTime();
  return TUTCTime(static_cast<ULONG>(calendar), inserted, gps.Nanoseconds(), true);
}

TUTCTime TUTCTime::FromCalendar(const TCalendarTime& calendar) {
  ULONG seconds = 0;
  if (!calendar.Count(seconds)) return TUTCTime();
  return TUTCTime(seconds, false, calendar.Nanoseconds(), true);
}

ULONG TUTCTime::ToGPS(bool* extrapolated) const {
  return m_calendar.Seconds() + (m_leapSecond ? 1u : 0u) +
         static_cast<ULONG>(GPSMinusUTC(extrapolated));
}

TTrueGPSTime TUTCTime::ToTrueGPS(bool* extrapolated) const {
  return TTrueGPSTime(static_cast<long long>(m_calendar.Seconds()) + (m_leapSecond ? 1 : 0) +
                          GPSMinusUTC(extrapolated),
                      m_nanoseconds);
}

int TUTCTime::GPSMinusUTC(bool* extrapolated) const {
  return TLeapSeconds::AtUTC(m_calendar, extrapolated);
}

TUTCTime TUTCTime::Rounded(ULONG step) const {
  return m_isTime ? FromGPS(ToTrueGPS().Rounded(step)) : *this;
}

int TUTCTime::IsValid() const {
  if (!m_isTime) return 0;
  const TGPSTime next(m_calendar.Seconds() + 1);
  if (m_leapSecond) return TLeapSeconds::InsertedBefore(next);
  return TLeapSeconds::RemovedBefore(next) ? 0 : 1;
}

const TGPSTime& TUTCTime::Calendar() const { return m_calendar; }

int TUTCTime::IsLeapSecond() const { return m_leapSecond ? 1 : 0; }

ULONG TUTCTime::Nanoseconds() const { return m_nanoseconds; }
