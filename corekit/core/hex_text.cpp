#include "corekit/core/hex_text.h"

bool ReadHex(std::string_view text, std::uint32_t& value) {
  if (text.empty()) return false;
  std::uint32_t read = 0;
  for (const char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0 || read > 0x0FFFFFFFu) return false;
    read = read << 4 | static_cast<std::uint32_t>(digit);
  }
  value = read;
  return true;
}

std::string HexText(std::uint32_t value, int digits, bool upper) {
  const char* const alphabet = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string text;
  do {
    text.insert(text.begin(), alphabet[value & 15]);
    value >>= 4;
  } while (value != 0 || static_cast<int>(text.size()) < digits);
  return text;
}
