#include "tools/json_text.h"

#include "corekit/core/hex_text.h"
#include "corekit/core/utf8_text.h"

namespace corekit::tool {

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : ToUTF8(text)) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      quoted += "\\u00" + HexText(static_cast<unsigned char>(c), 2);
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace corekit::tool
