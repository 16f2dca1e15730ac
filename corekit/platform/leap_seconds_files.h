#pragma once

// Where a leap-second list may be found besides the library's built-in table.

#include <string>

namespace corekit::platform {

// The file the user names in the environment variable COREKIT_LEAP_SECONDS; empty when unset.
std::string NamedLeapSecondsList();

// The list the system keeps current with its time-zone data: $TZDIR/leap-seconds.list, else
// /usr/share/zoneinfo/leap-seconds.list (POSIX). Empty on Windows, which keeps no such list.
std::string SystemLeapSecondsList();

}  // namespace corekit::platform
