#pragma once

// The size of the library's path buffers and the separator of the paths it builds itself.

#include "corekit/platform/types.h"

namespace corekit::platform {

// The longest path the library handles, in bytes with the terminating NUL: the system's longest
// path (MAX_PATH, 260).
inline constexpr int PathBufferSize = MAX_PATH;

// The separator of the paths the library builds itself (application and user folders).
#if defined(_WIN32)
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

}  // namespace corekit::platform
