#include "corekit/translate/resource_strings.h"

#include <string_view>

#include "corekit/platform/resources.h"
#include "corekit/platform/wide_text.h"
#include "corekit/translate/translate_text.h"
#include "corekit/winres/string_block.h"

namespace {

constexpr WORD StringTableType = 6;
constexpr unsigned StringsPerBlock = 16;

}  // namespace

std::optional<std::u16string> LoadStringResource(HMODULE module, unsigned id, WORD language,
                                                 bool allowNeutral) {
  namespace platform = corekit::platform;
  const HRSRC block = FindResourceFallback(module, MAKEINTRESOURCEA(StringTableType),
                                           MAKEINTRESOURCEA((id >> 4) + 1), language, allowNeutral);
  if (block == nullptr) return std::nullopt;
  const auto* data = static_cast<const unsigned char*>(platform::LockModuleResource(module, block));
  const DWORD size = platform::ModuleResourceSize(module, block);
  if (data == nullptr) return std::nullopt;
  return corekit::winres::StringBlockEntry(data, size, id % StringsPerBlock);
}

KString WideToAnsi(const char16_t* text) {
  if (text == nullptr) return KString();
  const std::u16string_view units(text);
  return KString(corekit::platform::WideToMultibyte(units.data(), units.size()).c_str());
}

KString LoadTranslatedString(HMODULE module, unsigned id, WORD language, const char* name) {
  const std::optional<std::u16string> own = LoadStringResource(module, id, language, false);
  if (own && !own->empty()) return WideToAnsi(own->c_str());
  const std::optional<std::u16string> english =
      LoadStringResource(module, id, GetBaseLanguage(), true);
  if (!english || english->empty()) return KString();
  return TranslateText(WideToAnsi(english->c_str()), GetBaseLanguage(), language, name);
}
