#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "corekit/export.h"

// Hexadecimal digits read and written the same way everywhere, without the C library's locale.

// The value of one hexadecimal digit of either case: HexDigitValue('b') is 11; -1 for any other
// character.
constexpr int HexDigitValue(char c) {
  return c >= '0' && c <= '9'   ? c - '0'
         : c >= 'a' && c <= 'f' ? c - 'a' + 10
         : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                : -1;
}

// Reads a text made only of hexadecimal digits of either case (no "0x", sign or space):
// ReadHex("01a9", value) sets value to 0x1A9. False, and value unchanged, when the text is empty,
// holds another character or is above 0xFFFFFFFF.
COREKIT_API bool ReadHex(std::string_view text, std::uint32_t& value);

// value in at least `digits` hexadecimal digits (and one), zeros in front, lowercase unless upper:
// HexText(0x407, 4) is "0407", HexText(0xBEEF, 2, true) is "BEEF".
COREKIT_API std::string HexText(std::uint32_t value, int digits, bool upper = false);
