#include "corekit/errors/generic_error_text.h"

#include "corekit/platform/error_number.h"

namespace corekit::internal {
namespace {

// The length of a conversion that formats one 32-bit number, starting at its '%'; 0 for others.
std::size_t NumberConversionLength(const char* at) {
  std::size_t length = 1;
  if (at[length] == '#') ++length;
  if (at[length] == 'l') ++length;
  switch (at[length]) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
      return length + 1;
    default:
      return 0;
  }
}

}  // namespace

std::string SafeErrorFormat(const char* format) {
  // What the format prints stays within its own length + 9 characters (one conversion gives at
  // most 11), so the Windows formatter's buffer of length + 33 always holds it.
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
