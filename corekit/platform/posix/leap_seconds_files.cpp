#include "corekit/platform/leap_seconds_files.h"

#include <cstdlib>

namespace corekit::platform {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::string NamedLeapSecondsList() { return Variable("COREKIT_LEAP_SECONDS"); }

std::string SystemLeapSecondsList() {
  std::string folder = Variable("TZDIR");
  if (folder.empty()) folder = "/usr/share/zoneinfo";
  if (folder.back() != '/') folder += '/';
  return folder + "leap-seconds.list";
}

}  // namespace corekit::platform
