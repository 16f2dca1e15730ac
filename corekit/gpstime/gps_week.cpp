#include "corekit/gpstime/gps_week.h"

#include "corekit/gpstime/civil_days.h"

namespace ci = corekit::internal;

// Compared as unsigned so that a negative value is kept rather than shifted.
TGPSWeek::TGPSWeek(int week) : m_week(week) {
  if (static_cast<unsigned int>(m_week) < static_cast<unsigned int>(ci::LowestUnrolledWeek)) {
    m_week += ci::WeekRollover;
  }
}

TGPSWeek::operator int() const { return m_week; }
