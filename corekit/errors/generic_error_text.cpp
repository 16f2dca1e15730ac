#include "corekit/errors/generic_error_text.h"

#include "corekit/core/number_conversion.h"
#include "corekit/platform/error_number.h"

namespace corekit::internal {
namespace {

// Up to two digits and at most MaxErrorFormatField.
bool FieldFits(int digits, unsigned int value) {
  return digits <= 2 && value <= MaxErrorFormatField;
}

// The length of a safe conversion that formats one 32-bit number, starting at its '%'; 0 for
// others.
std::size_t NumberConversionLength(const char* percent) {
  NumberConversion conversion;
  if (!ReadNumberConversion(percent, conversion)) return 0;
  if (!FieldFits(conversion.widthDigits, conversion.width)) return 0;
  if (conversion.hasPrecision && (conversion.precisionDigits == 0 || conversion.precision == 0 ||
                                  !FieldFits(conversion.precisionDigits, conversion.precision))) {
    return 0;
  }
  const bool hex = conversion.type == 'x' || conversion.type == 'X';
  const bool signedType = conversion.type == 'd' || conversion.type == 'i';
  if (conversion.alternate && (!hex || conversion.widthDigits > 0)) return 0;
  if (conversion.hasPrecision && (signedType || conversion.zeroPadded)) return 0;
  return static_cast<std::size_t>(conversion.end - percent);
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
