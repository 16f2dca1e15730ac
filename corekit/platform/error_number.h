#pragma once

#include <string>

#include "corekit/platform/types.h"

namespace corekit::platform {

// The format text with an error code in place of its conversions, as wsprintfA formats one 32-bit
// argument. A conversion is %[-][#][0][width][.precision][l]type: type 'x' prints the code as
// unsigned lowercase hexadecimal, 'X' in upper case, 'u' unsigned decimal, 'd' and 'i' signed
// decimal; '#' writes "0x" or "0X" before hexadecimal digits (a zero too), the precision is the
// least number of digits (zeros in front), the width the least number of characters, filled with
// spaces in front, or behind with '-', or with zeros after the sign and "0x" with '0'. "%%" prints
// a percent sign.
// FormatErrorNumber("Error # %lx", 0x80040502) is "Error # 80040502";
// FormatErrorNumber("Fehler %08lx", 0x502) is "Fehler 00000502".
//
// The format must hold at most one conversion, and only the forms that SafeErrorFormat lets
// through; the caller makes sure of it (Windows writes into a buffer of the format's length + 33
// characters, and reads some other forms otherwise). On POSIX any other format is safe too: every
// conversion above prints the code, and a percent sign followed by anything else, or by a width or
// precision of more than two digits, is printed as it stands.
std::string FormatErrorNumber(const char* format, LONG code);

}  // namespace corekit::platform
