#include "corekit/platform/time_format.h"

namespace corekit::platform {

void FormatDate(const SYSTEMTIME& record, const char* picture, char* buffer) noexcept {
  GetDateFormatA(GetUserDefaultLCID(), 0, &record, picture, buffer, TimeTextBufferSize);
}

void FormatTime(const SYSTEMTIME& record, const char* picture, char* buffer) noexcept {
  GetTimeFormatA(GetUserDefaultLCID(), 0, &record, picture, buffer, TimeTextBufferSize);
}

bool UtcToLocalTime(SYSTEMTIME& record) noexcept {
  // First the zone's own rules; a zone without daylight-saving information (answer 0) or a failed
  // conversion falls back to the file-time route.
  const SYSTEMTIME utc = record;
  TIME_ZONE_INFORMATION zone{};
  if (GetTimeZoneInformation(&zone) != 0) {
    if (SystemTimeToTzSpecificLocalTime(&zone, &utc, &record)) return true;
    record = utc;
  }
  FILETIME fileTime{};
  FILETIME localFileTime{};
  if (!SystemTimeToFileTime(&record, &fileTime)) return false;
  if (!FileTimeToLocalFileTime(&fileTime, &localFileTime)) return false;
  if (!FileTimeToSystemTime(&localFileTime, &record)) return false;
  return true;
}

SYSTEMTIME CurrentUtcTime() noexcept {
  SYSTEMTIME now{};
  GetSystemTime(&now);
  return now;
}

}  // namespace corekit::platform
