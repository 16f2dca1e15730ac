#pragma once

// The conversion that formats one 32-bit number in an error text's format:
// %[-][#][0][width][.precision][l]type, with type d, i, u, x or X. Reading it is pure: the
// formatter prints what it reads, and the generic error text checks what it lets through.

namespace corekit::internal {

struct NumberConversion {
  bool left = false;        // '-': padded behind
  bool alternate = false;   // '#': "0x" before hexadecimal digits
  bool zeroPadded = false;  // '0': padded with zeros
  int widthDigits = 0;      // how many digits the width has (0: none)
  unsigned int width = 0;   // the value of its first three digits
  bool hasPrecision = false;
  int precisionDigits = 0;     // how many digits follow the '.'
  unsigned int precision = 0;  // the value of their first three digits
  char type = 0;
  const char* end = nullptr;  // just after the conversion
};

// Reads the conversion that starts at the '%' in wsprintfA's order of flags; false when its type
// is none of d, i, u, x and X. ReadNumberConversion("%-08.3lx%") reads left, zero-padded, width 8,
// precision 3, type 'x', and ends at the last '%'.
bool ReadNumberConversion(const char* percent, NumberConversion& conversion);

}  // namespace corekit::internal
