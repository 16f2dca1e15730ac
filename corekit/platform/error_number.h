#pragma once

#include <string>

#include "corekit/platform/types.h"

namespace corekit::platform {

// The format text with an error code in place of its conversions, as wsprintfA formats one 32-bit
// argument: "%lx" and "%x" print the code as unsigned lowercase hexadecimal without leading
// zeros, "%lX" in upper case, "%#lx" with "0x" before it, "%lu"/"%u" unsigned decimal,
// "%ld"/"%d"/"%li"/"%i" signed decimal, and "%%" a percent sign.
// FormatErrorNumber("Error # %lx", 0x80040502) is "Error # 80040502".
//
// The format must hold at most one conversion and no widths, precisions or other conversions; the
// caller makes sure of it (Windows writes into a buffer of the format's length + 33 characters).
// On POSIX any other format is safe too: every conversion above prints the code, and whatever
// else follows a percent sign is printed as it stands.
std::string FormatErrorNumber(const char* format, LONG code);

}  // namespace corekit::platform
