#include "corekit/platform/wide_text.h"

#include "corekit/platform/posix/icu_text.h"

namespace corekit::platform {

std::string WideToMultibyte(const char16_t* text, std::size_t length) {
  return posix::ToProcessEncoding(icu::UnicodeString(text, static_cast<int32_t>(length)));
}

std::string MultibyteToUtf8(const char* text, std::size_t length) {
  std::string utf8;
  return posix::FromProcessEncoding(std::string(text, length)).toUTF8String(utf8);
}

}  // namespace corekit::platform
