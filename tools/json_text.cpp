#include "tools/json_text.h"

#include "corekit/core/utf8_text.h"

namespace corekit::tool {

std::string JsonString(const std::string& text) {
  static const char digits[] = "0123456789abcdef";
  std::string quoted = "\"";
  for (const char c : ToUTF8(text)) {
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
