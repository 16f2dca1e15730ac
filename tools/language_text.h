#pragma once

// Language identifiers on the command line, the same for every command: 0x0000 to 0xFFFF, written
// in hexadecimal with 0x ("0x0407", also "0x00000407") or in decimal ("1031").

#include <cstdint>
#include <string>
#include <string_view>

namespace corekit::tool {

// A 16-bit Windows language identifier; false when the text is none.
bool ParseLanguage(std::string_view text, std::uint16_t& language);

// The one-line reason a language option's text is refused.
std::string LanguageError(std::string_view option, std::string_view text);

}  // namespace corekit::tool
