#include "corekit/gpstime/gps_time_ns.h"

#include "corekit/gpstime/civil_days.h"

namespace ci = corekit::internal;

namespace {

constexpr ULONG NanosecondsPerSecond = 1000000000;
constexpr ULONG NanosecondsPerMillisecond = 1000000;

}  // namespace

TGPSTimeNS::TGPSTimeNS() : m_nanoseconds(0) {}

TGPSTimeNS::TGPSTimeNS(const TGPSTime& time) : m_time(time), m_nanoseconds(0) {}

TGPSTimeNS::TGPSTimeNS(const TGPSTimeMS& time)
    : m_time(time.Seconds()), m_nanoseconds(time.mSecond() * NanosecondsPerMillisecond) {}

TGPSTimeNS::TGPSTimeNS(ULONG seconds, ULONG nanoseconds)
    : m_time(seconds), m_nanoseconds(nanoseconds) {}

TGPSTimeNS::TGPSTimeNS(const double& seconds) : m_nanoseconds(0) { Set(seconds); }

void TGPSTimeNS::Set(ULONG seconds, ULONG nanoseconds) {
  m_time = TGPSTime(seconds);
  m_nanoseconds = nanoseconds;
}

void TGPSTimeNS::Set(const double& seconds) {
  ULONG whole = 0;
  double fraction = 0;
  if (!ci::SplitSeconds(seconds, whole, fraction)) {
    Set(0, 0);
    return;
  }
  // The fraction rounded to the nearest 100 ns, halves up; a whole second carries.
  ULONG nanoseconds = static_cast<ULONG>(fraction * 1e7 + 0.5) * 100;
  if (nanoseconds >= NanosecondsPerSecond) {
    nanoseconds -= NanosecondsPerSecond;
    ++whole;
  }
  Set(whole, nanoseconds);
}

ULONG TGPSTimeNS::Seconds() const { return m_time.Seconds(); }

ULONG TGPSTimeNS::nSecond() const { return m_nanoseconds; }

WORD TGPSTimeNS::mSecond() const {
  return static_cast<WORD>(m_nanoseconds / NanosecondsPerMillisecond);
}

TGPSTimeNS::operator double() const {
  return static_cast<double>(Seconds()) + m_nanoseconds * 1e-9;
}

double TGPSTimeNS::JulDay(int offsetSeconds) const {
  return ci::JulianDay(static_cast<double>(*this), offsetSeconds);
}

TGPSTimeNS& TGPSTimeNS::operator+(const TGPSTimeNS& other) {
  Set(static_cast<double>(*this) + static_cast<double>(other));
  return *this;
}

int TGPSTimeNS::operator==(const TGPSTimeNS& other) const {
  return m_time == other.m_time && m_nanoseconds == other.m_nanoseconds;
}

int TGPSTimeNS::operator!=(const TGPSTimeNS& other) const { return !(*this == other); }

int TGPSTimeNS::operator<(const TGPSTimeNS& other) const {
  return m_time != other.m_time ? m_time < other.m_time : m_nanoseconds < other.m_nanoseconds;
}

int TGPSTimeNS::operator<=(const TGPSTimeNS& other) const { return !(other < *this); }
int TGPSTimeNS::operator>(const TGPSTimeNS& other) const { return other < *this; }
int TGPSTimeNS::operator>=(const TGPSTimeNS& other) const { return !(*this < other); }
