#include "tools/language_text.h"

#include "tools/number_text.h"

namespace corekit::tool {

bool ParseLanguage(std::string_view text, std::uint16_t& language) {
  std::uint32_t value = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    if (text.size() > 4) return false;
    for (const char c : text) {
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return false;
      value = value * 16 + static_cast<std::uint32_t>(digit);
    }
  } else if (ParseUnsigned32(text, value) != NumberStatus::Ok || value > 0xFFFF) {
    return false;
  }
  language = static_cast<std::uint16_t>(value);
  return true;
}

std::string LanguageError(std::string_view option, std::string_view text) {
  return std::string(option) + ": '" + std::string(text) +
         "' is not a language identifier (0x0000 to 0xFFFF, such as 0x0407, or decimal)";
}

}  // namespace corekit::tool
