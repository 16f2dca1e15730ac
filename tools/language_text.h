#pragma once

// Languages on the command line, the same for every command: a Windows language identifier,
// 0x0000 to 0xFFFF, in hexadecimal with 0x ("0x0407", also "0x00000407") or in decimal ("1031"),
// or a name as people write it: a language ("de"), with a region ("de_DE", "de-DE", "fr-CA") and
// with a locale's encoding or modifier ("de_DE.UTF-8", "de_DE@euro"), in either case.

#include <cstdint>
#include <string>
#include <string_view>

namespace corekit::tool {

// A 16-bit Windows language identifier; false when the text is neither a number in range nor a
// known name. A language without a region takes its main one: "de" is 0x0407, "zh" 0x0804.
bool ParseLanguage(std::string_view text, std::uint16_t& language);

// The one-line reason a language option's text is refused.
std::string LanguageError(std::string_view option, std::string_view text);

}  // namespace corekit::tool
