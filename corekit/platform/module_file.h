#pragma once

#include <string>

#include "corekit/platform/path_conventions.h"
#include "corekit/platform/types.h"

namespace corekit::platform {

// The full path of a module's file (the executable for null); empty when the handle names no
// module or the path does not fit PathBufferSize.
std::string ModuleFileName(HINSTANCE module);

}  // namespace corekit::platform
