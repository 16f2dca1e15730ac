#pragma once

#include "corekit/export.h"

// A GPS week number counted from the GPS epoch. A week below 416 is read as a 10-bit week after the
// first 1024-week rollover, so 100 becomes 1124; other values are kept as given.
class COREKIT_API TGPSWeek {
public:
  // Stores the week, resolving a 10-bit week below 416 past the first rollover.
  TGPSWeek(int week);

  // The full week number.
  operator int() const;

private:
  int m_week;
};
