#pragma once

#include "corekit/export.h"
#include "corekit/gpstime/civil_days.h"

// A GPS week number counted from the GPS epoch. A week below 416 is read as a 10-bit week after the
// first 1024-week rollover, so 100 becomes 1124; other values are kept as given. Inline, and still
// exported for programs built when it was not.
class COREKIT_API TGPSWeek {
public:
  // Stores the week, resolving a 10-bit week below 416 past the first rollover.
  COREKIT_EXPORTED_INLINE TGPSWeek(int week);

  // The full week number.
  COREKIT_EXPORTED_INLINE operator int() const;

private:
  int m_week;
};

// Compared as unsigned so that a negative value is kept rather than shifted.
inline TGPSWeek::TGPSWeek(int week) : m_week(week) {
  if (static_cast<unsigned int>(m_week) <
      static_cast<unsigned int>(corekit::internal::LowestUnrolledWeek)) {
    m_week += corekit::internal::WeekRollover;
  }
}

inline TGPSWeek::operator int() const { return m_week; }
