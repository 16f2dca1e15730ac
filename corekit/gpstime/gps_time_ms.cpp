#include "corekit/gpstime/gps_time_ms.h"

#include "corekit/gpstime/civil_days.h"
#include "corekit/gpstime/gps_time_ns.h"

namespace ci = corekit::internal;

namespace {

constexpr ULONG MillisecondsPerSecond = 1000;

}  // namespace

TGPSTimeMS::TGPSTimeMS() : m_milliseconds(0) {}

TGPSTimeMS::TGPSTimeMS(const TGPSTime& time) : m_time(time), m_milliseconds(0) {}

TGPSTimeMS::TGPSTimeMS(const TGPSTimeNS& time)
    : m_time(time.Seconds()), m_milliseconds(time.mSecond()) {}

TGPSTimeMS::TGPSTimeMS(ULONG seconds, WORD milliseconds)
    : m_time(seconds), m_milliseconds(milliseconds) {}

TGPSTimeMS::TGPSTimeMS(const double& seconds) : m_milliseconds(0) { Set(seconds); }

TGPSTimeMS::TGPSTimeMS(const TGPSTimeMS& source, int deltaMilliseconds) : m_milliseconds(0) {
  Normalise(source.Seconds(), source.m_milliseconds + static_cast<long long>(deltaMilliseconds));
}

void TGPSTimeMS::Set(ULONG seconds, WORD milliseconds) {
  m_time = TGPSTime(seconds);
  m_milliseconds = milliseconds;
}

void TGPSTimeMS::SetMS(ULONG seconds, int milliseconds) { Normalise(seconds, milliseconds); }

void TGPSTimeMS::Set(const double& seconds) {
  ULONG whole = 0;
  double fraction = 0;
  if (!ci::SplitSeconds(seconds, whole, fraction)) {
    Set(0, 0);
    return;
  }
  // The fraction rounded to the nearest millisecond, halves up; 1000 carries into the seconds.
  auto milliseconds = static_cast<ULONG>(fraction * 1000.0 + 0.5);
  if (milliseconds >= MillisecondsPerSecond) {
    milliseconds -= MillisecondsPerSecond;
    ++whole;
  }
  Set(whole, static_cast<WORD>(milliseconds));
}

ULONG TGPSTimeMS::Seconds() const { return m_time.Seconds(); }

WORD TGPSTimeMS::mSecond() const { return m_milliseconds; }

unsigned int TGPSTimeMS::SecondInGPSWeek() const { return m_time.SecondInGPSWeek(); }

ULONG TGPSTimeMS::mSecondInGPSWeek() const {
  return m_time.SecondInGPSWeek() * MillisecondsPerSecond + m_milliseconds;
}

TGPSTimeMS::operator double() const {
  return static_cast<double>(Seconds()) + m_milliseconds * 0.001;
}

double TGPSTimeMS::JulDay(int offsetSeconds) const {
  return ci::JulianDay(static_cast<double>(*this), offsetSeconds);
}

void TGPSTimeMS::Add(int milliseconds) {
  Normalise(Seconds(), m_milliseconds + static_cast<long long>(milliseconds));
}

void TGPSTimeMS::Add(ULONG seconds, WORD milliseconds) {
  ULONG total = Seconds() + seconds;
  if (milliseconds != 0) {
    m_milliseconds = static_cast<WORD>(m_milliseconds + milliseconds);
    if (m_milliseconds >= MillisecondsPerSecond) {
      m_milliseconds = static_cast<WORD>(m_milliseconds - MillisecondsPerSecond);
      ++total;
    }
  }
  m_time = TGPSTime(total);
}

void TGPSTimeMS::Sub(ULONG seconds, WORD milliseconds) {
  ULONG total = Seconds() - seconds;
  if (milliseconds != 0) {
    // Below zero the 16-bit difference wraps to 64536 or more; adding 1000 wraps it back.
    m_milliseconds = static_cast<WORD>(m_milliseconds - milliseconds);
    if (m_milliseconds >= MillisecondsPerSecond) {
      m_milliseconds = static_cast<WORD>(m_milliseconds + MillisecondsPerSecond);
      --total;
    }
  }
  m_time = TGPSTime(total);
}

TGPSTimeMS& TGPSTimeMS::operator+=(int milliseconds) {
  Add(milliseconds);
  return *this;
}

TGPSTimeMS& TGPSTimeMS::operator-=(int milliseconds) {
  Normalise(Seconds(), m_milliseconds - static_cast<long long>(milliseconds));
  return *this;
}

TGPSTimeMS TGPSTimeMS::operator+(int milliseconds) const { return TGPSTimeMS(*this, milliseconds); }

TGPSTimeMS TGPSTimeMS::operator-(int milliseconds) const {
  TGPSTimeMS result(*this);
  result -= milliseconds;
  return result;
}

int TGPSTimeMS::operator==(const TGPSTimeMS& other) const {
  return m_time == other.m_time && m_milliseconds == other.m_milliseconds;
}

int TGPSTimeMS::operator!=(const TGPSTimeMS& other) const { return !(*this == other); }

int TGPSTimeMS::operator<(const TGPSTimeMS& other) const {
  return m_time != other.m_time ? m_time < other.m_time : m_milliseconds < other.m_milliseconds;
}

int TGPSTimeMS::operator<=(const TGPSTimeMS& other) const { return !(other < *this); }
int TGPSTimeMS::operator>(const TGPSTimeMS& other) const { return other < *this; }
int TGPSTimeMS::operator>=(const TGPSTimeMS& other) const { return !(*this < other); }

int TGPSTimeMS::Between(const TGPSTimeMS& from, const TGPSTimeMS& to) const {
  return from <= *this && *this <= to;
}

void TGPSTimeMS::Normalise(ULONG seconds, long long milliseconds) {
  // The carry rounds toward minus infinity, so the remainder is always 0 to 999.
  constexpr long long perSecond = MillisecondsPerSecond;
  long long carry = milliseconds / perSecond;
  if (milliseconds % perSecond < 0) --carry;
  m_milliseconds = static_cast<WORD>(milliseconds - carry * perSecond);
  m_time = TGPSTime(seconds + static_cast<ULONG>(carry));
}
