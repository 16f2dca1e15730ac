#include "tools/json_text.h"

#include "corekit/platform/wide_text.h"

namespace corekit::tool {

std::string JsonString(const std::string& text) {
  static const char digits[] = "0123456789abcdef";
  std::string quoted = "\"";
  for (const char c : platform::MultibyteToUtf8(text.data(), text.size())) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      quoted += "\\u00";
      quoted += digits[(c >> 4) & 0xf];
      quoted += digits[c & 0xf];
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace corekit::tool
