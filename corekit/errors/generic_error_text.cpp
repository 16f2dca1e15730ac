#include "corekit/errors/generic_error_text.h"

#include "corekit/platform/error_number.h"

namespace corekit::internal {
namespace {

// Reads the decimal digits at `at` into value (the first three at most) and gives their count.
int ReadDigits(const char*& at, unsigned int& value) {
  int count = 0;
  value = 0;
  for (; *at >= '0' && *at <= '9'; ++at, ++count) {
    if (count < 3) value = value * 10 + static_cast<unsigned int>(*at - '0');
  }
  return count;
}

bool FieldFits(int digits, unsigned int value) {
  return digits <= 2 && value <= MaxErrorFormatField;
}

// The length of a safe conversion that formats one 32-bit number, starting at its '%'; 0 for
// others.
std::size_t NumberConversionLength(const char* percent) {
  const char* at = percent + 1;
  if (*at == '-') ++at;
  const bool alternate = *at == '#';
  if (alternate) ++at;
  const bool zeroPadded = *at == '0';
  if (zeroPadded) ++at;
  unsigned int width = 0;
  const int widthDigits = ReadDigits(at, width);
  if (!FieldFits(widthDigits, width)) return 0;
  const bool hasPrecision = *at == '.';
  if (hasPrecision) {
    ++at;
    unsigned int precision = 0;
    const int precisionDigits = ReadDigits(at, precision);
    if (precisionDigits == 0 || precision == 0 || !FieldFits(precisionDigits, precision)) return 0;
  }
  if (*at == 'l') ++at;
  const char type = *at;
  const bool hex = type == 'x' || type == 'X';
  const bool signedType = type == 'd' || type == 'i';
  if (!hex && !signedType && type != 'u') return 0;
  if (alternate && (!hex || widthDigits > 0)) return 0;
  if (hasPrecision && (signedType || zeroPadded)) return 0;
  return static_cast<std::size_t>(at + 1 - percent);
}

}  // namespace

std::string SafeErrorFormat(const char* format) {
  std::string safe;
  bool converted = false;
  for (const char* at = format; *at != '\0';) {
    if (*at != '%') {
      safe += *at++;
      continue;
    }
    if (at[1] == '%') {
      safe += "%%";
      at += 2;
      continue;
    }
    const std::size_t length = converted ? 0 : NumberConversionLength(at);
    if (length == 0) {
      safe += "%%";
      ++at;
      continue;
    }
    safe.append(at, length);
    at += length;
    converted = true;
  }
  return safe;
}

KString GenericErrorText(const KString& format, LONG code) {
  if (format.IsEmpty()) return KString();
  return KString(platform::FormatErrorNumber(SafeErrorFormat(format).c_str(), code).c_str());
}

}  // namespace corekit::internal
