#pragma once

#include "corekit/export.h"
#include "corekit/gpstime/gps_time.h"

// The current time: the system clock's UTC reading in whole seconds, without leap seconds. A clock
// outside 1980 to 2116 gives no time (0).
class COREKIT_API TCurrentTime : public TGPSTime {
public:
  // The system clock's time now.
  TCurrentTime();
  // Takes other's time.
  TCurrentTime& operator=(const TCurrentTime& other);
};
