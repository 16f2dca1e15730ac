#pragma once

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"

namespace corekit::internal {

// The sub-second part a GPS time shows in its text.
enum class SubSecondPart { None, Milliseconds, Nanoseconds };

// The text of a GPS time of whole seconds and a sub-second part, shared by the three time classes'
// AsString: empty for no time; mode above 1 shows the date, any mode but 2 the time, mode 3 with a
// space between; zone -720..720 shifts by minutes, 800 shows local time.
KString GpsTimeText(ULONG seconds, ULONG subSecond, SubSecondPart part, int mode, int zone,
                    const char* dateFormat, const char* timeFormat);

}  // namespace corekit::internal
