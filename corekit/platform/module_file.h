#pragma once

#include <string>

#include "corekit/platform/types.h"

namespace corekit::platform {

// The longest path the library handles, in bytes with the terminating NUL.
inline constexpr int PathBufferSize = 260;

// The separator of the paths the library builds itself (application and user folders).
#if defined(_WIN32)
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// The full path of a module's file (the executable for null); empty when the handle names no
// module or the path does not fit PathBufferSize.
std::string ModuleFileName(HINSTANCE module);

}  // namespace corekit::platform
