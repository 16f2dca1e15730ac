#include "corekit/gpstime/current_time.h"

#include "corekit/platform/time_format.h"

TCurrentTime::TCurrentTime() {
  const SYSTEMTIME now = corekit::platform::CurrentUtcTime();
  Set(now.wYear, static_cast<TMonth>(now.wMonth), now.wDay, now.wHour, now.wMinute, now.wSecond);
}

TCurrentTime& TCurrentTime::operator=(const TCurrentTime& other) {
  TGPSTime::operator=(other);
  return *this;
}
