#include "tools/language_text.h"

#include <cctype>

#include "tools/number_text.h"

namespace corekit::tool {
namespace {

struct NamedLanguage {
  const char* name;  // language-REGION
  std::uint16_t id;
};

// Windows' identifiers of the languages and regions people are likely to name; the first row of
// a language is its main region, which the language alone stands for.
constexpr NamedLanguage Languages[] = {
    {"ar-SA", 0x0401}, {"bg-BG", 0x0402}, {"ca-ES", 0x0403}, {"cs-CZ", 0x0405}, {"da-DK", 0x0406},
    {"de-DE", 0x0407}, {"de-AT", 0x0C07}, {"de-CH", 0x0807}, {"de-LI", 0x1407}, {"de-LU", 0x1007},
    {"el-GR", 0x0408}, {"en-US", 0x0409}, {"en-AU", 0x0C09}, {"en-CA", 0x1009}, {"en-GB", 0x0809},
    {"en-IE", 0x1809}, {"en-IN", 0x4009}, {"en-NZ", 0x1409}, {"en-ZA", 0x1C09}, {"es-ES", 0x0C0A},
    {"es-AR", 0x2C0A}, {"es-CL", 0x340A}, {"es-CO", 0x240A}, {"es-MX", 0x080A}, {"es-US", 0x540A},
    {"et-EE", 0x0425}, {"fi-FI", 0x040B}, {"fr-FR", 0x040C}, {"fr-BE", 0x080C}, {"fr-CA", 0x0C0C},
    {"fr-CH", 0x100C}, {"fr-LU", 0x140C}, {"he-IL", 0x040D}, {"hr-HR", 0x041A}, {"hu-HU", 0x040E},
    {"is-IS", 0x040F}, {"it-IT", 0x0410}, {"it-CH", 0x0810}, {"ja-JP", 0x0411}, {"ko-KR", 0x0412},
    {"lt-LT", 0x0427}, {"lv-LV", 0x0426}, {"nb-NO", 0x0414}, {"nl-NL", 0x0413}, {"nl-BE", 0x0813},
    {"nn-NO", 0x0814}, {"no-NO", 0x0414}, {"pl-PL", 0x0415}, {"pt-BR", 0x0416}, {"pt-PT", 0x0816},
    {"ro-RO", 0x0418}, {"ru-RU", 0x0419}, {"sk-SK", 0x041B}, {"sl-SI", 0x0424}, {"sv-SE", 0x041D},
    {"sv-FI", 0x081D}, {"th-TH", 0x041E}, {"tr-TR", 0x041F}, {"uk-UA", 0x0422}, {"vi-VN", 0x042A},
    {"zh-CN", 0x0804}, {"zh-HK", 0x0C04}, {"zh-SG", 0x1004}, {"zh-TW", 0x0404},
};

// The name as the table writes it: "de_DE.UTF-8" and "DE-de" become "de-DE"; a language alone
// stays alone. Empty when the text has no such form.
std::string Normalized(std::string_view text) {
  text = text.substr(0, text.find_first_of(".@"));
  const std::size_t separator = text.find_first_of("-_");
  const std::string_view language = text.substr(0, separator);
  const std::string_view region =
      separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
  const auto letters = [](std::string_view part) {
    return part.size() == 2 && std::isalpha(static_cast<unsigned char>(part[0])) &&
           std::isalpha(static_cast<unsigned char>(part[1]));
  };
  if (!letters(language) || (separator != std::string_view::npos && !letters(region))) return {};
  std::string name;
  for (const char c : language)
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (separator == std::string_view::npos) return name;
  name += '-';
  for (const char c : region)
    name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

bool FindNamedLanguage(std::string_view text, std::uint16_t& language) {
  const std::string name = Normalized(text);
  if (name.empty()) return false;
  for (const NamedLanguage& row : Languages) {
    const std::string_view known = row.name;
    if (known == name || (name.size() == 2 && known.substr(0, 2) == name)) {
      language = row.id;
      return true;
    }
  }
  return false;
}

}  // namespace

bool ParseLanguage(std::string_view text, std::uint16_t& language) {
  std::uint32_t value = 0;
  if (ParseHexOrUnsigned32(text, value) == NumberStatus::Ok) {
    if (value > 0xFFFF) return false;
    language = static_cast<std::uint16_t>(value);
    return true;
  }
  return FindNamedLanguage(text, language);
}

std::string LanguageError(std::string_view option, std::string_view text) {
  return std::string(option) + ": '" + std::string(text) +
         "' is no known language (a name such as de, de_DE, de-DE or fr-CA, or an identifier "
         "from 0x0000 to 0xFFFF such as 0x0407)";
}

}  // namespace corekit::tool
