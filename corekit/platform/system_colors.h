#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// The plain RGB word that the user interface uses now for a system colour element (0 to 24, as
// COLOR_SCROLLBAR to COLOR_INFOBK). On POSIX, which has no such scheme, the classic Windows default
// colours; 0 (black) for an element outside 0 to 24.
ULONG SystemColor(int element);

}  // namespace corekit::platform
