#include "corekit/core/utf8_text.h"

#include "corekit/platform/wide_text.h"

std::string ToUTF8(std::string_view text) {
  return corekit::platform::MultibyteToUtf8(text.data(), text.size());
}
