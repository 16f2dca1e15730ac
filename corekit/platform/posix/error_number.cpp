#include "corekit/platform/error_number.h"

#include <charconv>
#include <cstdint>

namespace corekit::platform {
namespace {

struct Conversion {
  bool left = false;
  bool alternate = false;
  bool zeroPadded = false;
  unsigned int width = 0;
  unsigned int precision = 0;  // the least number of digits; 0 when not given
  char type = 0;
  const char* end = nullptr;  // just after the conversion
};

// Reads at most two decimal digits; false when there are more.
bool ReadField(const char*& at, unsigned int& value) {
  value = 0;
  for (int count = 0; *at >= '0' && *at <= '9'; ++at, ++count) {
    if (count == 2) return false;
    value = value * 10 + static_cast<unsigned int>(*at - '0');
  }
  return true;
}

// Reads the conversion after a '%' in wsprintfA's order of flags; false when it is none that
// prints a number.
bool ReadConversion(const char* at, Conversion& conversion) {
  conversion.left = *at == '-';
  if (conversion.left) ++at;
  conversion.alternate = *at == '#';
  if (conversion.alternate) ++at;
  conversion.zeroPadded = *at == '0';
  if (conversion.zeroPadded) ++at;
  if (!ReadField(at, conversion.width)) return false;
  if (*at == '.') {
    ++at;
    if (!ReadField(at, conversion.precision)) return false;
  }
  if (*at == 'l') ++at;
  conversion.type = *at;
  switch (conversion.type) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
      conversion.end = at + 1;
      return true;
    default:
      return false;
  }
}

std::string Converted(const Conversion& conversion, LONG code) {
  const bool hex = conversion.type == 'x' || conversion.type == 'X';
  const bool negative = (conversion.type == 'd' || conversion.type == 'i') && code < 0;
  auto magnitude = static_cast<std::uint32_t>(code);
  if (negative) magnitude = 0u - magnitude;
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, magnitude, hex ? 16 : 10);
  std::string number(digits, result.ptr);
  if (conversion.type == 'X') {
    for (char& c : number) {
      if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    }
  }
  if (number.size() < conversion.precision) {
    number.insert(0, conversion.precision - number.size(), '0');
  }

  std::string lead = negative ? "-" : "";
  if (conversion.alternate && hex) lead += conversion.type == 'x' ? "0x" : "0X";
  const std::size_t length = lead.size() + number.size();
  if (length >= conversion.width) return lead + number;
  const std::size_t fill = conversion.width - length;
  if (conversion.left) return lead + number + std::string(fill, ' ');
  if (conversion.zeroPadded && conversion.precision == 0) {
    return lead + std::string(fill, '0') + number;
  }
  return std::string(fill, ' ') + lead + number;
}

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
    Conversion conversion;
    if (ReadConversion(at + 1, conversion)) {
      text += Converted(conversion, code);
      at = conversion.end;
    } else {
      text += *at++;
    }
  }
  return text;
}

}  // namespace corekit::platform
