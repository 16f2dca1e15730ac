#include "corekit/platform/system_colors.h"

namespace corekit::platform {

ULONG SystemColor(int element) { return GetSysColor(element); }

}  // namespace corekit::platform
