#include "corekit/core/number_conversion.h"

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

}  // namespace

bool ReadNumberConversion(const char* percent, NumberConversion& conversion) {
  const char* at = percent + 1;
  conversion.left = *at == '-';
  if (conversion.left) ++at;
  conversion.alternate = *at == '#';
  if (conversion.alternate) ++at;
  conversion.zeroPadded = *at == '0';
  if (conversion.zeroPadded) ++at;
  conversion.widthDigits = ReadDigits(at, conversion.width);
  conversion.hasPrecision = *at == '.';
  conversion.precisionDigits = 0;
  conversion.precision = 0;
  if (conversion.hasPrecision) {
    ++at;
    conversion.precisionDigits = ReadDigits(at, conversion.precision);
  }
  if (*at == 'l') ++at;
  conversion.type = *at;
  conversion.end = nullptr;
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

}  // namespace corekit::internal
