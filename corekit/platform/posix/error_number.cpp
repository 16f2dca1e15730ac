#include "corekit/platform/error_number.h"

#include <cstdint>

#include "corekit/core/hex_text.h"
#include "corekit/core/number_conversion.h"

namespace corekit::platform {
namespace {

// The digits of a width or precision that the formatter reads; a conversion with more prints
// as it stands.
constexpr int MaxFieldDigits = 2;

std::string Converted(const internal::NumberConversion& conversion, LONG code) {
  const bool hex = conversion.type == 'x' || conversion.type == 'X';
  const bool negative = (conversion.type == 'd' || conversion.type == 'i') && code < 0;
  auto magnitude = static_cast<std::uint32_t>(code);
  if (negative) magnitude = 0u - magnitude;
  std::string number =
      hex ? HexText(magnitude, 1, conversion.type == 'X') : std::to_string(magnitude);
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
    internal::NumberConversion conversion;
    if (internal::ReadNumberConversion(at, conversion) &&
        conversion.widthDigits <= MaxFieldDigits && conversion.precisionDigits <= MaxFieldDigits) {
      text += Converted(conversion, code);
      at = conversion.end;
    } else {
      text += *at++;
    }
  }
  return text;
}

}  // namespace corekit::platform
