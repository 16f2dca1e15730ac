#pragma once

#include <string>
#include <vector>

#include "corekit/platform/types.h"

namespace corekit::platform {

// The version information block of a module file, read from the file as the system reads it;
// empty when the file has none or cannot be read.
std::vector<BYTE> FileVersionInfo(const char* path);

// The text of the block's value at a query path ("\StringFileInfo\040904B0\FileVersion"), in the
// process's multibyte encoding; false when the block has no such value.
bool QueryVersionText(const std::vector<BYTE>& block, const char* path, std::string& text);

}  // namespace corekit::platform
