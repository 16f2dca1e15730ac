#include "corekit/platform/error_number.h"

#include <cstring>
#include <vector>

namespace corekit::platform {

std::string FormatErrorNumber(const char* format, LONG code) {
  std::vector<char> buffer(std::strlen(format) + 33);
  wsprintfA(buffer.data(), format, code);
  return buffer.data();
}

}  // namespace corekit::platform
