#include "tools/language_text.h"

#include "tools/number_text.h"

namespace corekit::tool {

bool ParseLanguage(std::string_view text, std::uint16_t& language) {
  std::uint32_t value = 0;
  if (ParseHexOrUnsigned32(text, value) != NumberStatus::Ok || value > 0xFFFF) return false;
  language = static_cast<std::uint16_t>(value);
  return true;
}

std::string LanguageError(std::string_view option, std::string_view text) {
  return std::string(option) + ": '" + std::string(text) +
         "' is not a language identifier (0x0000 to 0xFFFF, such as 0x0407, or decimal)";
}

}  // namespace corekit::tool
