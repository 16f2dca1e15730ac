#pragma once

#include <string>

namespace corekit::platform {

// The whole content of a file read in the C library's text mode: each CR LF pair reads as one LF
// and a byte 0x1A ends the text. False when the file cannot be opened.
bool ReadTextFile(const char* path, std::string& content);

}  // namespace corekit::platform
