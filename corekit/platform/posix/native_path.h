#pragma once

// Windows path texts as POSIX paths, for the POSIX services that take them.

#include <string>

namespace corekit::platform {

// The path with every backslash turned into a slash. Double-byte characters are stepped over
// whole, so that a trail byte that looks like a backslash stays as it is.
std::string NativePath(const char* path);

// Copies answer into a path buffer of PathBufferSize bytes; false, leaving the buffer as it is,
// when the answer has more than 259 characters.
bool CopyAnswer(const std::string& answer, char* buffer);

}  // namespace corekit::platform
