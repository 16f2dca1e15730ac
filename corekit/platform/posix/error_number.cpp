#include "corekit/platform/error_number.h"

#include <charconv>
#include <cstdint>

namespace corekit::platform {
namespace {

// The code in one conversion's form ('d', 'i', 'u', 'x' or 'X'), with "0x"/"0X" for alternate hex.
std::string Converted(char conversion, bool alternate, LONG code) {
  char digits[16];
  const auto value = static_cast<std::uint32_t>(code);
  std::to_chars_result result{};
  switch (conversion) {
    case 'd':
    case 'i':
      result = std::to_chars(digits, digits + sizeof digits, static_cast<std::int32_t>(code));
      break;
    case 'u':
      result = std::to_chars(digits, digits + sizeof digits, value);
      break;
    default:
      result = std::to_chars(digits, digits + sizeof digits, value, 16);
      break;
  }
  std::string text(digits, result.ptr);
  if (conversion == 'X') {
    for (char& c : text) {
      if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    }
  }
  if (alternate && (conversion == 'x' || conversion == 'X')) {
    text.insert(0, conversion == 'x' ? "0x" : "0X");
  }
  return text;
}

bool IsConversion(char c) { return c == 'd' || c == 'i' || c == 'u' || c == 'x' || c == 'X'; }

}  // namespace

std::string FormatErrorNumber(const char* format, LONG code) {
  std::string text;
  for (const char* at = format; *at != '\0';) {
    if (*at != '%') {
      text += *at++;
      continue;
    }
    if (at[1] == '%') {
      text += '%';
      at += 2;
      continue;
    }
    // '%', an optional '#', an optional 'l', the conversion.
    const char* directive = at + 1;
    const bool alternate = *directive == '#';
    if (alternate) ++directive;
    if (*directive == 'l') ++directive;
    if (IsConversion(*directive)) {
      text += Converted(*directive, alternate, code);
      at = directive + 1;
    } else {
      text += *at++;
    }
  }
  return text;
}

}  // namespace corekit::platform
