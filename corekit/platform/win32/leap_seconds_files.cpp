#include "corekit/platform/leap_seconds_files.h"

#include <windows.h>

namespace corekit::platform {

std::string NamedLeapSecondsList() {
  char value[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("COREKIT_LEAP_SECONDS", value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string SystemLeapSecondsList() { return std::string(); }

}  // namespace corekit::platform
